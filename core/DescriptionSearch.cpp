#include "DescriptionSearch.h"

#include "ProductQuery.h"
#include "TDMSqls.h"
#include "platform/Clock.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include <limits>

namespace description_search {
namespace {

const QString kProdDesc = QStringLiteral("select * from produto where descricao like :psDesc and chk_ativo='T'");
// The trigram index yields candidates in code order, the order of the plain scan; the
// store's LIKE then decides on each.
const QString kProdDescIndexed = QStringLiteral(
    "select p.* from PRODUTO_DESCRICAO_TRIGRAMA t cross join produto p on p.cod_prod = t.rowid\n"
    "where t.DESCRICAO like :psIndex and p.descricao like :psDesc and p.chk_ativo='T'");

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
// Products of the same description in code order, whichever way the rows were found.
const QString kBuscaSqlite = kBusca + QStringLiteral(", cod_prod");
const QString kBuscaIndexed = QStringLiteral("SELECT\n"
                                             "p.cod_prod as Codigo,\n"
                                             "p.Descricao,\n"
                                             "p.codigo_barras as [Codigo Barras],\n"
                                             "p.flg_unidade_venda as Unidade,\n"
                                             "p.vlr_preco as Preco,\n"
                                             "p.vlr_preco_promocao as [Preco Promocao],\n"
                                             "p.data_prom_inicial as [Data Promocao],\n"
                                             "p.data_prom_final\n"
                                             "FROM PRODUTO_DESCRICAO_TRIGRAMA t CROSS JOIN Produto p ON p.cod_prod = t.rowid\n"
                                             "WHERE t.DESCRICAO Like :psIndex and p.chk_ativo='T' and p.Descricao Like :psDesc\n"
                                             "ORDER BY p.Descricao, p.cod_prod");

// Up to here the index and the store's LIKE fold case alike; further on (IPA letters,
// Greek, Cyrillic...) their Unicode tables differ.
constexpr char16_t kFoldedAlike = 0x250;

} // namespace

const SqlStatement adProdDesc{QStringLiteral("adProdDesc"), DbConnection::Server, kProdDesc, kProdDesc};
const SqlStatement adBusca{QStringLiteral("adBusca"), DbConnection::Server, kBusca, kBuscaSqlite};
const SqlStatement adProdDescIndexed{QStringLiteral("adProdDescIndexed"), DbConnection::Server, kProdDesc,
                                     kProdDescIndexed};
const SqlStatement adBuscaIndexed{QStringLiteral("adBuscaIndexed"), DbConnection::Server, kBusca, kBuscaIndexed};

QString indexPattern(const QString &text)
{
    QStringList runs;
    QString run;
    const auto endRun = [&] {
        if (run.size() >= 3)
            runs.append(run);
        run.clear();
    };
    for (const QChar c : text) {
        if (c == QLatin1Char('%') || c == QLatin1Char('_') || c.isNull() || c.unicode() >= kFoldedAlike)
            endRun();
        else
            run.append(c);
    }
    endRun();
    return runs.isEmpty() ? QString() : QLatin1Char('%') + runs.join(QLatin1Char('%')) + QLatin1Char('%');
}

ProductSearch::ProductSearch(TDMSqls &dm, const SqlStatement &plain, const SqlStatement &indexed, const QString &text,
                             const ColumnNames &names)
    : m_dm(&dm)
    , m_statement(&plain)
    , m_pattern(QLatin1Char('%') + text + QLatin1Char('%'))
    , m_names(names)
{
    if (dm.isSqlite(indexed.connection))
        m_indexPattern = indexPattern(text);
    if (!m_indexPattern.isEmpty())
        m_statement = &indexed;
}

std::optional<QList<FoundProduct>> ProductSearch::next(int count)
{
    if (m_atEnd)
        return QList<FoundProduct>();
    const bool embedded = m_dm->isSqlite(m_statement->connection);
    QSqlQuery query = m_dm->prepare(*m_statement);
    query.setForwardOnly(embedded);
    query.bindValue(QStringLiteral(":psDesc"), m_pattern);
    if (!m_indexPattern.isEmpty())
        query.bindValue(QStringLiteral(":psIndex"), m_indexPattern);
    if (!query.exec()) {
        m_atEnd = true;
        return std::nullopt;
    }
    if (embedded && m_read > 0 && !query.seek(m_read - 1)) {
        m_atEnd = true;
        return QList<FoundProduct>();
    }
    const QSqlRecord record = query.record();
    const auto position = [&](const QString &column) { return record.indexOf(column); };
    const int code = position(m_names.code), description = position(m_names.description),
              unit = position(m_names.unit), barcode = position(m_names.barcode),
              promotionStart = position(m_names.promotionStart), promotionEnd = position(m_names.promotionEnd),
              promotionPrice = position(m_names.promotionPrice), price = position(m_names.price);
    const QDate today = platform::terminalToday();
    const int wanted = embedded ? count : std::numeric_limits<int>::max();
    QList<FoundProduct> products;
    while (products.size() < wanted && query.next()) {
        products.append({query.value(code).toString(), query.value(description).toString(),
                         query.value(unit).toString(),
                         PrecoReal(query.value(promotionStart), query.value(promotionEnd),
                                   query.value(promotionPrice), query.value(price), today),
                         query.value(barcode).toString()});
    }
    m_read += int(products.size());
    m_atEnd = products.size() < wanted || !query.next();
    return products;
}

ProductSearch plainList(TDMSqls &dm, const QString &text)
{
    return {dm, adProdDesc, adProdDescIndexed, text,
            {QStringLiteral("COD_PROD"), QStringLiteral("DESCRICAO"), QStringLiteral("FLG_UNIDADE_VENDA"),
             QStringLiteral("CODIGO_BARRAS"), QStringLiteral("DATA_PROM_INICIAL"), QStringLiteral("DATA_PROM_FINAL"),
             QStringLiteral("VLR_PRECO_PROMOCAO"), QStringLiteral("VLR_PRECO")}};
}

ProductSearch nextOccurrenceList(TDMSqls &dm, const QString &text)
{
    return {dm, adBusca, adBuscaIndexed, text,
            {QStringLiteral("Codigo"), QStringLiteral("Descricao"), QStringLiteral("Unidade"),
             QStringLiteral("Codigo Barras"), QStringLiteral("Data Promocao"), QStringLiteral("data_prom_final"),
             QStringLiteral("Preco Promocao"), QStringLiteral("Preco")}};
}

} // namespace description_search
