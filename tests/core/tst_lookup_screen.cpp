#include "core/DescriptionSearchPanel.h"
#include "core/ShadowLabel.h"
#include "core/TfmConsProd.h"
#include "platform/Clock.h"
#include "support/FixtureStore.h"
#include "support/RecordingMessages.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

namespace {
const QDateTime kNow(QDate(2026, 3, 10), QTime(10, 0));
}

class TestLookupScreen : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        platform::setServerClock([] { return kNow; });
        platform::setTerminalClock([] { return kNow; });
        m_store = std::make_unique<FixtureStore>();
        m_store->insert(QStringLiteral("loja"), {{QStringLiteral("cod_loja"), 1}, {QStringLiteral("NOME_REDUZIDO"), QStringLiteral("BOM PREÇO")}});
        addProduct(12, QStringLiteral("7891000315507"), QStringLiteral("ARROZ TIPO 1 5KG"), 24.9);
        addProduct(20, QStringLiteral("7896004000855"), QStringLiteral("CAFÉ TORRADO 500G"), 18.5,
                   {{QStringLiteral("VLR_PRECO_PROMOCAO"), 15.99}, {QStringLiteral("DATA_PROM_INICIAL"), QStringLiteral("2026-03-01")},
                    {QStringLiteral("DATA_PROM_FINAL"), QStringLiteral("2026-03-31")}});
        addProduct(21, QStringLiteral("7896004000862"), QStringLiteral("LEITE INTEGRAL 1L"), 5.49,
                   {{QStringLiteral("VLR_PRECO_PROMOCAO"), 4.99}, {QStringLiteral("DATA_PROM_INICIAL"), QStringLiteral("2026-03-01")},
                    {QStringLiteral("DATA_PROM_FINAL"), QStringLiteral("2026-03-10")}});
        addProduct(22, QStringLiteral("7896004000879"), QStringLiteral("AÇÚCAR REFINADO 1KG"), 4.79,
                   {{QStringLiteral("VLR_PRECO_PROMOCAO"), 3.99}, {QStringLiteral("DATA_PROM_INICIAL"), QStringLiteral("2026-03-10 15:00:00")},
                    {QStringLiteral("DATA_PROM_FINAL"), QStringLiteral("2026-03-20")}});
        addProduct(23, QStringLiteral("7896004000886"), QStringLiteral("SAL REFINADO 1KG"), 2.19,
                   {{QStringLiteral("VLR_PRECO_PROMOCAO"), 0.01}, {QStringLiteral("DATA_PROM_INICIAL"), QStringLiteral("2026-03-01")},
                    {QStringLiteral("DATA_PROM_FINAL"), QStringLiteral("2026-03-20")}});
        m_store->insert(QStringLiteral("BARRAS_VINCULADA"), {{QStringLiteral("COD_PROD"), 12}, {QStringLiteral("CODIGO_BARRAS"), QStringLiteral("17891000315504")}});
        m_store->insert(QStringLiteral("Cliente"), {{QStringLiteral("COD_CLI"), 7}, {QStringLiteral("COD_PROD"), 7},
                                                    {QStringLiteral("Codigo_Barras"), QStringLiteral("00012345")},
                                                    {QStringLiteral("Nome"), QStringLiteral("MARIA DA CONCEIÇÃO")},
                                                    {QStringLiteral("Pontos"), 150}, {QStringLiteral("vlr_Saldo"), 25.5}});
        writeIni(QStringLiteral("SIM"), QStringLiteral("SIM"), QStringLiteral("SIM"));
    }
    void cleanup()
    {
        m_screen.reset();
        m_store.reset();
        platform::setServerClock({});
        platform::setTerminalClock({});
    }

    void captionsBeforeAndAfterTheFirstEnter()
    {
        openScreen();
        QCOMPARE(text("lbCusto"), QStringLiteral("Preco Custo"));
        QCOMPARE(text("lbVenda"), QStringLiteral("Preco Venda"));
        enter(QStringLiteral("12"));
        QCOMPARE(text("lbCusto"), QStringLiteral("Preço Custo"));
        QCOMPARE(text("lbVenda"), QStringLiteral("Preço Venda"));
    }

    void productLookups_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("fieldAfter");
        QTest::newRow("scanned barcode") << "7891000315507" << "12" << "24,90" << "";
        QTest::newRow("short code") << "0012" << "12" << "24,90" << "";
        QTest::newRow("linked barcode keeps the code") << "17891000315504" << "12" << "24,90" << "17891000315504";
        QTest::newRow("promotion price") << "20" << "20" << "15,99" << "";
        QTest::newRow("promotion ending today") << "21" << "21" << "4,99" << "";
        QTest::newRow("promotion starting later today") << "22" << "22" << "4,79" << "";
        QTest::newRow("promotion price 0.01") << "23" << "23" << "0,01" << "";
    }
    void productLookups()
    {
        QFETCH(QString, typed);
        QFETCH(QString, code);
        QFETCH(QString, price);
        QFETCH(QString, fieldAfter);
        RecordingMessages messages;
        openScreen();
        enter(typed);
        QCOMPARE(text("dbCodigo"), code);
        QCOMPARE(text("dbPreco"), price);
        QVERIFY(!text("dbDescricao").isEmpty());
        QCOMPARE(text("dbUnidade"), QStringLiteral("UN"));
        QCOMPARE(field()->text(), fieldAfter);
        QCOMPARE(field()->selectedText(), fieldAfter);
        QVERIFY(messages.shown().isEmpty());
    }

    void costDisplayFollowsCusto()
    {
        writeIni(QStringLiteral("SIM"), QStringLiteral("NAO"), QStringLiteral("NAO"));
        openScreen();
        enter(QStringLiteral("12"));
        QCOMPARE(text("dbCusto"), QStringLiteral("19,50"));
        QVERIFY(!label("dbCusto")->isHidden());
        // The left caption follows Pontos, not Custo.
        QVERIFY(label("lbCusto")->isHidden());
        QVERIFY(label("dbSaldo")->isHidden());
    }

    void customerCard_data()
    {
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QString>("leftCaption");
        QTest::addColumn<QString>("middleCaption");
        QTest::newRow("points and balance") << "SIM" << "Pontos" << "Saldo";
        QTest::newRow("neither") << "NAO" << "" << "";
    }
    void customerCard()
    {
        QFETCH(QString, flags);
        QFETCH(QString, leftCaption);
        QFETCH(QString, middleCaption);
        writeIni(QStringLiteral("NAO"), flags, flags);
        RecordingMessages messages;
        openScreen();
        enter(QStringLiteral("00012345"));
        QCOMPARE(text("lbTitulo"), QStringLiteral("Consulta de Clientes"));
        QCOMPARE(text("lbDescricao"), QStringLiteral("Nome"));
        QCOMPARE(text("dbDescricao"), QStringLiteral("MARIA DA CONCEIÇÃO"));
        QCOMPARE(text("dbCodigo"), QStringLiteral("7"));
        QCOMPARE(text("lbCusto"), leftCaption);
        QCOMPARE(text("lbVenda"), middleCaption);
        QCOMPARE(text("dbPontos"), QStringLiteral("150"));
        QCOMPARE(text("dbSaldo"), QStringLiteral("25,5"));
        QCOMPARE(text("dbPreco"), QString());
        QCOMPARE(label("dbPontos")->isHidden(), flags != QStringLiteral("SIM"));
        QVERIFY(label("dbUnidade")->isHidden());
        QVERIFY(label("lbUnidade")->isHidden());
        QCOMPARE(field()->text(), QString());
        QVERIFY(messages.shown().isEmpty());

        // The next scan returns to product mode.
        enter(QStringLiteral("12"));
        QCOMPARE(text("lbTitulo"), QStringLiteral("Consulta de Produtos"));
        QVERIFY(!label("dbUnidade")->isHidden());
        QCOMPARE(text("dbDescricao"), QStringLiteral("ARROZ TIPO 1 5KG"));
    }

    void codesThatMatchNothing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("expectedMessages");
        QTest::newRow("8 characters: blank, no message") << "99999999" << QStringList();
        QTest::newRow("7 characters") << "9999999" << QStringList{QStringLiteral("Registro não encontrado !")};
        QTest::newRow("9 characters") << "999999999" << QStringList{QStringLiteral("Registro não encontrado !")};
        QTest::newRow("empty") << "" << QStringList{QStringLiteral("Registro não encontrado !")};
        QTest::newRow("letters in a short code") << "ABC" << QStringList{QStringLiteral("Produto não encontrado!")};
    }
    void codesThatMatchNothing()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, expectedMessages);
        openScreen();
        enter(QStringLiteral("12"));
        RecordingMessages messages;
        enter(typed);
        QCOMPARE(messages.texts(), expectedMessages);
        QCOMPARE(text("lbTitulo"), QStringLiteral("Consulta de Produtos"));
        QCOMPARE(text("dbCodigo"), QString());
        QCOMPARE(text("dbPreco"), QString());
        QCOMPARE(field()->text(), QString());
        QVERIFY(field()->hasFocus() || !m_screen->isActiveWindow());
    }

    void unreachableDatabaseKeepsRunning()
    {
        openScreen();
        enter(QStringLiteral("12"));
        m_store->dm().close(DbConnection::Server);
        QFile file(m_store->databasePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("gone");
        file.close();
        RecordingMessages messages;
        enter(QStringLiteral("7891000315507"));
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("Produto não encontrado!")});
        QCOMPARE(field()->text(), QString());
        QCOMPARE(text("dbCodigo"), QString());
    }

    void escapeAsksBeforeLeaving()
    {
        openScreen();
        QSignalSpy quit(m_screen.get(), &TfmConsProd::quitRequested);
        RecordingMessages messages;
        messages.answerNext(false);
        QTest::keyClick(field(), Qt::Key_Escape);
        QCOMPARE(quit.count(), 0);
        messages.answerNext(true);
        QTest::keyClick(field(), Qt::Key_Escape);
        QCOMPARE(quit.count(), 1);
        QCOMPARE(messages.shown().size(), 2);
        QCOMPARE(messages.shown().first().caption, QStringLiteral("Consulta"));
        QCOMPARE(messages.shown().first().text, QStringLiteral("Abandonar o Sistema ?"));
        QVERIFY(messages.shown().first().question);
    }

    void activationReappliesTheSettings()
    {
        openScreen();
        m_screen->searchPanel()->show();
        m_screen->FormActivate();
        QVERIFY(m_screen->searchPanel()->isHidden());
        QCOMPARE(m_screen->tmInv()->interval(), 30000);
        QVERIFY(!m_screen->tmInv()->isActive());
    }

    void logoFromCaminho_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<int>("messages");
        QTest::newRow("png, any case") << "logo.png" << QByteArray("PNG") << true << 0;
        QTest::newRow("jpeg") << "logo.jpg" << QByteArray("JPEG") << true << 0;
        QTest::newRow("bmp") << "logo.bmp" << QByteArray("BMP") << true << 0;
        QTest::newRow("other extension") << "logo.gif" << QByteArray("PNG") << false << 1;
        QTest::newRow("unreadable picture") << "logo.png" << QByteArray() << false << 1;
        QTest::newRow("missing file") << "" << QByteArray() << false << 0;
    }
    void logoFromCaminho()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, format);
        QFETCH(bool, loaded);
        QFETCH(int, messages);
        const QString path = m_store->folder() + QLatin1Char('/') + file;
        if (!format.isEmpty()) {
            QImage image(64, 32, QImage::Format_RGB32);
            image.fill(Qt::red);
            QVERIFY(image.save(path, format.constData()));
        } else if (!file.isEmpty()) {
            QFile junk(path);
            QVERIFY(junk.open(QIODevice::WriteOnly));
            junk.write("not a picture");
        }
        m_store->writeIni(QStringLiteral("[CONSULTA]\nCaminho=%1\n").arg(file.isEmpty() ? QStringLiteral("nada.png") : file));
        RecordingMessages shown;
        openScreen();
        const auto *logo = m_screen->findChild<QLabel *>(QStringLiteral("imgLogo"));
        QCOMPARE(!logo->pixmap().isNull(), loaded);
        // Activated again (a message box closing): the picture is not reported twice.
        m_screen->FormActivate();
        QCOMPARE(shown.shown().size(), messages);
    }

