#include "PrintControl.h"

#include "core/TDMSqls.h"

#include <QSqlError>
#include <QSqlQuery>

namespace print_control {
namespace {

QString releasedLabelsText(bool sqlite)
{
    const QString newPrice = QStringLiteral("case when P.VLR_NOVO_PRECO > 0 then P.VLR_NOVO_PRECO else P.VLR_PRECO end");
    return QStringLiteral(
               "SELECT DISTINCT P.cod_prod as Codigo, P.CODIGO_BARRAS as [Codigo Barras], P.Descricao as Descricao,\n"
               "%1 as NovoPco, P.FLG_UNIDADE_VENDA as Unidade,\n"
               "%2 as PCO,\n"
               "%3 as PROMOCAO\n"
               "FROM PRODUTO as P inner join IMP_CONTROL_GONDOLA as ICG on P.cod_prod = ICG.cod_prod\n"
               "where ICG.flg_status = 'A'\n"
               "order by P.cod_prod")
        .arg(newPrice, product_query::unitPriceTextColumn(sqlite, newPrice), product_query::promotionColumn(sqlite));
}

// Runs the statement; on failure the error is the database's own text, also when the
// statement could not even be prepared.
std::optional<QSqlQuery> run(TDMSqls &dm, const SqlStatement &statement, const QVariantMap &values, QString *error)
{
    QSqlQuery query = dm.prepare(statement);
    const QSqlError prepareError = query.lastError();
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        query.bindValue(it.key(), it.value());
    if (query.exec())
        return query;
    if (error)
        *error = prepareError.type() != QSqlError::NoError ? prepareError.text() : query.lastError().text();
    return std::nullopt;
}

} // namespace

const SqlStatement adProdutoParaAlterar{QStringLiteral("adProdutoParaAlterar"), DbConnection::Server,
                                        releasedLabelsText(false), releasedLabelsText(true)};

const SqlStatement qrUpdImpControl{QStringLiteral("qrUpdImpControl"), DbConnection::Server,
                                   QStringLiteral("update  IMP_CONTROL_GONDOLA set flg_status = 'F' WHERE cod_prod = :p1"),
                                   QStringLiteral("update  IMP_CONTROL_GONDOLA set flg_status = 'F' WHERE cod_prod = :p1")};

// DATA may hold a date or a date and time; both compare as a moment.
const SqlStatement qrDelImpControl{
    QStringLiteral("qrDelImpControl"), DbConnection::Server,
    QStringLiteral("delete from IMP_CONTROL_GONDOLA WHERE convert(datetime,DATA,103) < convert(datetime,GETDATE() - 1,103)"),
    QStringLiteral("delete from IMP_CONTROL_GONDOLA WHERE datetime(DATA) < datetime(GETDATE(), '-1 day')")};

std::optional<QList<QSqlRecord>> releasedLabels(TDMSqls &dm, product_query::Filter filter, QString *error)
{
    auto query = run(dm, adProdutoParaAlterar, {}, error);
    if (!query)
        return std::nullopt;
    QList<QSqlRecord> rows;
    while (query->next()) {
        if (product_query::passes(filter, query->record()))
            rows.append(query->record());
    }
    return rows;
}

bool markPrinted(TDMSqls &dm, const QString &productCode, QString *error)
{
    return run(dm, qrUpdImpControl, {{QStringLiteral(":p1"), productCode}}, error).has_value();
}

bool purge(TDMSqls &dm, QString *error)
{
    return run(dm, qrDelImpControl, {}, error).has_value();
}

} // namespace print_control
