#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <initializer_list>

namespace demo {

// Inserts rows into one table through a single prepared statement, reused for every row:
// what keeps a million-row load fast. The first failure is kept in `error`.
class TableWriter {
public:
    TableWriter(QSqlDatabase &database, const QString &table, const QStringList &columns);

    // One value per column, in the order given; an invalid QVariant stores NULL.
    bool insert(std::initializer_list<QVariant> values);
    const QString &error() const { return m_error; }

private:
    QSqlQuery m_query;
    QString m_table;
    qsizetype m_columns;
    QString m_error;
};

} // namespace demo
