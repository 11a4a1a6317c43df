#include "LabelFixture.h"
#include "core/ProductQuery.h"
#include "labels/DriverPanels.h"
#include "labels/LabelListGrid.h"
#include "labels/TfmGondolaAlegro.h"
#include "labels/TfrmFiltraProdutoPrecoAlterado.h"
#include "platform/TerminalPrinter.h"
#include "support/RecordingMessages.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

namespace {

const QString kIni = QStringLiteral("[CONSULTA]\r\nLojas=1\r\nModelo=ALLEGRO\r\nProdutoPromocaoGondola=%1\r\n"
                                    "[ALLEGRO GONDOLA]\r\nTextoPromocao=%2\r\n");

} // namespace

class TestGondolaScreen : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture = std::make_unique<LabelFixture>();
        m_messages = std::make_unique<RecordingMessages>();
        m_fixture->store.writeIni(kIni.arg(QStringLiteral("NAO"), QString()));
        m_fixture->product(1234, QStringLiteral("7891234567895"), QStringLiteral("ARROZ TIPO 1 PACOTE 5KG"), 25.9, QStringLiteral("UN"),
                           {{QStringLiteral("ROTULO"), QStringLiteral("ARROZ 5KG")}, {QStringLiteral("REFERENCIA_FORN"), QStringLiteral("REF-1")}});
        m_fixture->product(12345, QStringLiteral("7890000123455"), QStringLiteral("FEIJAO CARIOCA 1KG"), 8.5, QStringLiteral("UN"),
                           {{QStringLiteral("ROTULO"), QStringLiteral("   ")}});
        // Promotion ending today, and one that ended yesterday.
        m_fixture->product(555, QStringLiteral("7890000005551"), QStringLiteral("CAFE 500G"), 6.49, QStringLiteral("UN"),
                           {{QStringLiteral("DATA_PROM_INICIAL"), QStringLiteral("2024-05-01")},
                            {QStringLiteral("DATA_PROM_FINAL"), QStringLiteral("2024-05-10")},
                            {QStringLiteral("VLR_PRECO_PROMOCAO"), 4.99}});
        m_fixture->product(556, QStringLiteral("7890000005568"), QStringLiteral("ACUCAR 1KG"), 3.99, QStringLiteral("UN"),
                           {{QStringLiteral("DATA_PROM_INICIAL"), QStringLiteral("2024-05-01")},
                            {QStringLiteral("DATA_PROM_FINAL"), QStringLiteral("2024-05-09")},
                            {QStringLiteral("VLR_PRECO_PROMOCAO"), 2.99}});
    }

    void cleanup()
    {
        m_screen.reset();
        m_messages.reset();
        m_fixture.reset();
    }

    void scannedBarcodeAddsOneLabel()
    {
        open();
        QCOMPARE(edIni()->text(), QStringLiteral("0"));
        scan(QStringLiteral("7891234567895"));
        QTRY_COMPARE(list()->labelCount(), 1);
        QTRY_COMPARE(QApplication::focusWidget(), edIni());
        QCOMPARE(edIni()->text(), QString());
        QCOMPARE(list()->rowCount(), 2);
        QCOMPARE(list()->labels().first(), (QStringList{"7891234567895", "ARROZ 5KG", "R$ 25,90", "UN", "REF-1", "1234", "", "", ""}));
        QCOMPARE(counter(), QStringLiteral("1"));
        QVERIFY(button("btImp")->isEnabled());
        QVERIFY(m_messages->texts().isEmpty());
    }

    void typedCodeWaitsForTheQuantity()
    {
        open();
        scan(QStringLiteral("12345"));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(edQtd()));
        QTest::qWait(50);
        QCOMPARE(list()->labelCount(), 0);
        QCOMPARE(m_screen->findChild<QLabel *>(QStringLiteral("dbDescricao"))->text(), QStringLiteral("FEIJAO CARIOCA 1KG"));

        QTest::keyClicks(edQtd(), QStringLiteral("3"));
        QTest::keyClick(edQtd(), Qt::Key_Return);
        QTRY_COMPARE(list()->labelCount(), 3);
        const QStringList feijao{"7890000123455", "FEIJAO CARIOCA 1KG", "R$ 8,50", "UN", "", "12345", "", "", ""};
        QCOMPARE(list()->labels(), (QList<QStringList>{feijao, feijao, feijao}));
        QCOMPARE(counter(), QStringLiteral("3"));
        QTRY_COMPARE(QApplication::focusWidget(), edIni());
    }

    void zeroAddsNothing()
    {
        open();
        QTest::keyClick(edIni(), Qt::Key_Return); // code "0": the search button
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(button("btSeek")));

        edIni()->setFocus();
        scan(QStringLiteral("12345"));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(edQtd()));
        QTest::keyClicks(edQtd(), QStringLiteral("0"));
        QTest::keyClick(edQtd(), Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), edIni());
        QTest::qWait(50);
        QCOMPARE(list()->labelCount(), 0);
        QCOMPARE(edQtd()->value(), 0);
        QVERIFY(!button("btImp")->isEnabled());
    }

    void searchButtonPicksAnActiveProduct()
    {
        m_fixture->store.exec(QStringLiteral("UPDATE PRODUTO SET CHK_ATIVO = 'F' WHERE COD_PROD = 556"));
        open();
        const auto pick = [this](Qt::Key key) {
            QString popup;
            QTimer::singleShot(0, this, [&popup, key] {
                auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
                QVERIFY(modal);
                popup = QString::fromLatin1(modal->metaObject()->className());
                QTest::keyClick(modal->focusWidget(), key);
                if (modal->isVisible())
                    modal->reject();
            });
            button("btSeek")->click();
            return popup;
        };
        // The popup starts on the second product by description: the active ones are
        // ARROZ, CAFE and FEIJAO.
        QCOMPARE(pick(Qt::Key_Return), QStringLiteral("TfmCons"));
        QCOMPARE(edIni()->text(), QStringLiteral("555"));
        QCOMPARE(m_screen->focusWidget(), edIni());
        QCOMPARE(pick(Qt::Key_Escape), QStringLiteral("TfmCons"));
        QCOMPARE(edIni()->text(), QStringLiteral("555"));
    }

    void keyFilterOfTheCodeField()
    {
        open();
        QTest::keyClicks(edIni(), QStringLiteral("12a.b-m3 X"));
        QCOMPARE(edIni()->text(), QStringLiteral("12m3"));
        QTest::keyClick(edIni(), Qt::Key_Backspace);
        QCOMPARE(edIni()->text(), QStringLiteral("12m"));
        QTest::keyClick(edIni(), Qt::Key_Escape);
        QVERIFY(!m_screen->isVisible());
    }

    void promotionsByTheTerminalDay_data()
    {
        QTest::addColumn<QString>("textoPromocao");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("promotion");
        QTest::newRow("ends today") << "" << "555" << "R$ 4,99" << "Promocao 10/05/2024";
        QTest::newRow("ends today, configured text") << "oferta" << "555" << "R$ 4,99" << "OFERTA 10/05/2024";
        QTest::newRow("ended yesterday") << "oferta" << "556" << "R$ 3,99" << "";
    }

    void promotionsByTheTerminalDay()
    {
        QFETCH(QString, textoPromocao);
        QFETCH(QString, code);
        QFETCH(QString, price);
        QFETCH(QString, promotion);
        m_fixture->store.writeIni(kIni.arg(QStringLiteral("SIM"), textoPromocao));
        open();
        scan(code);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(edQtd()));
        QTest::keyClick(edQtd(), Qt::Key_Return);
        QTRY_COMPARE(list()->labelCount(), 1);
        QCOMPARE(list()->labels().first().at(2), price);
        QCOMPARE(list()->labels().first().at(7), promotion);
    }

    void promotedProductsStayOffWhileTheScreenIsOpen()
    {
        open();
        scan(QStringLiteral("7890000005551"));
        QTRY_COMPARE(m_messages->texts(), QStringList{QStringLiteral("Produto Não Encontrado ! \nVerifique se o produto está em promoção.")});
        QTRY_COMPARE(QApplication::focusWidget(), edIni());
        QTest::qWait(50);
        QCOMPARE(list()->labelCount(), 0);

        m_screen.reset();
        const auto rows = product_query::findProducts(m_fixture->store.dm(), QStringLiteral("7890000005551"));
        QVERIFY(rows);
        QCOMPARE(rows->size(), 1);
    }

    void unknownProductWithPromotionsAllowed()
    {
        m_fixture->store.writeIni(kIni.arg(QStringLiteral("SIM"), QString()));
        open();
        scan(QStringLiteral("7899999999999"));
        QTRY_COMPARE(m_messages->texts(), QStringList{QStringLiteral("Produto Não Encontrado ! ")});
        QTRY_COMPARE(QApplication::focusWidget(), edIni());
        QTest::qWait(50);
        QCOMPARE(list()->labelCount(), 0);
    }

    void releasedLabels()
    {
        for (int code : {1234, 12345, 556})
            m_fixture->released(code);
        m_fixture->released(555); // in promotion: filtered out
        open();
        QVERIFY(button("btPrdEnt")->isEnabled());
        QCOMPARE(button("btPrdEnt")->toolTip(), QStringLiteral("Existem 3 produtos com os preços alterados.\nClique para gerar as etiquetas."));
        button("btPrdEnt")->click();
        QCOMPARE(list()->labelCount(), 3);
        QCOMPARE(counter(), QStringLiteral("3"));
        QVERIFY(button("btImp")->isEnabled());
        QCOMPARE(list()->labels().at(0), (QStringList{"7890000005568", "ACUCAR 1KG", "R$ 3,99", "UN", "", "556", "", "", ""}));
        // Taking them into the list marks nothing.
        QCOMPARE(m_fixture->printControl(), (QStringList{"555 A", "556 A", "1234 A", "12345 A"}));
    }

    void noReleasedLabels()
    {
        open();
        QVERIFY(!button("btPrdEnt")->isEnabled());
        QCOMPARE(button("btPrdEnt")->toolTip(), QStringLiteral("Gerar etiquetas dos produtos com preços para alterar."));
    }

    void changedPrices()
    {
        m_fixture->store.exec(QStringLiteral("UPDATE PRODUTO SET DATA_MUDANCA_PRECO = '2024-05-03 08:00:00' WHERE COD_PROD IN (1234, 555)"));
        m_fixture->store.exec(QStringLiteral("UPDATE PRODUTO SET DATA_MUDANCA_PRECO = '2024-04-20' WHERE COD_PROD = 12345"));
        open();

        // A period without changes keeps the dialog open with its message.
        bool stillOpen = false;
        runInDialog([&](TfrmFiltraProdutoPrecoAlterado *dialog) {
            dialog->findChild<QLineEdit *>(QStringLiteral("edDtIni"))->setText(QStringLiteral("01/03/2024"));
            dialog->findChild<QLineEdit *>(QStringLiteral("edDtFin"))->setText(QStringLiteral("31/03/2024"));
            dialog->btConfirmarClick();
            stillOpen = dialog->isVisible();
            dialog->reject();
        });
        QVERIFY(stillOpen);
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("Não foram encontrados registros neste período!")});
        QCOMPARE(list()->labelCount(), 0);

        // An invalid date, then the current month (the dialog's own period): the promoted
        // product stays off.
        m_messages->clear();
        QStringList period;
        runInDialog([&](TfrmFiltraProdutoPrecoAlterado *dialog) {
            period << dialog->findChild<QLineEdit *>(QStringLiteral("edDtIni"))->text()
                   << dialog->findChild<QLineEdit *>(QStringLiteral("edDtFin"))->text();
            const QString start = period.first();
            dialog->findChild<QLineEdit *>(QStringLiteral("edDtIni"))->setText(QStringLiteral("31/02/2024"));
            dialog->btConfirmarClick();
            dialog->findChild<QLineEdit *>(QStringLiteral("edDtIni"))->setText(start);
            dialog->btConfirmarClick();
        });
        QCOMPARE(period, (QStringList{"01/05/2024", "31/05/2024"}));
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("Data inicial Inválida!")});
        QCOMPARE(list()->labels(), (QList<QStringList>{{"7891234567895", "ARROZ TIPO 1 PACOTE 5KG", "R$25,90", "UN", "", "1234", "", "", ""}}));
        QCOMPARE(counter(), QStringLiteral("1"));
        QVERIFY(button("btImp")->isEnabled());
    }

    void deletingRows()
    {
        open();
        for (const QString &code : {QStringLiteral("7891234567895"), QStringLiteral("7890000123455"), QStringLiteral("7890000005568")}) {
            const int before = list()->labelCount();
            scan(code);
            QTRY_COMPARE(list()->labelCount(), before + 1);
        }
        // The middle one goes: the rows below move up.
        list()->setCurrentCell(1, 0);
        m_messages->answerNext(true);
        QTest::keyClick(list(), Qt::Key_Delete);
        QCOMPARE(m_messages->shown().last().caption, QStringLiteral("Exclusão"));
        QCOMPARE(m_messages->shown().last().text, QStringLiteral("Excluir a etiqueta selecionada ?"));
        QCOMPARE(m_messages->shown().last().icon, platform::MessageIcon::Error);
        QCOMPARE(list()->labelCount(), 2);
        QCOMPARE(list()->rowCount(), 3);
        QCOMPARE(list()->labels().at(1).at(5), QStringLiteral("556"));
        QCOMPARE(counter(), QStringLiteral("2"));

        // No keeps it; the empty last row is never removed.
        m_messages->answerNext(false);
        QTest::keyClick(list(), Qt::Key_Delete);
        QCOMPARE(list()->labelCount(), 2);
        list()->setCurrentCell(2, 0);
        m_messages->answerNext(true);
        QTest::keyClick(list(), Qt::Key_Delete);
        QCOMPARE(list()->rowCount(), 3);
        QCOMPARE(counter(), QStringLiteral("2"));

        // The last label, then the empty list.
        list()->setCurrentCell(1, 0);
        m_messages->answerNext(true);
        QTest::keyClick(list(), Qt::Key_Delete);
        list()->setCurrentCell(0, 0);
        m_messages->answerNext(true);
        QTest::keyClick(list(), Qt::Key_Delete);
        QCOMPARE(list()->rowCount(), 1);
        QCOMPARE(counter(), QStringLiteral("0"));
        m_messages->answerNext(true);
        QTest::keyClick(list(), Qt::Key_Delete);
        QCOMPARE(list()->rowCount(), 1);
        QCOMPARE(counter(), QStringLiteral("0"));
    }

    void clearing()
    {
        open();
        scan(QStringLiteral("7891234567895"));
        QTRY_COMPARE(list()->labelCount(), 1);
        button("BitBtn1")->click();
        QCOMPARE(list()->rowCount(), 1);
        QCOMPARE(counter(), QStringLiteral("0"));
        QCOMPARE(QApplication::focusWidget(), edIni());
    }

    void editedCellsArePrinted()
    {
        open();
        scan(QStringLiteral("7891234567895"));
        QTRY_COMPARE(list()->labelCount(), 1);
        list()->item(0, 1)->setText(QStringLiteral("ARROZ PROMOCIONAL"));
        QCOMPARE(list()->labels().first().at(1), QStringLiteral("ARROZ PROMOCIONAL"));
    }

    void creationPurgesAndWidensThePenOnce()
    {
        m_fixture->released(1234, QStringLiteral("2024-05-10"));
        m_fixture->released(12345, QStringLiteral("2024-05-09"));
        for (int i = 0; i < 3; ++i)
            TfmGondolaAlegro screen(m_fixture->context);
        QCOMPARE(m_fixture->printControl(), QStringList{QStringLiteral("1234 A")});
        QCOMPARE(platform::TerminalPrinter::instance().penWidth(), 2);
    }

    void purgeFailureStopsTheOpening()
    {
        m_fixture->store.exec(QStringLiteral("DROP TABLE IMP_CONTROL_GONDOLA"));
        TfmGondolaAlegro screen(m_fixture->context);
        QVERIFY(!screen.opened());
        QCOMPARE(m_messages->shown().size(), 1);
        QCOMPARE(m_messages->shown().first().icon, platform::MessageIcon::Error);
    }

    void layoutReloadedForGondola()
    {
        m_fixture->store.writeIni(QStringLiteral("[CONSULTA]\nModelo=RABBIT\n[RABBIT GONDOLA]\nLinhaDes=35\n[RABBIT PRECO]\nLinhaDes=99\n"));
        m_fixture->settings.IniVar(QStringLiteral("PRECO"), m_fixture->store.dm());
        TfmGondolaAlegro screen(m_fixture->context);
        QVERIFY(screen.opened());
        QCOMPARE(m_fixture->settings.layout(QStringLiteral("LinhaDes")), QStringLiteral("35"));
    }

    void driverPanelsShownForTheirModels_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<bool>("zebra");
        QTest::addColumn<bool>("elgin");
        QTest::newRow("zebra without port") << "[CONSULTA]\nModelo=ZEBRAZD220USB\n" << true << false;
        QTest::newRow("zebra with port") << "[CONSULTA]\nModelo=ZEBRAZD220USB\n[ZEBRAZD220USB GONDOLA]\nDriver_Name=USB:lp0\n" << false << false;
        QTest::newRow("elgin with an unknown driver") << "[CONSULTA]\nModelo=ELGINL42\n[ELGINL42 GONDOLA]\nDriver_Name=NO SUCH PRINTER\n" << false << true;
        QTest::newRow("allegro") << "[CONSULTA]\nModelo=ALLEGRO\n" << false << false;
    }

    void driverPanelsShownForTheirModels()
    {
        QFETCH(QString, section);
        QFETCH(bool, zebra);
        QFETCH(bool, elgin);
        m_fixture->store.writeIni(section);
        open();
        QCOMPARE(m_screen->findChild<QWidget *>(QStringLiteral("pnDriverZebraUsb"))->isVisible(), zebra);
        QCOMPARE(m_screen->findChild<QWidget *>(QStringLiteral("pnCentralPrinter"))->isVisible(), elgin);
        const auto *ports = m_screen->findChild<QComboBox *>(QStringLiteral("cbPorta"));
        QCOMPARE(ports->itemText(0), QStringLiteral("LPT1"));
        QCOMPARE(ports->itemText(7), QStringLiteral("Digite a porta"));
        QCOMPARE(ports->currentIndex(), 0);
    }

    void driverNameWrittenKeepingTheRestOfTheFile()
    {
        const QByteArray original = "; terminal da loja 1\r\n[CONSULTA]\r\nModelo=ZEBRAZD220USB\r\n"
                                    "[ZEBRAZD220USB GONDOLA]\r\nPorta = COM1\r\nDriver_Name=LPT1\r\nObs1=Pre\xe7o\r\n"
                                    "[ELGINL42 GONDOLA]\r\nLinhaDes=10\r\n";
        const QString path = QDir(m_fixture->store.folder()).filePath(QStringLiteral("Consulta.INI"));
        writeFile(path, original);

        ZebraUsbPortPanel zebra(path);
        zebra.fillPorts({QStringLiteral("USB:lp0")}, {QStringLiteral("RAW:Zebra ZD220")});
        QCOMPARE(zebra.findChild<QComboBox *>()->count(), 10);
        zebra.findChild<QComboBox *>()->setCurrentText(QStringLiteral("USB:lp0"));
        zebra.show();
        zebra.save();
        QVERIFY(!zebra.isVisible());
        QCOMPARE(readFile(path), QByteArray(original).replace("Driver_Name=LPT1", "Driver_Name=USB:lp0"));

        ElginPrinterPanel elgin(path);
        elgin.fillPrinters({QStringLiteral("Elgin L42"), QStringLiteral("PDF")});
        QVERIFY(elgin.hasPrinter(QStringLiteral("elgin l42")));
        QCOMPARE(elgin.findChild<QLineEdit *>(QStringLiteral("edNamePrinter"))->text(), QStringLiteral("Elgin L42"));
        elgin.save();
        QCOMPARE(readFile(path), QByteArray(original).replace("Driver_Name=LPT1", "Driver_Name=USB:lp0")
                                     .replace("LinhaDes=10\r\n", "LinhaDes=10\r\nDriver_Name=Elgin L42\r\n"));
        QCOMPARE(m_messages->texts(), (QStringList{"Porta configurada com sucesso é necessário reinicializar à aplicação.  ",
                                                    "Driver configurado com sucesso é necessário reinicializar à aplicação.  "}));
    }

    void driverPanelsRefuseNothingAndReportWriteFailures()
    {
        const QString path = QDir(m_fixture->store.folder()).filePath(QStringLiteral("Consulta.INI"));
        ElginPrinterPanel elgin(path);
        elgin.fillPrinters({});
        elgin.save();
        ZebraUsbPortPanel zebra(path);
        zebra.fillPorts({}, {});
        zebra.findChild<QComboBox *>()->setCurrentText(QStringLiteral("   "));
        zebra.save();
        QCOMPARE(m_messages->texts(), (QStringList{"Nenhum driver foi encontrado!", "Nenhuma porta foi selecionada!"}));

        // A folder where the file should be cannot be written.
        m_messages->clear();
        const QString blocked = QDir(m_fixture->store.folder()).filePath(QStringLiteral("blocked"));
        QVERIFY(QDir().mkpath(blocked));
        ZebraUsbPortPanel failing(blocked);
        failing.fillPorts({}, {});
        failing.show();
        failing.save();
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("Erro ao atualizar o arquivo ini. ")});
        QVERIFY(failing.isVisible());
    }

