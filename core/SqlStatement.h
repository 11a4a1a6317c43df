#pragma once

#include <QList>
#include <QString>

// The two connections of the data module.
enum class DbConnection {
    Server,   // adoServer: products, employees, customers, labels, time clock
    Comandas, // ADOComandas: order tabs, inventory, sales
};

// A named query of the data module: its text for SQL Server and for the embedded store.
// Parameters are always bound by name, never pasted into the text. Define each statement
// once, at namespace scope, so that it joins the catalogue of the data module, which the
// tests check statement by statement on both backends.
struct SqlStatement {
    SqlStatement(QString name, DbConnection connection, QString sqlServer, QString sqlite);
    SqlStatement(const SqlStatement &) = delete;
    SqlStatement &operator=(const SqlStatement &) = delete;

    const QString name;
    const DbConnection connection;
    const QString sqlServer;
    const QString sqlite;
};

// Every statement of the program that has been linked in.
const QList<const SqlStatement *> &sqlCatalogue();
