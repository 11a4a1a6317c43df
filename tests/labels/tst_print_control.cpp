#include "labels/PrintControl.h"
#include "platform/Clock.h"
#include "support/FixtureStore.h"

#include <QSqlQuery>
#include <QTest>

namespace {

QStringList column(const QList<QSqlRecord> &rows, const QString &name)
{
    QStringList values;
    for (const QSqlRecord &row : rows)
        values.append(row.value(name).toString());
    return values;
}

} // namespace

class TestPrintControl : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_store = std::make_unique<FixtureStore>();
        platform::setServerClock([] { return QDateTime(QDate(2024, 5, 10), QTime(10, 0)); });
        // The terminal's own day is far away: only the server clock may decide.
        platform::setTerminalClock([] { return QDateTime(QDate(2024, 6, 30), QTime(8, 0)); });
    }
    void cleanup()
    {
        platform::setServerClock({});
        platform::setTerminalClock({});
        m_store.reset();
    }

    void releasedLabels()
    {
        product(1, 10.0, QVariant(), QStringLiteral("UN"));
        product(2, 8.0, 9.5, QStringLiteral("KG"));
        product(3, 5.0, QVariant(), QStringLiteral("UN"), QStringLiteral("2024-05-01"), QStringLiteral("2024-05-31"), 4.0);
        product(4, 7.0, QVariant(), QStringLiteral("UN"));
        entry(2, QStringLiteral("2024-05-10"), 1, QStringLiteral("A"));
        entry(2, QStringLiteral("2024-05-09"), 2, QStringLiteral("A")); // same product, other store: one row
        entry(1, QStringLiteral("2024-05-10"), 1, QStringLiteral("A"));
        entry(3, QStringLiteral("2024-05-10"), 1, QStringLiteral("A"));
        entry(4, QStringLiteral("2024-05-10"), 1, QStringLiteral("F")); // printed already

        const auto all = print_control::releasedLabels(m_store->dm(), product_query::Filter::All);
        QVERIFY(all);
        QCOMPARE(column(*all, QStringLiteral("Codigo")), (QStringList{"1", "2", "3"}));
        QCOMPARE(column(*all, QStringLiteral("Codigo Barras")), (QStringList{"7890000000001", "7890000000002", "7890000000003"}));
        QCOMPARE(column(*all, QStringLiteral("Descricao")), (QStringList{"PRODUTO 1", "PRODUTO 2", "PRODUTO 3"}));
        // The new price when there is one; the unit-price text follows it.
        QCOMPARE(all->at(0).value(QStringLiteral("NovoPco")).toDouble(), 10.0);
        QCOMPARE(all->at(1).value(QStringLiteral("NovoPco")).toDouble(), 9.5);
        QCOMPARE(column(*all, QStringLiteral("PCO")), (QStringList{"", "PRECO KG R$ 9.50", ""}));
        QCOMPARE(column(*all, QStringLiteral("Unidade")), (QStringList{"UN", "KG", "UN"}));
        QCOMPARE(column(*all, QStringLiteral("PROMOCAO")), (QStringList{"NÃO", "NÃO", "SIM"}));

        const auto notInPromotion = print_control::releasedLabels(m_store->dm(), product_query::Filter::NotInPromotion);
        QVERIFY(notInPromotion);
        QCOMPARE(column(*notInPromotion, QStringLiteral("Codigo")), (QStringList{"1", "2"}));
    }

    void markingIsPerProduct()
    {
        product(1, 10.0, QVariant(), QStringLiteral("UN"));
        product(2, 8.0, QVariant(), QStringLiteral("UN"));
        entry(1, QStringLiteral("2024-05-10"), 1, QStringLiteral("A"));
        entry(1, QStringLiteral("2024-05-09 18:00:00"), 2, QStringLiteral("A"));
        entry(2, QStringLiteral("2024-05-10"), 1, QStringLiteral("A"));

        QVERIFY(print_control::markPrinted(m_store->dm(), QStringLiteral("1")));
        QCOMPARE(statuses(), (QStringList{"1 F", "1 F", "2 A"}));
        QVERIFY(print_control::markPrinted(m_store->dm(), QStringLiteral("1")));
        QCOMPARE(statuses(), (QStringList{"1 F", "1 F", "2 A"}));
    }

    void purgeFollowsTheServerClock()
    {
        entry(1, QStringLiteral("2024-05-10"), 1, QStringLiteral("A"));          // today: stays
        entry(2, QStringLiteral("2024-05-09 11:00:00"), 1, QStringLiteral("A")); // 23 hours ago: stays
        entry(3, QStringLiteral("2024-05-09 09:00:00"), 1, QStringLiteral("A")); // 25 hours ago: goes
        entry(4, QStringLiteral("2024-05-09"), 1, QStringLiteral("F"));          // yesterday, printed: goes
        entry(5, QStringLiteral("2024-04-30"), 2, QStringLiteral("A"));          // older: goes

        QVERIFY(print_control::purge(m_store->dm()));
        QCOMPARE(statuses(), (QStringList{"1 A", "2 A"}));
    }

    void failuresReportTheDatabaseText()
    {
        m_store->exec(QStringLiteral("DROP TABLE IMP_CONTROL_GONDOLA"));
        QString error;
        QVERIFY(!print_control::purge(m_store->dm(), &error));
        QVERIFY(error.contains(QStringLiteral("IMP_CONTROL_GONDOLA")));
        QVERIFY(!print_control::markPrinted(m_store->dm(), QStringLiteral("1"), &error));
        QVERIFY(!print_control::releasedLabels(m_store->dm(), product_query::Filter::All, &error));
    }

