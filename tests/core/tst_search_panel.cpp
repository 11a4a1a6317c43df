#include "core/DescriptionSearchPanel.h"
#include "core/ShadowLabel.h"
#include "core/TfmConsProd.h"
#include "platform/Clock.h"
#include "support/FixtureStore.h"
#include "support/RecordingMessages.h"
#include "support/TypeText.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

namespace {

const QDateTime kNow(QDate(2026, 3, 10), QTime(10, 0));

struct Product {
    int code;
    QString description;
    QVariant barcode;
    double price;
    QString active = QStringLiteral("T");
};

// Codes (the embedded store's own order) differ from the order of the descriptions.
const QList<Product> kProducts = {
    {1, QStringLiteral("LEITE INTEGRAL 1L"), QStringLiteral("7890000000011"), 5.49},
    {2, QStringLiteral("LIMAO TAHITI"), QStringLiteral("7890000000028"), 3.00},
    {3, QStringLiteral("LEVEDURA 10G"), QStringLiteral("7890000000035"), 2.10},
    {4, QStringLiteral("LEITOSO CREME"), QStringLiteral("7890000000042"), 7.80},
    {5, QStringLiteral("SALEIRO PLASTICO"), QStringLiteral("7890000000059"), 9.90},
    {6, QStringLiteral("COCO D'ÁGUA 1L"), QStringLiteral("7890000000066"), 8.00},
    {7, QStringLiteral("coco d'água 300ml"), QStringLiteral("7890000000073"), 3.50},
    {8, QStringLiteral("COCO DAGUA"), QStringLiteral("7890000000080"), 4.00},
    {9, QStringLiteral("DESCONTO 50% SABAO"), QStringLiteral("7890000000097"), 1.99},
    {10, QStringLiteral("AGUA 500ML"), QStringLiteral("7890000000103"), 1.50},
    {11, QStringLiteral("AGUA 1L"), QStringLiteral("7890000000110"), 2.50},
    {12, QStringLiteral("LEITE SEM CODIGO"), QVariant(), 4.00},
    {13, QStringLiteral("LEITE INATIVO"), QStringLiteral("7890000000134"), 4.00, QStringLiteral("F")},
    {14, QStringLiteral("LEITE DESNATADO"), QStringLiteral("7890000000141"), 6.00},
    {15, QStringLiteral("TV 32\" LED"), QStringLiteral("7890000000158"), 999.00},
};

} // namespace