private:
    void open()
    {
        m_screen = std::make_unique<TfmGondolaAlegro>(m_fixture->context);
        QVERIFY(m_screen->opened());
        m_screen->show();
        QVERIFY(QTest::qWaitForWindowActive(m_screen.get()));
        QTRY_COMPARE(QApplication::focusWidget(), edIni());
    }

    // What a barcode reader or the keyboard does: the code, then Enter.
    void scan(const QString &code)
    {
        QTest::keyClicks(edIni(), code);
        QTest::keyClick(edIni(), Qt::Key_Return);
    }

    void runInDialog(const std::function<void(TfrmFiltraProdutoPrecoAlterado *)> &steps)
    {
        QTimer::singleShot(0, this, [steps] {
            auto *dialog = qobject_cast<TfrmFiltraProdutoPrecoAlterado *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            steps(dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        button("btProdAlterado")->click();
    }

    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QLineEdit *edIni() const { return m_screen->findChild<QLineEdit *>(QStringLiteral("edIni")); }
    QSpinBox *edQtd() const { return m_screen->findChild<QSpinBox *>(QStringLiteral("edQtd")); }
    LabelListGrid *list() const { return m_screen->labelList(); }
    QPushButton *button(const char *name) const { return m_screen->findChild<QPushButton *>(QLatin1String(name)); }
    QString counter() const { return m_screen->findChild<QLabel *>(QStringLiteral("lbQtd"))->text(); }

    std::unique_ptr<LabelFixture> m_fixture;
    std::unique_ptr<RecordingMessages> m_messages;
    std::unique_ptr<TfmGondolaAlegro> m_screen;
};

QTEST_MAIN(TestGondolaScreen)
#include "tst_gondola_screen.moc"
