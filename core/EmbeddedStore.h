#pragma once

#include <QSqlDatabase>
#include <QString>

// The SQLite side of the store database: what SQL Server provides that SQLite lacks.
namespace embedded_store {

// GETDATE() (the server clock), SQLSERVER_INT(text) (the server's text to int conversion)
// and UDF_TARVO_ESTOQUE_TOTAL(cod_prod) on the connection, and a LIKE that ignores the case
// of every letter, accented ones included, as the server does.
bool registerFunctions(QSqlDatabase &database);
// Runs a script of several statements (triggers included) in one transaction.
bool runScript(QSqlDatabase &database, const QString &script, QString *error = nullptr);
// Creates every table and index of the store when missing.
bool createSchema(QSqlDatabase &database, QString *error = nullptr);
// Brings a store made by an earlier version up to the schema: creates what it lacks and
// builds the description index from its products, in one transaction. Nothing to do, and
// quick, for a current store.
bool completeSchema(QSqlDatabase &database, QString *error = nullptr);
// For a bulk load into a store that is not in use yet: with `enabled` false no trigger
// fires on the connection, so what the triggers keep (the description index) must be
// rebuilt after the load.
bool setTriggersEnabled(QSqlDatabase &database, bool enabled);
// True when the file starts with the SQLite header.
bool isSqliteFile(const QString &path);

} // namespace embedded_store
