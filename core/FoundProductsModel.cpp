#include "FoundProductsModel.h"

#include "platform/RegionalSettings.h"

namespace {
enum Column { Code, Description, Unit, Price, Barcode, ColumnCount };
}

void FoundProductsModel::setProducts(const QList<FoundProduct> &products)
{
    beginResetModel();
    m_products = products;
    endResetModel();
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
