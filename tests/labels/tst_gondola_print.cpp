#include "LabelFixture.h"
#include "labels/LabelListGrid.h"
#include "labels/TfmGondolaAlegro.h"
#include "platform/Windows1252.h"
#include "support/PtyPair.h"
#include "support/RecordingMessages.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// Gondola labels printed from the real screen to a DPL printer standing on a pty.
class TestGondolaPrint : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture = std::make_unique<LabelFixture>();
        m_messages = std::make_unique<RecordingMessages>();
        m_fixture->store.writeIni(QStringLiteral(
            "[CONSULTA]\nModelo=ALLEGRO\n[ALLEGRO GONDOLA]\nPorta=COM1\n"
            "FonteDes=9\nLinhaDes=35\nColunaDes=15\nFontePre=4\nLinhaPre=60\nColunaPre=200\n"
            "FonteUnidade=3\nLinhaUnidade=40\nColunaUnidade=300\nFonteBar=50\nLinhaBar=100\nColunaBar=30\n"
            "FonteEmp=1\nLinhaEmp=5\nColunaEmp=250\n"));
        m_fixture->product(1234, QStringLiteral("7891234567895"), QStringLiteral("PÃO DE FORMA"), 7.9);
        m_fixture->product(77, QStringLiteral("78912346"), QStringLiteral("QUEIJO PRATO"), 45.9, QStringLiteral("KG"));
        m_fixture->product(88, QStringLiteral("7890000000888"), QStringLiteral("OUTRO"), 1.0);
        m_fixture->released(1234);
        m_fixture->released(77);
        m_fixture->released(88);
    }

    void cleanup()
    {
        m_messages.reset();
        m_fixture.reset();
        qunsetenv("CONSULTA_PORTA_COM1");
    }

    void twoLabelsReachThePrinter()
    {
        PtyPair printer;
        QVERIFY(printer.isReady());
        qputenv("CONSULTA_PORTA_COM1", printer.writeEnd().toLocal8Bit());
        TfmGondolaAlegro screen(m_fixture->context);
        open(screen);
        scan(screen, QStringLiteral("7891234567895"));
        QTRY_COMPARE(screen.labelList()->labelCount(), 1);
        scan(screen, QStringLiteral("77"));
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("edQtd"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(screen.labelList()->labelCount(), 2);
        printer.readAll(100); // the port tried on opening sends nothing

        screen.findChild<QPushButton *>(QStringLiteral("btImp"))->click();
        const QByteArray expected = platform::toWindows1252(QStringLiteral(
            "\x02" "f340\r"
            "\x02L\r" "D11\r"
            "191100800350015PÃO DE FORMA\r" "131100800400300UN\r" "141100800600200 R$ 7,90\r"
            "1F6205001000030" "7891234567895\r" "111100000050250LOJA CENTRO\r" "E"
            "\x02L\r" "D11\r"
            "191100800350015QUEIJO PRATO\r" "131100800400300KG\r" "141100800600200R$ 45,90\r"
            "1G6205001000030" "78912346\r" "111100000050250LOJA CENTRO\r" "E"));
        QCOMPARE(printer.readAll(), expected);
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("Impressão Concluida !")});
        QCOMPARE(m_fixture->printControl(), (QStringList{"77 F", "88 A", "1234 F"}));
        QCOMPARE(screen.labelList()->labelCount(), 0);
        QCOMPARE(screen.findChild<QLabel *>(QStringLiteral("lbQtd"))->text(), QStringLiteral("0"));
        QVERIFY(screen.isVisible());
    }

    void f3PricesKilogramsPer100Grams()
    {
        PtyPair printer;
        QVERIFY(printer.isReady());
        qputenv("CONSULTA_PORTA_COM1", printer.writeEnd().toLocal8Bit());
        TfmGondolaAlegro screen(m_fixture->context);
        open(screen);
        screen.findChild<QPushButton *>(QStringLiteral("btPrdEnt"))->click();
        QCOMPARE(screen.labelList()->labelCount(), 3);
        printer.readAll(100);

        QTest::keyClick(screen.findChild<QLineEdit *>(QStringLiteral("edIni")), Qt::Key_F3);
        const QByteArray bytes = printer.readAll();
        QVERIFY2(bytes.contains("131100800400300 100g \r141100800600200 R$ 4,59\r"), bytes.constData());
        QVERIFY2(bytes.contains("131100800400300UN\r141100800600200 R$ 7,90\r"), bytes.constData());
        QCOMPARE(m_fixture->printControl(), (QStringList{"77 F", "88 F", "1234 F"}));

        // Per 100 g only while F3 runs.
        m_fixture->released(77);
        screen.findChild<QPushButton *>(QStringLiteral("btPrdEnt"))->click();
        QCOMPARE(screen.labelList()->labelCount(), 1);
        screen.findChild<QPushButton *>(QStringLiteral("btImp"))->click();
        QVERIFY(printer.readAll().contains("131100800400300KG\r141100800600200R$ 45,90\r"));
    }

    void f3WithAnEmptyListSendsNothing()
    {
        PtyPair printer;
        QVERIFY(printer.isReady());
        qputenv("CONSULTA_PORTA_COM1", printer.writeEnd().toLocal8Bit());
        TfmGondolaAlegro screen(m_fixture->context);
        open(screen);
        printer.readAll(100);
        QTest::keyClick(screen.findChild<QLineEdit *>(QStringLiteral("edIni")), Qt::Key_F3);
        QCOMPARE(printer.readAll(), QByteArray());
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("Impressão Concluida !")});
    }

    void portThatDoesNotExistClosesTheScreen()
    {
        qputenv("CONSULTA_PORTA_COM1", "/dev/no-such-printer");
        TfmGondolaAlegro screen(m_fixture->context);
        open(screen);
        screen.findChild<QPushButton *>(QStringLiteral("btPrdEnt"))->click();
        screen.findChild<QPushButton *>(QStringLiteral("btImp"))->click();
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("Porta de comunicação com problemas")});
        QVERIFY(!screen.isVisible());
        QCOMPARE(screen.result(), int(QDialog::Rejected));
        QCOMPARE(m_fixture->printControl(), (QStringList{"77 A", "88 A", "1234 A"}));
    }

    void positionThatIsNotANumberStopsAfterTheFirstMark()
    {
        PtyPair printer;
        QVERIFY(printer.isReady());
        qputenv("CONSULTA_PORTA_COM1", printer.writeEnd().toLocal8Bit());
        m_fixture->store.writeIni(QStringLiteral("[CONSULTA]\nModelo=RABBIT\n[RABBIT GONDOLA]\nPorta=COM1\nFonteDes=9\nLinhaDes=3A\nColunaDes=15\n"));
        TfmGondolaAlegro screen(m_fixture->context);
        open(screen);
        screen.findChild<QPushButton *>(QStringLiteral("btPrdEnt"))->click();
        printer.readAll(100);
        screen.findChild<QPushButton *>(QStringLiteral("btImp"))->click();
        QCOMPARE(printer.readAll(), QByteArray("\x02" "f340\r\x02L\rD11\r"));
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("'3A' não é um valor válido.")});
        QCOMPARE(m_messages->shown().first().icon, platform::MessageIcon::Error);
        QCOMPARE(m_fixture->printControl(), (QStringList{"77 F", "88 A", "1234 A"}));
        QCOMPARE(screen.labelList()->labelCount(), 3);
    }

    void blankPortPrintsNothing()
    {
        m_fixture->store.writeIni(QStringLiteral("[CONSULTA]\nModelo=ALLEGRO\n[ALLEGRO GONDOLA]\nLinhaDes=35\n"));
        TfmGondolaAlegro screen(m_fixture->context);
        open(screen);
        screen.findChild<QPushButton *>(QStringLiteral("btPrdEnt"))->click();
        screen.findChild<QPushButton *>(QStringLiteral("btImp"))->click();
        QVERIFY(m_messages->texts().isEmpty());
        QCOMPARE(screen.labelList()->labelCount(), 3);
        QCOMPARE(m_fixture->printControl(), (QStringList{"77 A", "88 A", "1234 A"}));
    }

private:
    static void open(TfmGondolaAlegro &screen)
    {
        QVERIFY(screen.opened());
        screen.show();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
    }

    static void scan(TfmGondolaAlegro &screen, const QString &code)
    {
        auto *edIni = screen.findChild<QLineEdit *>(QStringLiteral("edIni"));
        QTRY_COMPARE(QApplication::focusWidget(), edIni);
        QTest::keyClicks(edIni, code);
        QTest::keyClick(edIni, Qt::Key_Return);
    }

    std::unique_ptr<LabelFixture> m_fixture;
    std::unique_ptr<RecordingMessages> m_messages;
};

QTEST_MAIN(TestGondolaPrint)
#include "tst_gondola_print.moc"
