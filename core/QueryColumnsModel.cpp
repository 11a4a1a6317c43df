#include "QueryColumnsModel.h"

#include <QSqlQuery>
#include <QSqlRecord>

QueryColumnsModel::QueryColumnsModel(const QStringList &columns, QObject *parent)
    : QAbstractTableModel(parent)
    , m_columns(columns)
    , m_titles(columns)
{
}

void QueryColumnsModel::setTitles(const QStringList &titles)
{
    m_titles = titles;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void QueryColumnsModel::load(QSqlQuery &query)
{
    beginResetModel();
    m_rows.clear();
    QList<int> positions;
    const QSqlRecord record = query.record();
    for (const QString &column : std::as_const(m_columns))
        positions.append(record.indexOf(column));
    while (query.next()) {
        QVariantList row;
        row.reserve(positions.size());
        for (int position : std::as_const(positions))
            row.append(position < 0 ? QVariant() : query.value(position));
        m_rows.append(row);
    }
    endResetModel();
}

void QueryColumnsModel::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

QVariant QueryColumnsModel::value(int row, int column) const
{
    if (row < 0 || row >= m_rows.size())
        return {};
    return m_rows.at(row).value(column);
}

int QueryColumnsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int QueryColumnsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant QueryColumnsModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return value(index.row(), index.column()).toString();
}

QVariant QueryColumnsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    return m_titles.value(section);
}
