#pragma once

#include <QString>

// The two connections of the data module.
enum class DbConnection {
    Server,   // adoServer: products, employees, customers, labels, time clock
    Comandas, // ADOComandas: order tabs, inventory, sales
};

// A named query of the data module: its text for SQL Server and for the embedded store.
// Parameters are always bound by name, never pasted into the text.
struct SqlStatement {
    QString name;
    DbConnection connection;
    QString sqlServer;
    QString sqlite;
};