private:
    void product(int code, double price, const QVariant &newPrice, const QString &unit, const QString &promotionStart = {},
                 const QString &promotionEnd = {}, double promotionPrice = 0)
    {
        m_store->insert(QStringLiteral("PRODUTO"),
                        {{QStringLiteral("COD_PROD"), code},
                         {QStringLiteral("DESCRICAO"), QStringLiteral("PRODUTO %1").arg(code)},
                         {QStringLiteral("CODIGO_BARRAS"), QStringLiteral("789000000000%1").arg(code)},
                         {QStringLiteral("FLG_UNIDADE_VENDA"), unit},
                         {QStringLiteral("VLR_PRECO"), price},
                         {QStringLiteral("VLR_NOVO_PRECO"), newPrice},
                         {QStringLiteral("DATA_PROM_INICIAL"), promotionStart.isEmpty() ? QVariant() : promotionStart},
                         {QStringLiteral("DATA_PROM_FINAL"), promotionEnd.isEmpty() ? QVariant() : promotionEnd},
                         {QStringLiteral("VLR_PRECO_PROMOCAO"), promotionPrice}});
    }

    void entry(int code, const QString &date, int store, const QString &status)
    {
        m_store->insert(QStringLiteral("IMP_CONTROL_GONDOLA"), {{QStringLiteral("COD_PROD"), code},
                                                                {QStringLiteral("DATA"), date},
                                                                {QStringLiteral("COD_LOJA"), store},
                                                                {QStringLiteral("FLG_STATUS"), status}});
    }

    QStringList statuses()
    {
        QSqlQuery query(m_store->dm().database(DbConnection::Server));
        query.exec(QStringLiteral("SELECT COD_PROD, FLG_STATUS FROM IMP_CONTROL_GONDOLA ORDER BY COD_PROD, rowid"));
        QStringList rows;
        while (query.next())
            rows.append(query.value(0).toString() + QLatin1Char(' ') + query.value(1).toString());
        return rows;
    }

    std::unique_ptr<FixtureStore> m_store;
};

QTEST_GUILESS_MAIN(TestPrintControl)
#include "tst_print_control.moc"
