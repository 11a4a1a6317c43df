#include "core/MyRound.h"
#include "core/ProductQuery.h"
#include "platform/Clock.h"
#include "support/FixtureStore.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

using product_query::findProducts;

namespace {
const QDateTime kServerNow(QDate(2026, 3, 10), QTime(10, 0));
}

class TestProductQuery : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_store = std::make_unique<FixtureStore>();
        platform::setServerClock([] { return kServerNow; });
        platform::setTerminalClock([] { return kServerNow; });
    }
    void cleanup()
    {
        m_store.reset();
        platform::setServerClock({});
        platform::setTerminalClock({});
    }

    void unitPriceText_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<double>("content");
        QTest::addColumn<QString>("saleUnit");
        QTest::addColumn<double>("price");
        QTest::addColumn<QString>("expected");
        QTest::newRow("grams") << "G" << 500.0 << "UN" << 10.0 << "PRECO KG  R$ 20.00";
        QTest::newRow("millilitres") << "ML" << 350.0 << "UN" << 3.5 << "PRECO L  R$ 10.00";
        QTest::newRow("kilograms") << "KG" << 5.0 << "UN" << 24.9 << "PRECO KG  R$ 4.98";
        QTest::newRow("litres") << "L" << 2.0 << "UN" << 9.99 << "PRECO L  R$ 5.00";
        QTest::newRow("centimetres") << "CM" << 50.0 << "UN" << 4.0 << "PRECO M  R$ 8.00";
        QTest::newRow("metres") << "M" << 4.0 << "UN" << 10.0 << "PRECO M  R$ 2.50";
        QTest::newRow("metres MT") << "MT" << 30.0 << "UN" << 15.0 << "PRECO M  R$ 0.50";
        QTest::newRow("other unit") << "UN" << 12.0 << "UN" << 5.0 << "";
        QTest::newRow("sold by kg") << "" << 0.0 << "KG" << 39.9 << "PRECO KG R$ 39.90";
        QTest::newRow("no rule") << "" << 0.0 << "UN" << 3.0 << "";
        QTest::newRow("half cent rounds away") << "G" << 1000.0 << "UN" << 0.125 << "PRECO KG  R$ 0.13";
    }
    void unitPriceText()
    {
        QFETCH(QString, unit);
        QFETCH(double, content);
        QFETCH(QString, saleUnit);
        QFETCH(double, price);
        QFETCH(QString, expected);
        m_store->insert(QStringLiteral("PRODUTO"), {{QStringLiteral("COD_PROD"), 1},
                                                    {QStringLiteral("CONTEUDO"), content},
                                                    {QStringLiteral("CONTEUDO_UN"), unit},
                                                    {QStringLiteral("FLG_UNIDADE_VENDA"), saleUnit},
                                                    {QStringLiteral("VLR_PRECO"), price}});
        const auto rows = findProducts(m_store->dm(), QStringLiteral("1"));
        QVERIFY(rows && rows->size() == 1);
        QCOMPARE(rows->first().value(QStringLiteral("PCO")).toString(), expected);
    }

    void unitPriceUsesPromotionPriceWithinDates()
    {
        m_store->insert(QStringLiteral("PRODUTO"), {{QStringLiteral("COD_PROD"), 1},
                                                    {QStringLiteral("CONTEUDO"), 500},
                                                    {QStringLiteral("CONTEUDO_UN"), QStringLiteral("G")},
                                                    {QStringLiteral("VLR_PRECO"), 10.0},
                                                    {QStringLiteral("VLR_PRECO_PROMOCAO"), 8.0},
                                                    {QStringLiteral("DATA_PROM_INICIAL"), QStringLiteral("2026-03-01")},
                                                    {QStringLiteral("DATA_PROM_FINAL"), QStringLiteral("2026-03-10")}});
        const auto rows = findProducts(m_store->dm(), QStringLiteral("1"));
        QCOMPARE(rows->first().value(QStringLiteral("PCO")).toString(), QStringLiteral("PRECO KG  R$ 16.00"));
    }

    // Server moment against terminal day: the three differences that show on screen.
    void promotionOnServerAndTerminal_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<double>("promotionPrice");
        QTest::addColumn<QString>("promocao");
        QTest::addColumn<double>("precoReal");
        QTest::newRow("running") << "2026-03-01" << "2026-03-20" << 7.5 << "SIM" << 7.5;
        QTest::newRow("ends today") << "2026-03-01" << "2026-03-10" << 7.5 << "SIM" << 7.5;
        QTest::newRow("ended yesterday") << "2026-03-01" << "2026-03-09" << 7.5 << "NÃO" << 9.9;
        QTest::newRow("starts tomorrow") << "2026-03-11" << "2026-03-20" << 7.5 << "NÃO" << 9.9;
        QTest::newRow("started earlier today") << "2026-03-10 08:00:00" << "2026-03-20" << 7.5 << "SIM" << 9.9;
        QTest::newRow("starts later today") << "2026-03-10 15:00:00" << "2026-03-20" << 7.5 << "NÃO" << 9.9;
        QTest::newRow("price 0.01") << "2026-03-01" << "2026-03-20" << 0.01 << "NÃO" << 0.01;
        QTest::newRow("price 0") << "2026-03-01" << "2026-03-20" << 0.0 << "NÃO" << 0.0;
        QTest::newRow("no dates") << "" << "" << 7.5 << "NÃO" << 9.9;
        QTest::newRow("no start, end ahead") << "" << "2026-03-20" << 7.5 << "NÃO" << 7.5;
    }
    void promotionOnServerAndTerminal()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(double, promotionPrice);
        QFETCH(QString, promocao);
        QFETCH(double, precoReal);
        m_store->insert(QStringLiteral("PRODUTO"),
                        {{QStringLiteral("COD_PROD"), 1},
                         {QStringLiteral("VLR_PRECO"), 9.9},
                         {QStringLiteral("VLR_PRECO_PROMOCAO"), promotionPrice},
                         {QStringLiteral("DATA_PROM_INICIAL"), start.isEmpty() ? QVariant() : QVariant(start)},
                         {QStringLiteral("DATA_PROM_FINAL"), end.isEmpty() ? QVariant() : QVariant(end)}});
        const auto rows = findProducts(m_store->dm(), QStringLiteral("1"));
        QVERIFY(rows && rows->size() == 1);
        QCOMPARE(rows->first().value(QStringLiteral("PROMOCAO")).toString(), promocao);
        QCOMPARE(rows->first().value(QStringLiteral("PrecoReal")).toDouble(), precoReal);
    }

    void terminalDayMovesThePriceNotTheServerFlag()
    {
        m_store->insert(QStringLiteral("PRODUTO"), {{QStringLiteral("COD_PROD"), 1},
                                                    {QStringLiteral("VLR_PRECO"), 9.9},
                                                    {QStringLiteral("VLR_PRECO_PROMOCAO"), 7.5},
                                                    {QStringLiteral("DATA_PROM_INICIAL"), QStringLiteral("2026-03-01")},
                                                    {QStringLiteral("DATA_PROM_FINAL"), QStringLiteral("2026-03-10")}});
        platform::setTerminalClock([] { return kServerNow.addDays(1); });
        const auto rows = findProducts(m_store->dm(), QStringLiteral("1"));
        QCOMPARE(rows->first().value(QStringLiteral("PROMOCAO")).toString(), QStringLiteral("SIM"));
        QCOMPARE(rows->first().value(QStringLiteral("PrecoReal")).toDouble(), 9.9);
    }

    void codeAndBarcodeMatching()
    {
        m_store->insert(QStringLiteral("PRODUTO"), {{QStringLiteral("COD_PROD"), 12}, {QStringLiteral("CODIGO_BARRAS"), QStringLiteral("7891000315507")}});
        m_store->insert(QStringLiteral("PRODUTO"), {{QStringLiteral("COD_PROD"), 30}, {QStringLiteral("CODIGO_BARRAS"), QStringLiteral("12")}});
        m_store->insert(QStringLiteral("PRODUTO"), {{QStringLiteral("COD_PROD"), 789100}, {QStringLiteral("CODIGO_BARRAS"), QStringLiteral("1")}});
        m_store->insert(QStringLiteral("BARRAS_VINCULADA"), {{QStringLiteral("COD_PROD"), 12}, {QStringLiteral("CODIGO_BARRAS"), QStringLiteral("17891000315504")}});
        m_store->insert(QStringLiteral("BARRAS_VINCULADA"), {{QStringLiteral("COD_PROD"), 12}, {QStringLiteral("CODIGO_BARRAS"), QStringLiteral("27891000315501")}});

        const auto codes = [&](const QString &p1) {
            QList<int> found;
            const auto rows = findProducts(m_store->dm(), p1);
            for (const QSqlRecord &r : *rows)
                found.append(r.value(QStringLiteral("COD_PROD")).toInt());
            return found;
        };
        // Product 12, and product 30 whose barcode is the text 12; one row per linked barcode.
        QCOMPARE(codes(QStringLiteral("12")), (QList<int>{12, 12, 30}));
        QCOMPARE(codes(QStringLiteral("0012")), (QList<int>{12, 12}));
        QCOMPARE(codes(QStringLiteral("7891000315507")), (QList<int>{12, 12}));
        // A longer code is compared with the barcode only.
        QCOMPARE(codes(QStringLiteral("000000000012")), QList<int>{});
        QCOMPARE(codes(QStringLiteral("")), QList<int>{});
        QVERIFY(!findProducts(m_store->dm(), QStringLiteral("ABC")));

        QCOMPARE(product_query::linkedProduct(m_store->dm(), QStringLiteral("27891000315501")), std::optional<int>(12));
        QCOMPARE(product_query::linkedProduct(m_store->dm(), QStringLiteral("2789100031550%")), std::optional<int>(0));
    }

    void notInPromotionFilterLeavesOthersAlone()
    {
        m_store->insert(QStringLiteral("PRODUTO"), {{QStringLiteral("COD_PROD"), 1},
                                                    {QStringLiteral("VLR_PRECO"), 9.9},
                                                    {QStringLiteral("VLR_PRECO_PROMOCAO"), 7.5},
                                                    {QStringLiteral("DATA_PROM_INICIAL"), QStringLiteral("2026-03-01")},
                                                    {QStringLiteral("DATA_PROM_FINAL"), QStringLiteral("2026-03-10")}});
        QCOMPARE(findProducts(m_store->dm(), QStringLiteral("1"), product_query::Filter::NotInPromotion)->size(), 0);
        QCOMPARE(findProducts(m_store->dm(), QStringLiteral("1"))->size(), 1);
    }

    void precoRealReadsBadValuesAsZero()
    {
        const QDate today(2026, 3, 10);
        QCOMPARE(PrecoReal(QStringLiteral("não é data"), QVariant(), 1.0, 2.0, today), 0.0);
        QCOMPARE(PrecoReal(QVariant(), QVariant(), 1.0, QStringLiteral("x"), today), 0.0);
        QCOMPARE(PrecoReal(QDateTime(QDate(2026, 3, 1), QTime()), QDateTime(QDate(2026, 3, 10), QTime(23, 0)), 1.0, 2.0, today), 1.0);
    }

    void myRound_data()
    {
        QTest::addColumn<int>("decimals");
        QTest::addColumn<bool>("truncate");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expected");
        QTest::newRow("half up on the decimal value") << 3 << false << 1.2345 << 1.235;
        QTest::newRow("truncate negative towards zero") << 2 << true << -1.239 << -1.23;
        QTest::newRow("half away from zero, negative") << 2 << false << -2.345 << -2.35;
        QTest::newRow("below half") << 2 << false << 2.3449 << 2.34;
        QTest::newRow("whole") << 0 << false << 2.5 << 3.0;
        QTest::newRow("truncate whole") << 0 << true << 2.9999 << 2.0;
        QTest::newRow("more decimals than currency") << 6 << false << 1.23456 << 1.2346;
    }
    void myRound()
    {
        QFETCH(int, decimals);
        QFETCH(bool, truncate);
        QFETCH(double, value);
        QFETCH(double, expected);
        QCOMPARE(MyRound(static_cast<std::uint8_t>(decimals), truncate, value), expected);
    }

private:
    std::unique_ptr<FixtureStore> m_store;
};

QTEST_MAIN(TestProductQuery)
#include "tst_product_query.moc"
