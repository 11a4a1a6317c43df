#pragma once

#include "DescriptionSearch.h"

#include <QAbstractTableModel>

// One list of the description search in the grid's five columns.
class FoundProductsModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void setProducts(const QList<FoundProduct> &products);
    const QList<FoundProduct> &products() const { return m_products; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<FoundProduct> m_products;
};
