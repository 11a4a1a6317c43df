#pragma once

#include "SqlStatement.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>

#include <memory>
#include <optional>

// The data module: the two database connections of the terminal, each opened at its first
// query, and the store row. A connection string is either "sqlite:" followed by a path
// (relative to the terminal's folder) or an ODBC connection string for SQL Server.
class TDMSqls {
public:
    struct ConnectionStrings {
        QString server;
        QString comandas;
    };

    // Environment (CONSULTA_SERVIDOR, CONSULTA_COMANDAS), then Conexao.INI in the folder,
    // then an embedded store consulta.db in the folder; nullopt when a connection has none.
    static std::optional<ConnectionStrings> findConnectionStrings(const QString &folder);
    // Why a string cannot be used, or an empty text when it can.
    static QString problemWith(const QString &connectionString, const QString &folder);

    // Creates the data module for the terminal in `folder`; when the connection strings
    // cannot be had it shows the connection warning and returns nullptr.
    static std::unique_ptr<TDMSqls> create(const QString &folder);

    TDMSqls(const ConnectionStrings &strings, const QString &folder);
    ~TDMSqls();
    TDMSqls(const TDMSqls &) = delete;
    TDMSqls &operator=(const TDMSqls &) = delete;

    // The connection, opened if it is not yet; check isOpen() on the result.
    QSqlDatabase database(DbConnection connection);
    bool isSqlite(DbConnection connection) const;
    void close(DbConnection connection);

    // The statement prepared on its connection in that backend's text.
    QSqlQuery prepare(const SqlStatement &statement);
    // A date-time as the backend of the connection stores it.
    QVariant dateValue(DbConnection connection, const QDateTime &value) const;

    // Store row (adEmp): reopened by every reading of the settings.
    bool openStore(int codLoja);
    QString storeShortName() const { return m_storeShortName; }

    // The employee rows (adFun: Funcionario, adSenha: Senha) that the last identification left
    // open; the screens opened on its authority read them. nullopt: closed, or no row found.
    struct EmployeeRows {
        std::optional<QSqlRecord> adFun;
        std::optional<QSqlRecord> adSenha;
    };
    EmployeeRows &employeeRows() { return m_employeeRows; }
    const EmployeeRows &employeeRows() const { return m_employeeRows; }

private:
    struct Connection {
        QString name;
        QString connectionString;
        bool sqlite = false;
    };
    Connection &connectionFor(DbConnection connection);
    const Connection &connectionFor(DbConnection connection) const;
    bool openConnection(Connection &connection);

    QString m_folder;
    Connection m_server;
    Connection m_comandas;
    QString m_storeShortName;
    EmployeeRows m_employeeRows;
};
