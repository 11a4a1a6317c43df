#include "core/DescriptionSearch.h"
#include "core/EmbeddedStore.h"
#include "support/FixtureStore.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

#include <map>

using namespace description_search;

namespace {

// Codes in the order a list gives them.
QStringList codesOf(ProductSearch search)
{
    QStringList codes;
    for (const FoundProduct &product : search.next(1000000).value_or(QList<FoundProduct>()))
        codes.append(product.code);
    return codes;
}

// The list as the statement without the index gives it: every row through LIKE.
QStringList scanned(FixtureStore &store, const SqlStatement &statement, const QString &text)
{
    QSqlQuery query = store.dm().prepare(statement);
    query.bindValue(QStringLiteral(":psDesc"), QLatin1Char('%') + text + QLatin1Char('%'));
    if (!query.exec())
        qFatal("%s", qPrintable(query.lastError().text()));
    QStringList codes;
    while (query.next())
        codes.append(query.value(0).toString());
    return codes;
}

const QStringList kDescriptions = {
    QStringLiteral("ARROZ TIO JOÃO 5KG"),
    QStringLiteral("arroz integral camil 1kg"),
    QStringLiteral("FEIJÃO CARIOCA"),
    QStringLiteral("feijão preto"),
    QStringLiteral("AÇÃO ENTRE AMIGOS"),
    QStringLiteral("COCO D'ÁGUA 1L"),
    QStringLiteral("coco d'água 300ml"),
    QStringLiteral("COCO DAGUA"),
    QStringLiteral("DESCONTO 50% SABÃO"),
    QStringLiteral("AGUA 500ML"),
    QStringLiteral("AGUA_TONICA 350ML"),
    QStringLiteral("TV 32\" LED"),
    QStringLiteral("ZORRA ARR ROZ"),          // every trigram of "ARROZ" but "RRO"
    QStringLiteral("SAL \u212AELVIN"),        // Kelvin sign: LIKE takes it for k
    QStringLiteral("MAſSA"),                  // long s: LIKE takes it for s
    QStringLiteral("ǅEMAL ǆEMAL"),            // title-case digraph
    QStringLiteral("ΣΟΥΒΛΑΚΙ ΣΟΥΒΛΑΚΙ"),      // Greek, folded differently by the index
    QStringLiteral("CAFÉ 😀 ESPRESSO"),
    QStringLiteral("LEITE INATIVO"),
};

} // namespace

