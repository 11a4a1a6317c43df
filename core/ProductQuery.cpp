#include "ProductQuery.h"

#include "SqlValues.h"
#include "TDMSqls.h"
#include "platform/Clock.h"

#include <QSqlField>
#include <QSqlQuery>

namespace product_query {

// Promotion in force on the server: started (server moment), not ended (server day),
// price above 0.01.
QString promotionColumn(bool sqlite)
{
    return sqlite ? QStringLiteral(
               "CASE WHEN (p.DATA_PROM_INICIAL IS NOT NULL) THEN CASE WHEN datetime(p.DATA_PROM_INICIAL) <= datetime(GETDATE()) THEN "
               "CASE WHEN datetime(p.DATA_PROM_FINAL) >= datetime(date(GETDATE())) THEN "
               "CASE WHEN p.VLR_PRECO_PROMOCAO > 0.01 THEN 'SIM' ELSE 'NÃO' END ELSE 'NÃO' END ELSE 'NÃO' END ELSE 'NÃO' END")
                  : QStringLiteral(
               "CASE WHEN (DATA_PROM_INICIAL IS NOT NULL) THEN CASE WHEN DATA_PROM_INICIAL <= GETDATE() THEN "
               "CASE WHEN DATA_PROM_FINAL >= CONVERT(DATETIME, CONVERT(VARCHAR, GETDATE(), 103)) THEN "
               "CASE WHEN VLR_PRECO_PROMOCAO > 0.01 THEN 'SIM' ELSE 'NÃO' END ELSE 'NÃO' END ELSE 'NÃO' END ELSE 'NÃO' END");
}

// On the embedded store round() then printf gives the server's decimal text.
QString unitPriceTextColumn(bool sqlite, const QString &price)
{
    if (sqlite) {
        return QStringLiteral(
                   "CASE WHEN p.CONTEUDO > 0 THEN CASE\n"
                   "  WHEN p.CONTEUDO_UN = 'G' THEN 'PRECO KG  R$ ' || printf('%.2f', round((%1) * 1000 / p.CONTEUDO, 2))\n"
                   "  WHEN p.CONTEUDO_UN = 'ML' THEN 'PRECO L  R$ ' || printf('%.2f', round((%1) * 1000 / p.CONTEUDO, 2))\n"
                   "  WHEN p.CONTEUDO_UN = 'KG' THEN 'PRECO KG  R$ ' || printf('%.2f', round((%1) * 1000 / (p.CONTEUDO * 1000), 2))\n"
                   "  WHEN p.CONTEUDO_UN = 'L' THEN 'PRECO L  R$ ' || printf('%.2f', round((%1) * 1000 / (p.CONTEUDO * 1000), 2))\n"
                   "  WHEN p.CONTEUDO_UN = 'CM' THEN 'PRECO M  R$ ' || printf('%.2f', round((%1) * 100 / p.CONTEUDO, 2))\n"
                   "  WHEN p.CONTEUDO_UN IN ('M', 'MT') THEN 'PRECO M  R$ ' || printf('%.2f', round((%1) * 100 / (p.CONTEUDO * 100), 2))\n"
                   "  ELSE '' END\n"
                   "ELSE CASE WHEN p.FLG_UNIDADE_VENDA = 'KG' THEN 'PRECO KG R$ ' || printf('%.2f', round(%1, 2)) ELSE '' END END")
            .arg(price);
    }
    return QStringLiteral(
               "CASE WHEN CONTEUDO > 0 THEN CASE\n"
               "  WHEN CONTEUDO_UN = 'G' THEN 'PRECO ' + 'KG' + '  R$ ' + CONVERT(VARCHAR, CONVERT(DECIMAL(18,2), (%1) * 1000 / CONTEUDO))\n"
               "  WHEN CONTEUDO_UN = 'ML' THEN 'PRECO ' + 'L' + '  R$ ' + CONVERT(VARCHAR, CONVERT(DECIMAL(18,2), (%1) * 1000 / CONTEUDO))\n"
               "  WHEN CONTEUDO_UN = 'KG' THEN 'PRECO ' + 'KG' + '  R$ ' + CONVERT(VARCHAR, CONVERT(DECIMAL(18,2), (%1) * 1000 / (CONTEUDO * 1000)))\n"
               "  WHEN CONTEUDO_UN = 'L' THEN 'PRECO ' + 'L' + '  R$ ' + CONVERT(VARCHAR, CONVERT(DECIMAL(18,2), (%1) * 1000 / (CONTEUDO * 1000)))\n"
               "  WHEN CONTEUDO_UN = 'CM' THEN 'PRECO ' + 'M' + '  R$ ' + CONVERT(VARCHAR, CONVERT(DECIMAL(18,2), (%1) * 100 / CONTEUDO))\n"
               "  WHEN CONTEUDO_UN IN ('M', 'MT') THEN 'PRECO ' + 'M' + '  R$ ' + CONVERT(VARCHAR, CONVERT(DECIMAL(18,2), (%1) * 100 / (CONTEUDO * 100)))\n"
               "  ELSE '' END\n"
               "ELSE CASE WHEN FLG_UNIDADE_VENDA = 'KG' THEN 'PRECO KG R$ ' + CONVERT(VARCHAR, CONVERT(DECIMAL(18,2), %1)) ELSE '' END END")
        .arg(price);
}

namespace {

// The promotion-aware price of the unit-price text of adProd: the promotion price on the
// dates alone.
QString promotionAwarePrice(bool sqlite)
{
    return sqlite ? QStringLiteral("CASE WHEN datetime(p.DATA_PROM_INICIAL) <= datetime(GETDATE()) and datetime(p.DATA_PROM_FINAL) >= "
                                   "datetime(date(GETDATE())) THEN p.VLR_PRECO_PROMOCAO else p.VLR_PRECO end")
                  : QStringLiteral("CASE WHEN DATA_PROM_INICIAL <= GETDATE() and DATA_PROM_FINAL >= "
                                   "CONVERT(DATETIME, CONVERT(VARCHAR, GETDATE(), 103)) THEN VLR_PRECO_PROMOCAO else VLR_PRECO end");
}

const QString kSqlServerProduct = QStringLiteral(
    "declare @cod varchar(20) = :p1 ;\n"
    "select %1 AS PROMOCAO,\n"
    "%2 AS PCO,\n"
    "*\n"
    "from produto p left join BARRAS_VINCULADA BV on p.cod_prod = bv.cod_prod\n"
    "where p.cod_prod = case when len(@cod) <= 8 then @cod else 0 end or p.codigo_barras = @cod")
    .arg(promotionColumn(false), unitPriceTextColumn(false, promotionAwarePrice(false)));

// SQLSERVER_INT converts like the server (a non-numeric short code fails the statement).
const QString kSqliteProduct = QStringLiteral(
    "WITH c(cod) AS (SELECT substr(:p1, 1, 20))\n"
    "select %1 AS PROMOCAO,\n"
    "%2 AS PCO,\n"
    "p.*, bv.*\n"
    "from c, produto p left join BARRAS_VINCULADA bv on p.cod_prod = bv.cod_prod\n"
    "where p.cod_prod = case when length(rtrim(c.cod)) <= 8 then SQLSERVER_INT(c.cod) else 0 end or p.codigo_barras = c.cod")
    .arg(promotionColumn(true), unitPriceTextColumn(true, promotionAwarePrice(true)));

QSqlRecord withPrecoReal(QSqlRecord record, const QDate &today)
{
    const double price = PrecoReal(record.value(QStringLiteral("DATA_PROM_INICIAL")),
                                   record.value(QStringLiteral("DATA_PROM_FINAL")),
                                   record.value(QStringLiteral("VLR_PRECO_PROMOCAO")),
                                   record.value(QStringLiteral("VLR_PRECO")), today);
    QSqlField field(QStringLiteral("PrecoReal"), QMetaType(QMetaType::Double));
    field.setValue(price);
    record.append(field);
    return record;
}

} // namespace

const SqlStatement adProd{QStringLiteral("adProd"), DbConnection::Server, kSqlServerProduct, kSqliteProduct};

// Exact match of the trimmed code: a linked barcode is a whole barcode, never a pattern.
const SqlStatement adBarras{QStringLiteral("adBarras"), DbConnection::Server,
                            QStringLiteral("SELECT Cod_prod FROM barras_vinculada WHERE CODIGO_BARRAS = :psBar"),
                            QStringLiteral("SELECT Cod_prod FROM barras_vinculada WHERE CODIGO_BARRAS = :psBar")};

const SqlStatement adCli{QStringLiteral("adCli"), DbConnection::Server,
                         QStringLiteral("SELECT * FROM Cliente WHERE Codigo_Barras=:sCodBar"),
                         QStringLiteral("SELECT * FROM Cliente WHERE Codigo_Barras=:sCodBar")};

bool passes(Filter filter, const QSqlRecord &row)
{
    return filter == Filter::All || row.value(QStringLiteral("PROMOCAO")).toString() == QStringLiteral("NÃO");
}

std::optional<QList<QSqlRecord>> findProducts(TDMSqls &dm, const QString &p1, Filter filter)
{
    QSqlQuery query = dm.prepare(adProd);
    query.bindValue(QStringLiteral(":p1"), p1.left(20));
    if (!query.exec())
        return std::nullopt;
    const QDate today = platform::terminalToday();
    QList<QSqlRecord> rows;
    while (query.next()) {
        if (passes(filter, query.record()))
            rows.append(withPrecoReal(query.record(), today));
    }
    return rows;
}

std::optional<int> linkedProduct(TDMSqls &dm, const QString &barcode)
{
    QSqlQuery query = dm.prepare(adBarras);
    query.bindValue(QStringLiteral(":psBar"), barcode);
    if (!query.exec())
        return std::nullopt;
    return query.next() ? query.value(0).toInt() : 0;
}

std::optional<QList<QSqlRecord>> findCustomers(TDMSqls &dm, const QString &card)
{
    QSqlQuery query = dm.prepare(adCli);
    query.bindValue(QStringLiteral(":sCodBar"), card);
    if (!query.exec())
        return std::nullopt;
    QList<QSqlRecord> rows;
    while (query.next())
        rows.append(query.record());
    return rows;
}

} // namespace product_query

namespace {

// The zero date of the original platform: an empty date.
const QDateTime kZeroDate(QDate(1899, 12, 30), QTime(0, 0));

std::optional<QDateTime> readDate(const QVariant &value)
{
    if (value.isNull() || value.toString().trimmed().isEmpty())
        return kZeroDate;
    const QDateTime parsed = sqlDateTime(value);
    return parsed.isValid() ? std::optional<QDateTime>(parsed) : std::nullopt;
}

std::optional<double> readAmount(const QVariant &value)
{
    return value.isNull() ? std::optional<double>(0.0) : sqlNumber(value);
}

} // namespace

double PrecoReal(const QVariant &dataPromInicial, const QVariant &dataPromFinal,
                 const QVariant &vlrPrecoPromocao, const QVariant &vlrPreco, const QDate &today)
{
    const auto start = readDate(dataPromInicial);
    const auto end = readDate(dataPromFinal);
    const auto promotion = readAmount(vlrPrecoPromocao);
    const auto regular = readAmount(vlrPreco);
    if (!start || !end || !promotion || !regular)
        return 0;
    const QDateTime day = today.startOfDay();
    return day >= *start && day <= *end ? *promotion : *regular;
}
