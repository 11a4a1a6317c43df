#pragma once

#include "core/ProductQuery.h"
#include "core/SqlStatement.h"

#include <QList>
#include <QSqlRecord>
#include <QString>

#include <optional>

class TDMSqls;

// The queue of shelf labels to print again (IMP_CONTROL_GONDOLA): entries are 'A' until a
// label of their product is printed, then 'F'; entries older than a day are purged when a
// gondola screen opens. Failures leave the table as it was and return the database's text.
namespace print_control {

extern const SqlStatement adProdutoParaAlterar;
extern const SqlStatement qrUpdImpControl;
extern const SqlStatement qrDelImpControl;

// The products with pending entries, one row each, ordered by code: Codigo,
// "Codigo Barras", Descricao, NovoPco, Unidade, PCO, PROMOCAO.
std::optional<QList<QSqlRecord>> releasedLabels(TDMSqls &dm, product_query::Filter filter, QString *error = nullptr);
// Marks every entry of the product, of every date and store, printed.
bool markPrinted(TDMSqls &dm, const QString &productCode, QString *error = nullptr);
// Deletes the entries dated before the server's present moment minus one day.
bool purge(TDMSqls &dm, QString *error = nullptr);

} // namespace print_control