// On the embedded store the description searches go through a trigram index where it can
// serve the text; the lists must stay exactly those of LIKE over every row.
class TestDescriptionIndex : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_store = std::make_unique<FixtureStore>();
        for (int i = 0; i < kDescriptions.size(); ++i)
            m_store->insert(QStringLiteral("PRODUTO"),
                            {{QStringLiteral("COD_PROD"), i + 1},
                             {QStringLiteral("DESCRICAO"), kDescriptions.at(i)},
                             {QStringLiteral("CHK_ATIVO"), kDescriptions.at(i).contains(QStringLiteral("INATIVO")) ? "F" : "T"}});
    }
    void cleanup() { m_store.reset(); }

    void listsAreThoseOfLike_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("indexed");
        QTest::newRow("common word") << "ARROZ" << true;
        QTest::newRow("small letters") << "arroz" << true;
        QTest::newRow("part of a word") << "rroz" << true;
        QTest::newRow("accented capitals") << "FEIJÃO" << true;
        QTest::newRow("accented small letters find capitals") << "ção" << true;
        QTest::newRow("accents count") << "acao" << true;
        QTest::newRow("apostrophe") << "D'ÁGUA" << true;
        QTest::newRow("apostrophe, small letters") << "d'água" << true;
        QTest::newRow("percent inside") << "COCO%AGUA" << true;
        QTest::newRow("percent at the end") << "50%" << false;
        QTest::newRow("underscore") << "AGUA_TONICA" << true;
        QTest::newRow("underscore for any letter") << "AGU_ 500" << true;
        QTest::newRow("underscore alone") << "_" << false;
        QTest::newRow("percent alone") << "%" << false;
        QTest::newRow("double quote") << "32\" L" << true;
        QTest::newRow("Kelvin sign found by k") << "kel" << true;
        QTest::newRow("long s found by s") << "MASSA" << true;
        QTest::newRow("title-case digraph") << "ǆEM" << true;
        QTest::newRow("Greek breaks the runs") << "σουβλ" << false;
        QTest::newRow("Greek after a served run") << "ΣΟΥ" << false;
        QTest::newRow("character outside the BMP") << "FÉ 😀 ESP" << true;
        QTest::newRow("two letters") << "AR" << false;
        QTest::newRow("one letter") << "ç" << false;
        QTest::newRow("nothing has it") << "XYZ" << true;
        QTest::newRow("inactive product") << "INATIVO" << true;
    }
    void listsAreThoseOfLike()
    {
        QFETCH(QString, text);
        QFETCH(bool, indexed);
        QCOMPARE(!indexPattern(text).isEmpty(), indexed);
        QCOMPARE(codesOf(plainList(m_store->dm(), text)), scanned(*m_store, adProdDesc, text));
        QCOMPARE(codesOf(nextOccurrenceList(m_store->dm(), text)), scanned(*m_store, adBusca, text));
    }

    // For every character the index is asked about, each text that LIKE takes for it is found.
    void indexFoldsAsLikeDoes()
    {
        std::map<char32_t, QList<char32_t>> alike; // by case-folded character
        for (char32_t c = 1; c <= 0x10FFFF; ++c) {
            if (c < 0xD800 || c > 0xDFFF)
                alike[QChar::toCaseFolded(c)].append(c);
        }
        QList<char32_t> asked;
        for (char32_t c = 1; c < 0x10000; ++c) {
            const QString run(3, QChar(c));
            if (!indexPattern(run).isEmpty())
                asked.append(c);
        }
        QVERIFY(asked.size() > 500);
        int code = 1000;
        QSet<char32_t> inserted;
        for (const char32_t c : asked) {
            for (const char32_t twin : alike[QChar::toCaseFolded(c)]) {
                if (inserted.contains(twin))
                    continue;
                inserted.insert(twin);
                const QString text = QString::fromUcs4(&twin, 1).repeated(3);
                m_store->insert(QStringLiteral("PRODUTO"), {{QStringLiteral("COD_PROD"), ++code}, {QStringLiteral("DESCRICAO"), text}});
            }
        }
        QStringList differences;
        for (const char32_t c : asked) {
            const QString text = QString::fromUcs4(&c, 1).repeated(3);
            const QStringList found = codesOf(plainList(m_store->dm(), text));
            if (found != scanned(*m_store, adProdDesc, text))
                differences.append(QStringLiteral("U+%1").arg(quint32(c), 4, 16, QLatin1Char('0')));
        }
        QVERIFY2(differences.isEmpty(), qPrintable(differences.join(QLatin1Char(' '))));
    }

    void indexFollowsEveryChangeOfProducts()
    {
        m_store->exec(QStringLiteral("UPDATE PRODUTO SET DESCRICAO = 'FEIJOADA COMPLETA' WHERE COD_PROD = 3"));
        m_store->exec(QStringLiteral("DELETE FROM PRODUTO WHERE COD_PROD = 1"));
        m_store->exec(QStringLiteral("UPDATE PRODUTO SET COD_PROD = 99 WHERE COD_PROD = 2"));
        m_store->insert(QStringLiteral("PRODUTO"), {{QStringLiteral("COD_PROD"), 50}, {QStringLiteral("DESCRICAO"), QStringLiteral("ARROZ NOVO")}});
        QCOMPARE(codesOf(plainList(m_store->dm(), QStringLiteral("FEIJ"))), (QStringList{"3", "4"}));
        QCOMPARE(codesOf(plainList(m_store->dm(), QStringLiteral("CARIOCA"))), QStringList());
        QCOMPARE(codesOf(plainList(m_store->dm(), QStringLiteral("ARROZ"))), (QStringList{"50", "99"}));
        QSqlQuery check(m_store->dm().database(DbConnection::Server));
        QVERIFY2(check.exec(QStringLiteral("INSERT INTO PRODUTO_DESCRICAO_TRIGRAMA (PRODUTO_DESCRICAO_TRIGRAMA, rank) "
                                           "VALUES ('integrity-check', 1)")),
                 qPrintable(check.lastError().text()));
    }

    // A store made before the index has it built, from its products, when first opened.
    void olderStoreGetsTheIndex()
    {
        m_store->exec(QStringLiteral("DROP TABLE PRODUTO_DESCRICAO_TRIGRAMA"));
        for (const char *trigger : {"INSERT", "DELETE", "UPDATE"})
            m_store->exec(QStringLiteral("DROP TRIGGER PRODUTO_DESCRICAO_TRIGRAMA_%1").arg(QLatin1String(trigger)));
        m_store->dm().close(DbConnection::Server);
        QCOMPARE(codesOf(plainList(m_store->dm(), QStringLiteral("ARROZ"))), (QStringList{"1", "2"}));
        QSqlQuery index(m_store->dm().database(DbConnection::Server));
        QVERIFY(index.exec(QStringLiteral("SELECT count(*) FROM PRODUTO_DESCRICAO_TRIGRAMA WHERE DESCRICAO LIKE '%ARROZ%'")));
        QVERIFY(index.next());
        QCOMPARE(index.value(0).toInt(), 2);
        index.finish();
        m_store->insert(QStringLiteral("PRODUTO"), {{QStringLiteral("COD_PROD"), 60}, {QStringLiteral("DESCRICAO"), QStringLiteral("ARROZ PARBOILIZADO")}});
        QCOMPARE(codesOf(plainList(m_store->dm(), QStringLiteral("ARROZ"))), (QStringList{"1", "2", "60"}));
    }

    // Each batch runs the statement again past the rows already read: the batches make up
    // the whole list, in order, with nothing read twice.
    void listIsReadInBatches()
    {
        for (int code = 100; code < 350; ++code)
            m_store->insert(QStringLiteral("PRODUTO"), {{QStringLiteral("COD_PROD"), code}, {QStringLiteral("DESCRICAO"), QStringLiteral("BISCOITO %1").arg(code)}});
        for (const QString &text : {QStringLiteral("BISCOITO"), QStringLiteral("BI")}) {
            ProductSearch search = plainList(m_store->dm(), text);
            QStringList codes;
            int batches = 0;
            while (!search.atEnd()) {
                const auto batch = search.next(100);
                QVERIFY(batch);
                for (const FoundProduct &product : *batch)
                    codes.append(product.code);
                ++batches;
            }
            QCOMPARE(batches, 3);
            QCOMPARE(codes, scanned(*m_store, adProdDesc, text));
        }
    }

private:
    std::unique_ptr<FixtureStore> m_store;
};

QTEST_MAIN(TestDescriptionIndex)
#include "tst_description_index.moc"