class TestSearchPanel : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        platform::setServerClock([] { return kNow; });
        platform::setTerminalClock([] { return kNow; });
        m_store = std::make_unique<FixtureStore>();
        m_store->insert(QStringLiteral("loja"), {{QStringLiteral("cod_loja"), 1}, {QStringLiteral("NOME_REDUZIDO"), QStringLiteral("BOM PREÇO")}});
        for (const Product &p : kProducts)
            m_store->insert(QStringLiteral("PRODUTO"), {{QStringLiteral("COD_PROD"), p.code}, {QStringLiteral("DESCRICAO"), p.description},
                                                        {QStringLiteral("CODIGO_BARRAS"), p.barcode}, {QStringLiteral("VLR_PRECO"), p.price},
                                                        {QStringLiteral("CHK_ATIVO"), p.active}});
        // In promotion on the terminal's day.
        m_store->exec(QStringLiteral("UPDATE PRODUTO SET VLR_PRECO_PROMOCAO = 5.25, DATA_PROM_INICIAL = '2026-03-01', "
                                     "DATA_PROM_FINAL = '2026-03-10' WHERE COD_PROD = 14"));
        m_store->writeIni(QStringLiteral("[CONSULTA]\nLojas=1\n"));
        m_screen = std::make_unique<TfmConsProd>(m_store->dm(), m_store->folder());
        m_screen->show();
        QVERIFY(QTest::qWaitForWindowActive(m_screen.get()));
        QVERIFY(codeField()->hasFocus());
    }
    void cleanup()
    {
        m_screen.reset();
        m_store.reset();
        platform::setServerClock({});
        platform::setTerminalClock({});
    }

    void starOpensThePanel()
    {
        QVERIFY(panel()->isHidden());
        type(QStringLiteral("*"));
        QVERIFY(panel()->isVisible());
        QVERIFY(searchField()->hasFocus());
        QCOMPARE(codeField()->text(), QString());
    }

    void eachKeystrokeSearchesTheTextSoFar()
    {
        type(QStringLiteral("*"));
        const QList<QStringList> expected = {
            {"1", "2", "3", "4", "5", "6", "7", "10", "11", "12", "14", "15"}, // L
            {"1", "3", "4", "5", "12", "14", "15"},                            // LE
            {"1", "4", "5", "12", "14"},                                 // LEI
            {"1", "4", "12", "14"},                                      // LEIT
            {"1", "12", "14"},                                           // LEITE
        };
        const QString word = QStringLiteral("LEITE");
        for (int i = 0; i < word.size(); ++i) {
            type(word.at(i));
            QCOMPARE(listName(), QStringLiteral("adProdDesc"));
            QCOMPARE(gridColumn(0), expected.at(i));
        }
    }

    void plusShowsTheOrderedNextOccurrenceList()
    {
        type(QStringLiteral("*LEI+"));
        QCOMPARE(searchField()->text(), QStringLiteral("LEI"));
        QCOMPARE(listName(), QStringLiteral("adBusca"));
        QVERIFY(grid()->hasFocus());
        QCOMPARE(gridColumn(1), (QStringList{"LEITE DESNATADO", "LEITE INTEGRAL 1L", "LEITE SEM CODIGO", "LEITOSO CREME",
                                             "SALEIRO PLASTICO"}));
        // Every column has its value, the price in force included.
        QCOMPARE(gridRow(0), (QStringList{"14", "LEITE DESNATADO", "UN", "5,25", "7890000000141"}));

        // Typing again refreshes only the plain list; Esc in the grid shows it.
        searchField()->setFocus();
        type(QStringLiteral("T"));
        QCOMPARE(listName(), QStringLiteral("adBusca"));
        QCOMPARE(gridColumn(0), (QStringList{"14", "1", "12", "4", "5"}));
        grid()->setFocus();
        type(Qt::Key_Escape);
        QVERIFY(searchField()->hasFocus());
        QCOMPARE(listName(), QStringLiteral("adProdDesc"));
        QCOMPARE(gridColumn(0), (QStringList{"1", "4", "12", "14"}));
        QCOMPARE(gridRow(3), (QStringList{"14", "LEITE DESNATADO", "UN", "5,25", "7890000000141"}));
    }

    void plusAloneEmptiesTheField()
    {
        type(QStringLiteral("*LEI"));
        for (int i = 0; i < 3; ++i)
            type(Qt::Key_Backspace);
        // The last search was for "L"; emptying the field searches nothing.
        const QStringList before = gridColumn(0);
        QCOMPARE(before.size(), 12);
        RecordingMessages messages;
        type(QStringLiteral("+"));
        QCOMPARE(searchField()->text(), QString());
        QVERIFY(searchField()->hasFocus());
        QCOMPARE(listName(), QStringLiteral("adProdDesc"));
        QCOMPARE(gridColumn(0), before);
        QVERIFY(messages.shown().isEmpty());
    }

    void enterOnARowLooksTheProductUp_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("plain list") << "LEITE INTEGRAL" << "1" << "5,49" << QStringList();
        QTest::newRow("next-occurrence list") << "LEITE D+" << "14" << "5,25" << QStringList();
        QTest::newRow("no barcode: an empty code") << "LEITE SEM" << "" << ""
                                                   << QStringList{QStringLiteral("Registro não encontrado !")};
    }
    void enterOnARowLooksTheProductUp()
    {
        QFETCH(QString, typed);
        QFETCH(QString, code);
        QFETCH(QString, price);
        QFETCH(QStringList, messages);
        RecordingMessages recorded;
        type(QStringLiteral("*") + typed);
        if (!grid()->hasFocus())
            type(Qt::Key_Return);
        QVERIFY(grid()->hasFocus());
        type(Qt::Key_Return);
        QVERIFY(panel()->isHidden());
        QCOMPARE(recorded.texts(), messages);
        QCOMPARE(label("dbCodigo"), code);
        QCOMPARE(label("dbPreco"), price);
        QVERIFY(codeField()->hasFocus());
    }

    void reopeningShowsThePreviousSearch()
    {
        type(QStringLiteral("*LEIT"));
        type(Qt::Key_Escape);
        QVERIFY(panel()->isHidden());
        QVERIFY(codeField()->hasFocus());
        type(QStringLiteral("*"));
        QVERIFY(panel()->isVisible());
        QCOMPARE(searchField()->text(), QStringLiteral("LEIT"));
        QCOMPARE(gridColumn(0), (QStringList{"1", "4", "12", "14"}));
        QCOMPARE(codeField()->text(), QString());
    }

    void focusLeavingThePanelClosesIt()
    {
        type(QStringLiteral("*LEI+"));
        QTest::mouseClick(codeField(), Qt::LeftButton);
        QVERIFY(panel()->isHidden());
        QVERIFY(codeField()->hasFocus());
    }

    void patternCharactersAndQuotes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("plain");
        QTest::addColumn<QStringList>("ordered");
        QTest::newRow("apostrophe and accented capitals") << "D'ÁGUA" << QStringList{"6", "7"} << QStringList{"6", "7"};
        QTest::newRow("accented small letters") << "d'água" << QStringList{"6", "7"} << QStringList{"6", "7"};
        QTest::newRow("percent is a pattern") << "50%" << QStringList{"9", "10"} << QStringList{"10", "9"};
        QTest::newRow("underscore is one character") << "AGUA _L" << QStringList{"11"} << QStringList{"11"};
        QTest::newRow("double quote") << "2\" L" << QStringList{"15"} << QStringList{"15"};
    }
    void patternCharactersAndQuotes()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, plain);
        QFETCH(QStringList, ordered);
        RecordingMessages messages;
        type(QStringLiteral("*") + typed);
        QCOMPARE(gridColumn(0), plain);
        type(QStringLiteral("+"));
        QCOMPARE(listName(), QStringLiteral("adBusca"));
        QCOMPARE(gridColumn(0), ordered);
        QVERIFY(messages.shown().isEmpty());
    }

    // A long list shows its first rows at once and the rest as the grid scrolls to them.
    void longListGrowsAsTheGridScrolls()
    {
        for (int code = 100; code < 350; ++code)
            m_store->insert(QStringLiteral("PRODUTO"), {{QStringLiteral("COD_PROD"), code},
                                                        {QStringLiteral("DESCRICAO"), QStringLiteral("BISCOITO %1").arg(code)}});
        type(QStringLiteral("*BISCOITO"));
        QCOMPARE(grid()->model()->rowCount(), 100);
        for (int expected : {200, 250, 250}) {
            grid()->scrollToBottom();
            QCoreApplication::processEvents();
            QCOMPARE(grid()->model()->rowCount(), expected);
        }
        const QStringList codes = gridColumn(0);
        QCOMPARE(codes.first(), QStringLiteral("100"));
        QCOMPARE(codes.last(), QStringLiteral("349"));
        QCOMPARE(QSet<QString>(codes.begin(), codes.end()).size(), 250);
    }

    void failuresAreIgnoredSilently()
    {
        RecordingMessages messages;
        type(QStringLiteral("*LEI"));
        m_store->exec(QStringLiteral("ALTER TABLE PRODUTO RENAME TO PRODUTO_FORA"));
        type(QStringLiteral("T"));
        QCOMPARE(gridColumn(0), (QStringList{"1", "4", "5", "12", "14"}));
        type(QStringLiteral("+"));
        QCOMPARE(listName(), QStringLiteral("adBusca"));
        QCOMPARE(gridColumn(0), QStringList());
        QVERIFY(messages.shown().isEmpty());
    }

