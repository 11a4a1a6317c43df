#pragma once

class EmployeeAuthorization;
class TDMSqls;
class TerminalSettings;

// What every screen of the terminal may need, handed to the screen factories at start-up.
struct ScreenContext {
    TDMSqls &dm;
    TerminalSettings &settings;
    EmployeeAuthorization &authorization;
};
