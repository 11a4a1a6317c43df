#pragma once

#include "DescriptionSearch.h"

#include <QAbstractTableModel>

#include <optional>

// One list of the description search in the grid's five columns. It reads the first
// screenfuls of its search at once and the rest as the grid scrolls down to them.
class FoundProductsModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // Shows the search's list; false, with the list unchanged, when its statement fails.
    bool setSearch(description_search::ProductSearch search);
    void clear();
    const QList<FoundProduct> &products() const { return m_products; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

private:
    QList<FoundProduct> m_products;
    std::optional<description_search::ProductSearch> m_search;
};