private:
    QLineEdit *codeField() const { return m_screen->codeField(); }
    DescriptionSearchPanel *panel() const { return m_screen->searchPanel(); }
    QLineEdit *searchField() const { return panel()->findChild<QLineEdit *>(QStringLiteral("edDesc")); }
    QTableView *grid() const { return panel()->findChild<QTableView *>(QStringLiteral("grProd")); }
    QString listName() const { return grid()->model()->objectName(); }
    QString label(const char *name) const { return m_screen->findChild<ShadowLabel *>(QLatin1String(name))->text(); }

    QStringList gridColumn(int column) const
    {
        QStringList values;
        for (int row = 0; row < grid()->model()->rowCount(); ++row)
            values.append(grid()->model()->index(row, column).data().toString());
        return values;
    }
    QStringList gridRow(int row) const
    {
        QStringList values;
        for (int column = 0; column < grid()->model()->columnCount(); ++column)
            values.append(grid()->model()->index(row, column).data().toString());
        return values;
    }

    // Keys go where the focus is, as the shopper's would.
    static void type(const QString &text)
    {
        for (const QChar c : text)
            typeText(QApplication::focusWidget(), QString(c));
    }
    static void type(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

    std::unique_ptr<FixtureStore> m_store;
    std::unique_ptr<TfmConsProd> m_screen;
};

QTEST_MAIN(TestSearchPanel)
#include "tst_search_panel.moc"
