#pragma once

#include <QString>

class TDMSqls;

// The employee queries adFun and adSenha. Each run leaves its first row open in the data
// module's employee rows; a query that fails shows the database's message, leaves the rows
// as they were and returns false.

// The employee by code, or by badge when `badge` is not empty.
bool openAdFun(TDMSqls &dm, int code, const QString &badge);
// The employee's password and permission flags.
bool openAdSenha(TDMSqls &dm, int code);
