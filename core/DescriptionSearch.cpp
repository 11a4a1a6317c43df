#include "DescriptionSearch.h"

#include "ProductQuery.h"
#include "TDMSqls.h"
#include "platform/Clock.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace description_search {
namespace {

// The product columns a list reads, by the names its statement gives them.
struct ColumnNames {
    QString code, description, unit, barcode;
    QString promotionStart, promotionEnd, promotionPrice, price;
};

std::optional<QList<FoundProduct>> run(TDMSqls &dm, const SqlStatement &statement, const QString &text,
                                       const ColumnNames &names)
{
    QSqlQuery query = dm.prepare(statement);
    query.bindValue(QStringLiteral(":psDesc"), QLatin1Char('%') + text + QLatin1Char('%'));
    if (!query.exec())
        return std::nullopt;
    const QSqlRecord record = query.record();
    const auto position = [&](const QString &column) { return record.indexOf(column); };
    const int code = position(names.code), description = position(names.description), unit = position(names.unit),
              barcode = position(names.barcode), promotionStart = position(names.promotionStart),
              promotionEnd = position(names.promotionEnd), promotionPrice = position(names.promotionPrice),
              price = position(names.price);
    const QDate today = platform::terminalToday();
    QList<FoundProduct> products;
    while (query.next()) {
        products.append({query.value(code).toString(), query.value(description).toString(),
                         query.value(unit).toString(),
                         PrecoReal(query.value(promotionStart), query.value(promotionEnd),
                                   query.value(promotionPrice), query.value(price), today),
                         query.value(barcode).toString()});
    }
    return products;
}

// Both backends run the same text.
const QString kProdDesc = QStringLiteral("select * from produto where descricao like :psDesc and chk_ativo='T'");
// The condition line binds the pattern instead of carrying the typed text.
const QString kBusca = QStringLiteral("SELECT\n"
                                      "cod_prod as Codigo,\n"
                                      "Descricao,\n"
                                      "codigo_barras as [Codigo Barras],\n"
                                      "flg_unidade_venda as Unidade,\n"
                                      "vlr_preco as Preco,\n"
                                      "vlr_preco_promocao as [Preco Promocao],\n"
                                      "data_prom_inicial as [Data Promocao],\n"
                                      "data_prom_final\n"
                                      "FROM Produto\n"
                                      "WHERE chk_ativo='T' and Descricao Like :psDesc\n"
                                      "ORDER BY Descricao");

} // namespace

const SqlStatement adProdDesc{QStringLiteral("adProdDesc"), DbConnection::Server, kProdDesc, kProdDesc};
const SqlStatement adBusca{QStringLiteral("adBusca"), DbConnection::Server, kBusca, kBusca};

std::optional<QList<FoundProduct>> plainList(TDMSqls &dm, const QString &text)
{
    return run(dm, adProdDesc, text,
               {QStringLiteral("COD_PROD"), QStringLiteral("DESCRICAO"), QStringLiteral("FLG_UNIDADE_VENDA"),
                QStringLiteral("CODIGO_BARRAS"), QStringLiteral("DATA_PROM_INICIAL"), QStringLiteral("DATA_PROM_FINAL"),
                QStringLiteral("VLR_PRECO_PROMOCAO"), QStringLiteral("VLR_PRECO")});
}

std::optional<QList<FoundProduct>> nextOccurrenceList(TDMSqls &dm, const QString &text)
{
    return run(dm, adBusca, text,
               {QStringLiteral("Codigo"), QStringLiteral("Descricao"), QStringLiteral("Unidade"),
                QStringLiteral("Codigo Barras"), QStringLiteral("Data Promocao"), QStringLiteral("data_prom_final"),
                QStringLiteral("Preco Promocao"), QStringLiteral("Preco")});
}

} // namespace description_search
