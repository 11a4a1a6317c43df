#include "SqlStatement.h"

namespace {
QList<const SqlStatement *> &catalogue()
{
    static QList<const SqlStatement *> statements;
    return statements;
}
} // namespace

SqlStatement::SqlStatement(QString name, DbConnection connection, QString sqlServer, QString sqlite)
    : name(std::move(name))
    , connection(connection)
    , sqlServer(std::move(sqlServer))
    , sqlite(std::move(sqlite))
{
    catalogue().append(this);
}

const QList<const SqlStatement *> &sqlCatalogue() { return catalogue(); }
