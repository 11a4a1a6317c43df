#pragma once

class TDMSqls;

// Loads the employees' fingerprint templates (table Enroll) into the search index of the
// fingerprint kit, once, when the main screen is first shown. Customer templates are
// skipped. Any failure ends the loading silently; what was added so far stays.
void loadFingerprintTemplates(TDMSqls &dm);
