#include "core/ShadowLabel.h"
#include "core/TFrmConsComanda.h"
#include "support/FixtureStore.h"
#include "support/RecordingMessages.h"

#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

class TestOrderTabs : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_store = std::make_unique<FixtureStore>();
        m_messages = std::make_unique<RecordingMessages>();
        addProduct(101, QStringLiteral("CAFE EXPRESSO"), QStringLiteral("UN"));
        addProduct(102, QStringLiteral("PAO DE QUEIJO"), QStringLiteral("UN"));
        addProduct(103, QStringLiteral("QUEIJO MINAS"), QStringLiteral("KG"));
        m_screen = std::make_unique<TFrmConsComanda>(m_store->dm());
        m_screen->show();
    }
    void cleanup()
    {
        m_screen.reset();
        m_messages.reset();
        m_store.reset();
    }

    void openItemsAndTotal()
    {
        addTab(1, 12);
        addItem(1, 101, 2, 10);
        addItem(1, 102, 4, 10); // whole amounts must still give 2,50 a piece
        addItem(1, 103, 0.5, 4.99, QStringLiteral("F"), QVariant(QMetaType(QMetaType::QString)));
        addItem(1, 101, 1, 5, QStringLiteral("F"), QStringLiteral("T")); // cancelled
        addItem(1, 102, 1, 3, QStringLiteral("T"));                      // settled
        addTab(2, 12, QStringLiteral("T"));                              // a settled note of the same tab
        addItem(2, 101, 1, 5);
        addTab(3, 13);
        addItem(3, 101, 1, 5);

        lookUp(QStringLiteral("12"));
        QCOMPARE(gridRows(), (QStringList{QStringLiteral("101|CAFE EXPRESSO|UN|2|5,00|10,00"),
                                          QStringLiteral("102|PAO DE QUEIJO|UN|4|2,50|10,00"),
                                          QStringLiteral("103|QUEIJO MINAS|KG|0,5|9,98|4,99")}));
        QCOMPARE(total(), QStringLiteral("24,99"));
        QCOMPARE(entry()->text(), QString());
        QCOMPARE(m_messages->texts(), QStringList{});
    }

    void anItemWithoutQuantityKeepsTheTabReadable()
    {
        addTab(1, 12);
        addItem(1, 101, 0, 3.5);
        addItem(1, 102, 2, 7);
        lookUp(QStringLiteral("12"));
        QCOMPARE(gridRows(), (QStringList{QStringLiteral("101|CAFE EXPRESSO|UN|0||3,50"),
                                          QStringLiteral("102|PAO DE QUEIJO|UN|2|3,50|7,00")}));
        QCOMPARE(total(), QStringLiteral("10,50"));
        QCOMPARE(m_messages->texts(), QStringList{});
    }

    void aBlockedTabShowsOnlyTheMessage()
    {
        addTab(1, 7);
        addItem(1, 101, 1, 5);
        addTab(2, 12);
        addItem(2, 102, 2, 7);
        m_store->insert(QStringLiteral("CART_BLOQUEIO"), {{QStringLiteral("COD_CARTELA"), QStringLiteral("12")}});
        lookUp(QStringLiteral("7"));
        const QStringList before = gridRows();

        lookUp(QStringLiteral("12"));
        QCOMPARE(m_messages->shown().size(), 1);
        QCOMPARE(m_messages->shown().constFirst().text, QStringLiteral("Comanda Bloqueada!"));
        QCOMPARE(m_messages->shown().constFirst().milliseconds, 2000);
        QCOMPARE(gridRows(), before);
        QCOMPARE(total(), QStringLiteral("5,00"));
        QCOMPARE(entry()->text(), QStringLiteral("12"));
    }

    void tabWithoutOpenItems_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("all items cancelled or settled") << "12";
        QTest::newRow("tab settled") << "13";
        QTest::newRow("unknown tab") << "99";
        QTest::newRow("nothing typed") << "";
    }
    void tabWithoutOpenItems()
    {
        QFETCH(QString, typed);
        addTab(1, 12);
        addItem(1, 101, 1, 5, QStringLiteral("F"), QStringLiteral("T"));
        addItem(1, 102, 1, 3, QStringLiteral("T"));
        addTab(2, 13, QStringLiteral("T"));
        addItem(2, 101, 1, 5);
        addTab(3, 7);
        addItem(3, 103, 1, 20);
        lookUp(QStringLiteral("7"));

        lookUp(typed);
        QCOMPARE(m_messages->shown().size(), 1);
        QCOMPARE(m_messages->shown().constFirst().text, QStringLiteral("Comanda não encontrada..."));
        QCOMPARE(m_messages->shown().constFirst().milliseconds, 2000);
        QCOMPARE(gridRows(), QStringList{});
        QCOMPARE(total(), QString());
        QCOMPARE(entry()->text(), QString());
    }

    void theTimerClearsTheScreen()
    {
        addTab(1, 12);
        addItem(1, 101, 2, 10);
        auto *timer = m_screen->findChild<QTimer *>(QStringLiteral("Timer1"));
        QVERIFY(timer && timer->isActive());
        QCOMPARE(timer->interval(), 10000);
        lookUp(QStringLiteral("12"));
        QTest::keyClicks(entry(), QStringLiteral("3"));
        QCOMPARE(gridRows().size(), 1);

        timer->setInterval(10);
        QTRY_COMPARE(gridRows(), QStringList{});
        QCOMPARE(total(), QString());
        QCOMPARE(entry()->text(), QString());
        QVERIFY(timer->isActive());
        QCOMPARE(m_messages->texts(), QStringList{});
    }

