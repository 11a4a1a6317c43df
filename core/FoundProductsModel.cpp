#include "FoundProductsModel.h"

#include "platform/RegionalSettings.h"

namespace {
enum Column { Code, Description, Unit, Price, Barcode, ColumnCount };
// Rows read at a time: a few screenfuls of the grid.
constexpr int kBatch = 100;
} // namespace

bool FoundProductsModel::setSearch(description_search::ProductSearch search)
{
    auto first = search.next(kBatch);
    if (!first)
        return false;
    beginResetModel();
    m_products = std::move(*first);
    m_search = std::move(search);
    endResetModel();
    return true;
}

void FoundProductsModel::clear()
{
    beginResetModel();
    m_products.clear();
    m_search.reset();
    endResetModel();
}

bool FoundProductsModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_search && !m_search->atEnd();
}

void FoundProductsModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    const auto more = m_search->next(kBatch);
    if (!more || more->isEmpty())
        return;
    const int first = int(m_products.size());
    beginInsertRows({}, first, first + int(more->size()) - 1);
    m_products.append(*more);
    endInsertRows();
}

int FoundProductsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_products.size());
}

int FoundProductsModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant FoundProductsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole && index.column() == Price)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const FoundProduct &product = m_products.at(index.row());
    switch (index.column()) {
    case Code: return product.code;
    case Description: return product.description;
    case Unit: return product.unit;
    case Price: return platform::RegionalSettings::current().formatAmount(product.price);
    case Barcode: return product.barcode;
    }
    return {};
}

QVariant FoundProductsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole ? QVariant(QString()) : QVariant();
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Code: return QStringLiteral("Código");
    case Description: return QStringLiteral("DESCRICAO");
    case Unit: return QStringLiteral("Unidade");
    case Price: return QStringLiteral("Preço");
    case Barcode: return QStringLiteral("Código Barras");
    }
    return {};
}
