#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>
#include <QVariant>

class QSqlQuery;

// Chosen columns of every row a statement returned, for the read-only grids of the lookup
// dialogs. Columns are found by name regardless of case; a missing one reads as null.
class QueryColumnsModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit QueryColumnsModel(const QStringList &columns, QObject *parent = nullptr);

    void setTitles(const QStringList &titles);
    // Replaces the rows with every row of an executed query.
    void load(QSqlQuery &query);
    void clear();

    QVariant value(int row, int column) const;
    QString columnName(int column) const { return m_columns.value(column); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList m_columns;
    QStringList m_titles;
    QList<QVariantList> m_rows;
};
