#include "core/IniFile.h"
#include "core/LayoutKeys.h"
#include "core/TerminalSettings.h"
#include "support/FixtureStore.h"
#include "support/RecordingMessages.h"

#include <QFile>
#include <QSet>
#include <QTest>

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_store = std::make_unique<FixtureStore>();
        m_store->insert(QStringLiteral("loja"), {{QStringLiteral("cod_loja"), 1}, {QStringLiteral("NOME_REDUZIDO"), QStringLiteral("LOJA UM")}});
        m_store->insert(QStringLiteral("loja"), {{QStringLiteral("cod_loja"), 2}, {QStringLiteral("NOME_REDUZIDO"), QStringLiteral("LOJA DOIS")}});
    }
    void cleanup() { m_store.reset(); }

    void consultaSection_data()
    {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");

        QTest::newRow("missing key takes the default") << "[CONSULTA]\n" << "Custo" << "NAO";
        QTest::newRow("empty value takes the default") << "[CONSULTA]\nCusto=\n" << "Custo" << "NAO";
        QTest::newRow("value upper-cased") << "[CONSULTA]\nCusto=sim\n" << "Custo" << "SIM";
        QTest::newRow("section and key in any case") << "[consulta]\nCUSTO=Sim\n" << "Custo" << "SIM";
        QTest::newRow("blanks around key and value") << "[CONSULTA]\n  Pontos =  sim  \n" << "Pontos" << "SIM";
        QTest::newRow("biometria on") << "[CONSULTA]\nBiometria=sIm\n" << "Biometria" << "true";
        QTest::newRow("biometria other text") << "[CONSULTA]\nBiometria=S\n" << "Biometria" << "false";
        QTest::newRow("store code") << "[CONSULTA]\nLojas=2\n" << "CodLoja" << "2";
        QTest::newRow("store code default") << "[CONSULTA]\n" << "CodLoja" << "1";
        QTest::newRow("windows-1252 path") << "[CONSULTA]\nCaminho=c:\\logos\\promoção.bmp\n" << "Caminho" << "C:\\LOGOS\\PROMOÇÃO.BMP";
        QTest::newRow("malformed lines passed over") << "garbage\n[CONSULTA\n=x\n[CONSULTA]\nnoequals\nSaldo=sim\n" << "Saldo" << "SIM";
        QTest::newRow("first of repeated keys") << "[CONSULTA]\nModelo=allegro\nModelo=rabbit\n" << "Modelo" << "ALLEGRO";
        QTest::newRow("comment line") << "[CONSULTA]\n;Modelo=rabbit\n" << "Modelo" << "";
    }

    void consultaSection()
    {
        QFETCH(QString, ini);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        m_store->writeIni(ini);
        TerminalSettings settings(m_store->folder());
        QCOMPARE(settings.IniVar(QStringLiteral("GONDOLA"), m_store->dm()), TerminalSettings::LoadResult::Loaded);
        const QHash<QString, QString> values{
            {QStringLiteral("Custo"), settings.Custo},
            {QStringLiteral("Pontos"), settings.Pontos},
            {QStringLiteral("Saldo"), settings.Saldo},
            {QStringLiteral("Modelo"), settings.Modelo},
            {QStringLiteral("Caminho"), settings.Caminho},
            {QStringLiteral("Biometria"), settings.Biometria ? QStringLiteral("true") : QStringLiteral("false")},
            {QStringLiteral("CodLoja"), QString::number(settings.CodLoja)},
        };
        QCOMPARE(values.value(field), expected);
    }

    void storeRowFollowsTheStoreCode()
    {
        m_store->writeIni(QStringLiteral("[CONSULTA]\nLojas=2\n"));
        TerminalSettings settings(m_store->folder());
        settings.IniVar(QStringLiteral("GONDOLA"), m_store->dm());
        QCOMPARE(m_store->dm().storeShortName(), QStringLiteral("LOJA DOIS"));
    }

    void layoutSectionOfModelAndKind()
    {
        QCOMPARE(TerminalSettings::layoutSection(QString(), QStringLiteral("GONDOLA")), QStringLiteral(" GONDOLA"));
        QCOMPARE(TerminalSettings::layoutSection(QStringLiteral("elginl42"), QStringLiteral("GONDOLA")),
                 QStringLiteral("ELGINL42 GONDOLA"));
        QCOMPARE(TerminalSettings::layoutSection(QStringLiteral("ALLEGRO"), QStringLiteral("  ")), QStringLiteral("ALLEGRO"));

        m_store->writeIni(QStringLiteral("[CONSULTA]\n[ GONDOLA]\nLinhaDes=12\n[ALLEGRO PRECO]\nLinhaDes=99\n"));
        TerminalSettings settings(m_store->folder());
        settings.IniVar(QStringLiteral("GONDOLA"), m_store->dm());
        QCOMPARE(settings.layout(QStringLiteral("LinhaDes")), QStringLiteral("12"));
    }

    void layoutValues()
    {
        m_store->writeIni(QStringLiteral("[CONSULTA]\nModelo=Allegro\n[ALLEGRO GONDOLA]\nlinhades=0035\n"
                                         "TextoPromocao=oferta\nDriver_Name=elgin\nColunas=3\nDistanciaV=140\n"
                                         "Obs4=válido até\n[ALLEGRO PRODUCAO]\nTamDes=25\nLinhaDes=1\n"));
        TerminalSettings settings(m_store->folder());
        settings.IniVar(QStringLiteral("GONDOLA"), m_store->dm());
        QCOMPARE(settings.layout(QStringLiteral("LinhaDes")), QStringLiteral("0035"));
        QCOMPARE(settings.layout(QStringLiteral("TextoPromocao")), QStringLiteral("OFERTA"));
        QCOMPARE(settings.layout(QStringLiteral("Driver_Name")), QStringLiteral("ELGIN"));
        QCOMPARE(settings.layout(QStringLiteral("Obs4")), QStringLiteral("VÁLIDO ATÉ"));
        QCOMPARE(settings.Colunas, 3);
        QCOMPARE(settings.DistanciaV, 140);
        QCOMPARE(settings.TamDes, 0);

        // A label screen reloads for its kind: the layout becomes that kind's.
        settings.IniVar(QStringLiteral("PRODUCAO"), m_store->dm());
        QCOMPARE(settings.TamDes, 25);
        QCOMPARE(settings.layout(QStringLiteral("LinhaDes")), QStringLiteral("1"));
        QCOMPARE(settings.Colunas, 1);
        QCOMPARE(settings.layout(QStringLiteral("TextoPromocao")), QString());
    }

    void badWholeNumbersStopTheReading()
    {
        m_store->writeIni(QStringLiteral("[CONSULTA]\nLojas=2\nCusto=SIM\nModelo=RABBIT\n[RABBIT GONDOLA]\nLinhaDes=5\nTamDes=10\n"));
        TerminalSettings settings(m_store->folder());
        QCOMPARE(settings.IniVar(QStringLiteral("GONDOLA"), m_store->dm()), TerminalSettings::LoadResult::Loaded);
        QCOMPARE(settings.TamDes, 10);

        // Lojas not a whole number: Biometria is read, everything after keeps its contents.
        m_store->writeIni(QStringLiteral("[CONSULTA]\nBiometria=SIM\nLojas=dois\nCusto=NAO\nModelo=ALLEGRO\n"));
        QCOMPARE(settings.IniVar(QStringLiteral("GONDOLA"), m_store->dm()), TerminalSettings::LoadResult::Stopped);
        QVERIFY(settings.Biometria);
        QCOMPARE(settings.CodLoja, 2);
        QCOMPARE(settings.Custo, QStringLiteral("SIM"));
        QCOMPARE(settings.Modelo, QStringLiteral("RABBIT"));
        QCOMPARE(settings.layout(QStringLiteral("LinhaDes")), QStringLiteral("5"));
        QCOMPARE(m_store->dm().storeShortName(), QStringLiteral("LOJA DOIS"));

        // Colunas not a whole number: the keys before it are read, those after are kept.
        m_store->writeIni(QStringLiteral("[CONSULTA]\nModelo=RABBIT\n[RABBIT GONDOLA]\nPorta=com2\nColunas=x\nLinhaDes=7\n"));
        QCOMPARE(settings.IniVar(QStringLiteral("GONDOLA"), m_store->dm()), TerminalSettings::LoadResult::Stopped);
        QCOMPARE(settings.layout(QStringLiteral("Porta")), QStringLiteral("COM2"));
        QCOMPARE(settings.layout(QStringLiteral("LinhaDes")), QStringLiteral("5"));
        QCOMPARE(settings.TamDes, 10);

        // TamDes not a whole number keeps its value and the reading goes on.
        m_store->writeIni(QStringLiteral("[CONSULTA]\nModelo=RABBIT\n[RABBIT GONDOLA]\nTamDes=abc\nObs1=fim\n"));
        QCOMPARE(settings.IniVar(QStringLiteral("GONDOLA"), m_store->dm()), TerminalSettings::LoadResult::Loaded);
        QCOMPARE(settings.TamDes, 10);
        QCOMPARE(settings.layout(QStringLiteral("Obs1")), QStringLiteral("FIM"));
    }

    void unreachableStoreStopsAfterTheStoreCode()
    {
        m_store->writeIni(QStringLiteral("[CONSULTA]\nLojas=3\nCusto=SIM\n"));
        QFile::remove(m_store->databasePath());
        QFile junk(m_store->databasePath());
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("this is not a database");
        junk.close();
        TerminalSettings settings(m_store->folder());
        QCOMPARE(settings.IniVar(QStringLiteral("GONDOLA"), m_store->dm()), TerminalSettings::LoadResult::Stopped);
        QCOMPARE(settings.CodLoja, 3);
        QCOMPARE(settings.Custo, QString());
    }

    void missingFile()
    {
        RecordingMessages messages;
        TerminalSettings settings(m_store->folder());
        QCOMPARE(settings.IniVar(QStringLiteral("GONDOLA"), m_store->dm()), TerminalSettings::LoadResult::MissingFile);
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("Arquivo de Configuração não encontrado !")});
    }

    void binaryFileReadsAsEmpty()
    {
        QFile file(m_store->folder() + QStringLiteral("/Consulta.INI"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QByteArray bytes;
        for (int i = 0; i < 4096; ++i)
            bytes.append(static_cast<char>((i * 37) % 256));
        file.write(bytes);
        file.close();
        TerminalSettings settings(m_store->folder());
        QCOMPARE(settings.IniVar(QStringLiteral("GONDOLA"), m_store->dm()), TerminalSettings::LoadResult::Loaded);
        QCOMPARE(settings.CodLoja, 1);
        QCOMPARE(settings.Custo, QStringLiteral("NAO"));
    }

    void everyLayoutKeyOnce()
    {
        const QStringList keys = layoutKeys();
        QCOMPARE(keys.size(), 140);
        QCOMPARE(QSet<QString>(keys.cbegin(), keys.cend()).size(), keys.size());
        QCOMPARE(keys.first(), QStringLiteral("Porta"));
        QCOMPARE(keys.last(), QStringLiteral("Obs4"));
    }

    void tiraAcento_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("lower") << "pão de açúcar à vôo" << "pao de acucar a voo";
        QTest::newRow("upper") << "LINGÜIÇA ÂNCORA ÉÍÓÚ" << "LINGUICA ANCORA EIOU";
        QTest::newRow("outside the list stays") << "è ñ ï ß" << "è ñ ï ß";
        QTest::newRow("plain") << "ARROZ 5KG" << "ARROZ 5KG";
    }
    void tiraAcento()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(TiraAcento(text), expected);
    }

private:
    std::unique_ptr<FixtureStore> m_store;
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
