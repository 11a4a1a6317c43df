#pragma once

#include "SqlStatement.h"

#include <QDate>
#include <QList>
#include <QSqlRecord>
#include <QString>
#include <QVariant>

#include <optional>

class TDMSqls;

// The queries the terminal core shares: one product by code or barcode with its
// promotion flag and unit-price text, linked barcodes, customers, and the price in force.
namespace product_query {

extern const SqlStatement adProd;
extern const SqlStatement adBarras;
extern const SqlStatement adCli;

// Which rows a screen wants from the product query. The gondola label screens list only
// products not in promotion unless configured otherwise; every other reader wants all.
enum class Filter { All, NotInPromotion };
// Whether a row with a PROMOCAO column passes the filter.
bool passes(Filter filter, const QSqlRecord &row);

// The rows of adProd for `p1` (the code as typed), each with its computed "PrecoReal"
// appended; nullopt when the statement fails.
std::optional<QList<QSqlRecord>> findProducts(TDMSqls &dm, const QString &p1, Filter filter = Filter::All);
// The product code of a linked barcode (first match), 0 when there is none; nullopt on failure.
std::optional<int> linkedProduct(TDMSqls &dm, const QString &barcode);
// The customer rows of a card; nullopt on failure.
std::optional<QList<QSqlRecord>> findCustomers(TDMSqls &dm, const QString &card);

// The computed columns of the product query, for the other statements over PRODUTO (alias
// p on the embedded store): the promotion flag "SIM"/"NÃO", and the unit-price text of a
// price expression.
QString promotionColumn(bool sqlite);
QString unitPriceTextColumn(bool sqlite, const QString &price);

} // namespace product_query

// The price in force on the terminal: the promotion price while the terminal's day is
// within the promotion dates (an empty date is the zero date), else the regular price;
// 0 when a value cannot be read.
double PrecoReal(const QVariant &dataPromInicial, const QVariant &dataPromFinal,
                 const QVariant &vlrPrecoPromocao, const QVariant &vlrPreco, const QDate &today);