private:
    void addProduct(int code, const QString &description, const QString &unit)
    {
        m_store->insert(QStringLiteral("PRODUTO"), {{QStringLiteral("COD_PROD"), code},
                                                    {QStringLiteral("DESCRICAO"), description},
                                                    {QStringLiteral("FLG_UNIDADE_VENDA"), unit}});
    }
    void addTab(int document, int number, const QString &settled = QStringLiteral("F"))
    {
        m_store->insert(QStringLiteral("CMD_NOTA"), {{QStringLiteral("DOCUMENTO"), document},
                                                     {QStringLiteral("NUM_COMANDA"), number},
                                                     {QStringLiteral("CHK_Baixa"), settled}});
    }
    void addItem(int document, int product, double quantity, double total, const QString &settled = QStringLiteral("F"),
                 const QVariant &cancelled = QStringLiteral("F"))
    {
        m_store->insert(QStringLiteral("CMD_ITEM"), {{QStringLiteral("DOCUMENTO"), document},
                                                     {QStringLiteral("COD_PROD"), product},
                                                     {QStringLiteral("VLR_QTDE"), quantity},
                                                     {QStringLiteral("Vlr_Total"), total},
                                                     {QStringLiteral("CHK_BAIXA"), settled},
                                                     {QStringLiteral("CHK_CANCELADO"), cancelled}});
    }

    QLineEdit *entry() const { return m_screen->findChild<QLineEdit *>(QStringLiteral("EdNumComanda")); }
    QString total() const { return m_screen->findChild<ShadowLabel *>(QStringLiteral("dbTotalNota"))->text(); }

    void lookUp(const QString &typed)
    {
        m_messages->clear();
        entry()->clear();
        QTest::keyClicks(entry(), typed);
        QTest::keyClick(entry(), Qt::Key_Return);
    }

    QStringList gridRows() const
    {
        const auto *grid = m_screen->findChild<QTableWidget *>(QStringLiteral("dbgComandas"));
        QStringList rows;
        for (int row = 0; row < grid->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < grid->columnCount(); ++column)
                cells.append(grid->item(row, column)->text());
            rows.append(cells.join(QLatin1Char('|')));
        }
        return rows;
    }

    std::unique_ptr<FixtureStore> m_store;
    std::unique_ptr<RecordingMessages> m_messages;
    std::unique_ptr<TFrmConsComanda> m_screen;
};

QTEST_MAIN(TestOrderTabs)
#include "tst_ordertabs.moc"
