#include "support/FixtureStore.h"

#include <QSqlQuery>
#include <QTest>

// LIKE on the embedded store compares as the store's server does: without case for every
// letter, accents kept, "%" and "_" as patterns, ESCAPE honoured.
class TestUnicodeLike : public QObject {
    Q_OBJECT

private slots:
    void init() { m_store = std::make_unique<FixtureStore>(); }
    void cleanup() { m_store.reset(); }

    void matches_data()
    {
        QTest::addColumn<QVariant>("text");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("escape");
        QTest::addColumn<QVariant>("expected");

        QTest::newRow("accented capitals") << QVariant("SABÃO EM PÓ AÇÃO") << "%ção%" << "" << QVariant(1);
        QTest::newRow("accented small letters") << QVariant("coco d'água") << "%D'ÁGUA%" << "" << QVariant(1);
        QTest::newRow("accents are not ignored") << QVariant("COCO DAGUA") << "%D'ÁGUA%" << "" << QVariant(0);
        QTest::newRow("plain letter is not its accented one") << QVariant("AÇÃO") << "%acao%" << "" << QVariant(0);
        QTest::newRow("percent keeps its meaning") << QVariant("AGUA 500ML") << "%50%%" << "" << QVariant(1);
        QTest::newRow("underscore is one character") << QVariant("ABC") << "a_c" << "" << QVariant(1);
        QTest::newRow("underscore needs a character") << QVariant("AC") << "a_c" << "" << QVariant(0);
        QTest::newRow("underscore over a character outside the BMP") << QVariant("x😀y") << "x_y" << "" << QVariant(1);
        QTest::newRow("backtracking") << QVariant("mississippi") << "%iss%ipp%" << "" << QVariant(1);
        QTest::newRow("anchored end") << QVariant("abcbc") << "%bc" << "" << QVariant(1);
        QTest::newRow("anchored start") << QVariant("xabc") << "abc%" << "" << QVariant(0);
        QTest::newRow("empty text, empty run") << QVariant("") << "%" << "" << QVariant(1);
        QTest::newRow("numbers compare as text") << QVariant(1250) << "%25%" << "" << QVariant(1);
        QTest::newRow("escaped percent") << QVariant("DESCONTO 50% OFF") << "%50!%%" << "!" << QVariant(1);
        QTest::newRow("escaped percent is literal") << QVariant("AGUA 500ML") << "%50!%%" << "!" << QVariant(0);
        QTest::newRow("null text") << QVariant(QMetaType(QMetaType::QString)) << "%" << "" << QVariant();
    }
    void matches()
    {
        QFETCH(QVariant, text);
        QFETCH(QString, pattern);
        QFETCH(QString, escape);
        QFETCH(QVariant, expected);
        QSqlQuery query(m_store->dm().database(DbConnection::Server));
        QVERIFY(query.prepare(escape.isEmpty() ? QStringLiteral("SELECT :t LIKE :p")
                                               : QStringLiteral("SELECT :t LIKE :p ESCAPE :e")));
        query.bindValue(QStringLiteral(":t"), text);
        query.bindValue(QStringLiteral(":p"), pattern);
        if (!escape.isEmpty())
            query.bindValue(QStringLiteral(":e"), escape);
        QVERIFY(query.exec());
        QVERIFY(query.next());
        QCOMPARE(query.value(0).isNull(), expected.isNull());
        if (!expected.isNull())
            QCOMPARE(query.value(0).toInt(), expected.toInt());
    }

    void patternThatChangesFromRowToRow()
    {
        QSqlQuery query(m_store->dm().database(DbConnection::Server));
        QVERIFY(query.exec(QStringLiteral("SELECT t LIKE p FROM (SELECT 'AÇÃO' AS t, '%ção' AS p UNION ALL "
                                          "SELECT 'AÇÃO', 'x%' UNION ALL SELECT 'xyz', 'X%')")));
        QList<int> results;
        while (query.next())
            results.append(query.value(0).toInt());
        QCOMPARE(results, (QList<int>{1, 0, 1}));
    }

    void escapeOfMoreThanOneCharacterFails()
    {
        QSqlQuery query(m_store->dm().database(DbConnection::Server));
        QVERIFY(!query.exec(QStringLiteral("SELECT 'a' LIKE 'a' ESCAPE '!!'")));
    }

private:
    std::unique_ptr<FixtureStore> m_store;
};

QTEST_MAIN(TestUnicodeLike)
#include "tst_unicode_like.moc"