private:
    void addProduct(int code, const QString &barcode, const QString &description, double price, QVariantMap extra = {})
    {
        extra.insert(QStringLiteral("COD_PROD"), code);
        extra.insert(QStringLiteral("CODIGO_BARRAS"), barcode);
        extra.insert(QStringLiteral("DESCRICAO"), description);
        extra.insert(QStringLiteral("VLR_PRECO"), price);
        extra.insert(QStringLiteral("VLR_ULTIMO_CUSTO"), 19.5);
        m_store->insert(QStringLiteral("PRODUTO"), extra);
    }
    void writeIni(const QString &custo, const QString &pontos, const QString &saldo)
    {
        m_store->writeIni(QStringLiteral("[CONSULTA]\nLojas=1\nCusto=%1\nPontos=%2\nSaldo=%3\n").arg(custo, pontos, saldo));
    }
    void openScreen()
    {
        m_screen = std::make_unique<TfmConsProd>(m_store->dm(), m_store->folder());
        QVERIFY(m_screen->configurationFound());
        m_screen->show();
        m_screen->FormActivate();
    }
    QLineEdit *field() const { return m_screen->findChild<QLineEdit *>(QStringLiteral("edCod")); }
    ShadowLabel *label(const char *name) const { return m_screen->findChild<ShadowLabel *>(QLatin1String(name)); }
    QString text(const char *name) const { return label(name)->text(); }
    void enter(const QString &typed)
    {
        field()->clear();
        QTest::keyClicks(field(), typed);
        QTest::keyClick(field(), Qt::Key_Return);
    }

    std::unique_ptr<FixtureStore> m_store;
    std::unique_ptr<TfmConsProd> m_screen;
};

QTEST_MAIN(TestLookupScreen)
#include "tst_lookup_screen.moc"
