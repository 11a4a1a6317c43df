#include "TableWriter.h"

#include <QSqlError>

namespace demo {

TableWriter::TableWriter(QSqlDatabase &database, const QString &table, const QStringList &columns)
    : m_query(database)
    , m_table(table)
    , m_columns(columns.size())
{
    const QStringList marks(columns.size(), QStringLiteral("?"));
    if (!m_query.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                             .arg(table, columns.join(QLatin1Char(',')), marks.join(QLatin1Char(',')))))
        m_error = QStringLiteral("%1: %2").arg(table, m_query.lastError().text());
}

bool TableWriter::insert(std::initializer_list<QVariant> values)
{
    if (!m_error.isEmpty())
        return false;
    if (qsizetype(values.size()) != m_columns) {
        m_error = QStringLiteral("%1: %2 values for %3 columns").arg(m_table).arg(values.size()).arg(m_columns);
        return false;
    }
    int position = 0;
    for (const QVariant &value : values)
        m_query.bindValue(position++, value);
    if (!m_query.exec()) {
        m_error = QStringLiteral("%1: %2").arg(m_table, m_query.lastError().text());
        return false;
    }
    return true;
}

} // namespace demo
