#include "OrderTabStore.h"

#include "SqlValues.h"
#include "TDMSqls.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

const QString kQrCartBloqueioText =
    QStringLiteral("SELECT CT.COD_CARTELA FROM CART_BLOQUEIO CT WHERE CT.COD_CARTELA=:NumCart ");
const SqlStatement qrCartBloqueio{QStringLiteral("qrCartBloqueio"), DbConnection::Comandas, kQrCartBloqueioText,
                                  kQrCartBloqueioText};

// An item with quantity 0 gets no unit price instead of failing the whole tab.
const SqlStatement adComandas{
    QStringLiteral("adComandas"),
    DbConnection::Comandas,
    QStringLiteral("SELECT CN.NUM_COMANDA AS Cartao, CI.COD_PROD AS Produto, P.Descricao, P.FLG_Unidade_VENDA AS Unidade, "
                   "CI.VLR_QTDE as Qtde, CI.Vlr_Total/NULLIF(CI.VLR_QTDE, 0) AS Prec, CI.Vlr_Total as Total "
                   "FROM CMD_NOTA CN INNER JOIN CMD_ITEM CI ON CN.DOCUMENTO = CI.DOCUMENTO "
                   "INNER JOIN Produto P ON CI.COD_PROD = P.COD_PROD "
                   "WHERE CN.NUM_COMANDA=:NumCart AND CN.CHK_Baixa='F' AND CI.CHK_BAIXA='F'  AND  "
                   "(CI.CHK_CANCELADO='F' or CI.CHK_CANCELADO is null) "),
    // Amounts the embedded store keeps as whole numbers must not divide as whole numbers.
    QStringLiteral("SELECT CN.NUM_COMANDA AS Cartao, CI.COD_PROD AS Produto, P.Descricao, P.FLG_Unidade_VENDA AS Unidade, "
                   "CI.VLR_QTDE as Qtde, CAST(CI.Vlr_Total AS REAL)/NULLIF(CI.VLR_QTDE, 0) AS Prec, CI.Vlr_Total as Total "
                   "FROM CMD_NOTA CN INNER JOIN CMD_ITEM CI ON CN.DOCUMENTO = CI.DOCUMENTO "
                   "INNER JOIN Produto P ON CI.COD_PROD = P.COD_PROD "
                   "WHERE CN.NUM_COMANDA=:NumCart AND CN.CHK_Baixa='F' AND CI.CHK_BAIXA='F'  AND  "
                   "(CI.CHK_CANCELADO='F' or CI.CHK_CANCELADO is null) "),
};

const QString kAdTotalText = QStringLiteral(
    "SELECT sum(CI.VLR_Total) as TotalNota FROM CMD_ITEM CI INNER JOIN CMD_NOTA CN ON CI.DOCUMENTO = CN.DOCUMENTO "
    "WHERE CN.NUM_COMANDA=:NUmCart AND CN.CHK_Baixa='F' and CI.CHK_BAIXA='F' AND "
    "(CI.CHK_CANCELADO='F' or CI.CHK_CANCELADO is null )");
const SqlStatement adTotal{QStringLiteral("adTotal"), DbConnection::Comandas, kAdTotalText, kAdTotalText};

// The tab number as the text parameter the statements declare.
QString tabParameter(qint64 tab) { return QString::number(tab); }

} // namespace

bool OrderTabStore::isBlocked(qint64 tab, bool &blocked)
{
    blocked = false;
    QSqlQuery query = m_dm.prepare(qrCartBloqueio);
    query.bindValue(QStringLiteral(":NumCart"), tabParameter(tab));
    if (!query.exec()) {
        m_lastError = query.lastError().text();
        return false;
    }
    blocked = query.next();
    return true;
}

bool OrderTabStore::openItems(qint64 tab, QList<Item> &items)
{
    items.clear();
    QSqlQuery query = m_dm.prepare(adComandas);
    query.bindValue(QStringLiteral(":NumCart"), tabParameter(tab));
    if (!query.exec()) {
        m_lastError = query.lastError().text();
        return false;
    }
    while (query.next()) {
        items.append(Item{query.value(QStringLiteral("Cartao")).toLongLong(),
                          query.value(QStringLiteral("Produto")).toLongLong(),
                          query.value(QStringLiteral("Descricao")).toString().trimmed(),
                          query.value(QStringLiteral("Unidade")).toString().trimmed(),
                          sqlNumber(query.value(QStringLiteral("Qtde"))).value_or(0),
                          sqlNumber(query.value(QStringLiteral("Prec"))),
                          sqlNumber(query.value(QStringLiteral("Total"))).value_or(0)});
    }
    return true;
}

bool OrderTabStore::total(qint64 tab, std::optional<double> &total)
{
    total.reset();
    QSqlQuery query = m_dm.prepare(adTotal);
    query.bindValue(QStringLiteral(":NUmCart"), tabParameter(tab));
    if (!query.exec()) {
        m_lastError = query.lastError().text();
        return false;
    }
    if (query.next())
        total = sqlNumber(query.value(QStringLiteral("TotalNota")));
    return true;
}
