#include "core/Ean.h"
#include "core/IniFile.h"
#include "core/TerminalSettings.h"
#include "platform/Windows1252.h"
#include "support/FixtureStore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList kFiles = {QStringLiteral("Consulta.INI"), QStringLiteral("EtiquetaArmazena.INI"), QStringLiteral("consulta.db"),
                            QStringLiteral("logo.png")};

struct Run {
    int exitCode;
    QString out;
    QString err;
};

Run runDemo(const QString &folder)
{
    const QString binDir = qEnvironmentVariable("CONSULTA_BIN_DIR", QCoreApplication::applicationDirPath());
    QProcess process;
    process.start(QDir(binDir).filePath(QStringLiteral("consulta-demo")), {folder});
    if (!process.waitForFinished(120000))
        qFatal("consulta-demo did not finish: %s", qPrintable(process.errorString()));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString isoNow() { return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")); }
QString isoDay(const QDate &day) { return day.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 00:00:00"); }

} // namespace

class TestDemoStore : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_connection = QStringLiteral("demo-store");

    QSqlDatabase db() const { return QSqlDatabase::database(m_connection); }

    // Runs a query with :now, :today and :tomorrow bound when it names them.
    QSqlQuery query(const QString &sql) const
    {
        QSqlQuery q(db());
        if (!q.prepare(sql))
            qFatal("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
        const QDate today = QDate::currentDate();
        if (sql.contains(QLatin1String(":now")))
            q.bindValue(QStringLiteral(":now"), isoNow());
        if (sql.contains(QLatin1String(":today")))
            q.bindValue(QStringLiteral(":today"), isoDay(today));
        if (sql.contains(QLatin1String(":tomorrow")))
            q.bindValue(QStringLiteral(":tomorrow"), isoDay(today.addDays(1)));
        if (!q.exec())
            qFatal("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
        return q;
    }

    qint64 count(const QString &sql) const
    {
        QSqlQuery q = query(sql);
        return q.next() ? q.value(0).toLongLong() : -1;
    }

    // Products, linked barcodes and customers as text, to compare two stores.
    QString catalogueOf(const QString &databasePath) const
    {
        const QString name = QStringLiteral("catalogue");
        QString text;
        {
            QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            other.setDatabaseName(databasePath);
            other.open();
            for (const char *sql : {"SELECT COD_PROD, DESCRICAO, CODIGO_BARRAS, FLG_UNIDADE_VENDA, CHK_ATIVO, VLR_PRECO, "
                                    "VLR_PRECO_PROMOCAO, CONTEUDO, CONTEUDO_UN, COD_DEPART FROM PRODUTO ORDER BY COD_PROD",
                                    "SELECT COD_PROD, CODIGO_BARRAS FROM BARRAS_VINCULADA ORDER BY ROWID",
                                    "SELECT COD_CLI, Codigo_Barras, Nome, Pontos, vlr_Saldo FROM Cliente ORDER BY COD_CLI"}) {
                QSqlQuery q(other);
                q.exec(QString::fromLatin1(sql));
                while (q.next())
                    for (int c = 0; c < q.record().count(); ++c)
                        text += q.value(c).toString() + QLatin1Char(c + 1 < q.record().count() ? '|' : '\n');
            }
        }
        QSqlDatabase::removeDatabase(name);
        return text;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const Run run = runDemo(m_dir.path());
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QCOMPARE(run.out.count(QStringLiteral("Gravado: ")), kFiles.size());
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), QStringList({"Consulta.INI", "EtiquetaArmazena.INI", "consulta.db", "logo.png"}));
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        database.setDatabaseName(QDir(m_dir.path()).filePath(QStringLiteral("consulta.db")));
        QVERIFY(database.open());
    }

    void cleanupTestCase()
    {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }

    void storeHolds_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<qint64>("minimum");

        QTest::newRow("2000 active products") << "SELECT COUNT(*) FROM PRODUTO WHERE CHK_ATIVO = 'T'" << qint64(2000);
        QTest::newRow("some inactive products") << "SELECT COUNT(*) FROM PRODUTO WHERE CHK_ATIVO = 'F'" << qint64(1);
        QTest::newRow("12 departments") << "SELECT COUNT(*) FROM DEPARTAMENTO" << qint64(12);
        QTest::newRow("products in 12 departments") << "SELECT COUNT(DISTINCT COD_DEPART) FROM PRODUTO" << qint64(12);
        QTest::newRow("departments in the local stock")
            << "SELECT COUNT(*) FROM DEPARTAMENTO WHERE CHK_ESTOQUE_LOCAL = 'T'" << qint64(1);
        QTest::newRow("sub-departments") << "SELECT COUNT(DISTINCT COD_DEPART || '/' || COD_SUBDEPART) FROM PRODUTO" << qint64(24);
        QTest::newRow("sold by kilogram")
            << "SELECT COUNT(*) FROM PRODUTO WHERE FLG_UNIDADE_VENDA = 'KG' AND CHK_ATIVO = 'T' AND CONTEUDO = 0" << qint64(20);
        for (const char *unit : {"G", "ML", "KG", "L", "CM", "M"})
            QTest::addRow("content in %s", unit)
                << QStringLiteral("SELECT COUNT(*) FROM PRODUTO WHERE CONTEUDO > 0 AND CONTEUDO_UN = '%1'").arg(QLatin1String(unit))
                << qint64(1);
        QTest::newRow("accented descriptions") << "SELECT COUNT(*) FROM PRODUTO WHERE DESCRICAO LIKE '%ÃO%'" << qint64(10);
        QTest::newRow("percent in descriptions") << "SELECT COUNT(*) FROM PRODUTO WHERE DESCRICAO LIKE '%\\%%' ESCAPE '\\'" << qint64(3);
        QTest::newRow("apostrophe in descriptions") << "SELECT COUNT(*) FROM PRODUTO WHERE DESCRICAO LIKE '%D''ÁGUA%'" << qint64(2);
        QTest::newRow("short gondola texts") << "SELECT COUNT(*) FROM PRODUTO WHERE ROTULO <> ''" << qint64(1);
        QTest::newRow("supplier references") << "SELECT COUNT(*) FROM PRODUTO WHERE REFERENCIA_FORN LIKE 'R%'" << qint64(1);
        QTest::newRow("packaging barcodes")
            << "SELECT COUNT(*) FROM PRODUTO WHERE LENGTH(BARRAS_EMBALAGEM) = 14 AND VLR_FATOR_CONV_COMPRA > 1" << qint64(1);
        QTest::newRow("linked barcodes") << "SELECT COUNT(*) FROM BARRAS_VINCULADA" << qint64(100);
        QTest::newRow("product with two linked barcodes")
            << "SELECT COUNT(*) FROM (SELECT COD_PROD FROM BARRAS_VINCULADA GROUP BY COD_PROD HAVING COUNT(*) > 1)" << qint64(1);
        QTest::newRow("customer cards")
            << "SELECT COUNT(*) FROM Cliente WHERE LENGTH(Codigo_Barras) = 8 AND COD_PROD = COD_CLI AND Pontos > 0 AND vlr_Saldo > 0"
            << qint64(10);
        QTest::newRow("employees with badge and password")
            << "SELECT COUNT(*) FROM Funcionario f JOIN Senha s ON s.Codigo = f.Cod_func AND s.flg_origem = 'F' "
               "WHERE LENGTH(f.Codigo_Barras) = 8 AND s.Senha <> ''" << qint64(10);
        QTest::newRow("employees who authorize") << "SELECT COUNT(*) FROM Senha WHERE flg_origem = 'F' AND CHK_SANGRIAS = 'T'" << qint64(1);
        QTest::newRow("employees who do not") << "SELECT COUNT(*) FROM Senha WHERE flg_origem = 'F' AND CHK_SANGRIAS = 'F'" << qint64(1);
        QTest::newRow("night shift")
            << "SELECT COUNT(*) FROM Funcionario WHERE HORA_ENTRADA = '22:00' AND HORA_SAIDA = '06:00'" << qint64(1);
        QTest::newRow("tolerance") << "SELECT COUNT(*) FROM Funcionario WHERE TOLERANCIA_MINUTOS > 0" << qint64(1);
        QTest::newRow("break punched") << "SELECT COUNT(*) FROM Funcionario WHERE CHK_REGISTRA_INTERVALO = 'T'" << qint64(1);
        QTest::newRow("break not punched") << "SELECT COUNT(*) FROM Funcionario WHERE CHK_REGISTRA_INTERVALO = 'F'" << qint64(1);
        QTest::newRow("fingerprints") << "SELECT COUNT(*) FROM Enroll WHERE COD_FUN > 0" << qint64(1);
        QTest::newRow("punches of the last days") << "SELECT COUNT(*) FROM Ponto WHERE Movimento < :today" << qint64(10);
        QTest::newRow("open tabs with items")
            << "SELECT COUNT(DISTINCT n.NUM_COMANDA) FROM CMD_NOTA n JOIN CMD_ITEM i ON i.DOCUMENTO = n.DOCUMENTO "
               "WHERE n.CHK_Baixa = 'F' AND i.CHK_BAIXA = 'F' AND (i.CHK_CANCELADO = 'F' OR i.CHK_CANCELADO IS NULL)" << qint64(5);
        QTest::newRow("settled tabs") << "SELECT COUNT(*) FROM CMD_NOTA WHERE CHK_Baixa = 'T'" << qint64(1);
        QTest::newRow("blocked tab with open items")
            << "SELECT COUNT(*) FROM CART_BLOQUEIO b JOIN CMD_NOTA n ON CAST(n.NUM_COMANDA AS TEXT) = b.COD_CARTELA "
               "WHERE n.CHK_Baixa = 'F'" << qint64(1);
        QTest::newRow("pending shelf labels of today")
            << "SELECT COUNT(*) FROM IMP_CONTROL_GONDOLA g JOIN PRODUTO p ON p.COD_PROD = g.COD_PROD "
               "WHERE g.FLG_STATUS = 'A' AND g.DATA >= :today AND g.DATA < :tomorrow AND p.VLR_NOVO_PRECO > 0" << qint64(1);
        QTest::newRow("3 sheet layouts") << "SELECT COUNT(*) FROM etq_cfg WHERE NUM_COL >= 1 AND LAR_ETQ > 0" << qint64(3);
        QTest::newRow("recipes") << "SELECT COUNT(*) FROM RECEITA WHERE VALIDADE > 0 AND OBS_ETIQUETA <> ''" << qint64(1);
        QTest::newRow("production orders with items")
            << "SELECT COUNT(DISTINCT n.NUMERO) FROM producao_pedido_nota n JOIN PRODUCAO_PEDIDO_ITEM i ON i.NUMERO = n.NUMERO "
               "JOIN Funcionario f ON f.Cod_func = n.COD_RESPONSAVEL" << qint64(1);
        QTest::newRow("production takes from stock") << "SELECT COUNT(*) FROM TRANSF_PROD_PRODUCAO" << qint64(1);
        QTest::newRow("configuration row") << "SELECT COUNT(*) FROM CONFIGURACAO WHERE COD_BAL > 0" << qint64(1);
        QTest::newRow("a week of sales") << "SELECT COUNT(DISTINCT DATA_SAIDA) FROM VND_ITEM WHERE DATA_SAIDA >= date(:today, '-6 days')"
                                         << qint64(6);
        QTest::newRow("cancelled sales") << "SELECT COUNT(*) FROM VND_ITEM WHERE CHK_EXCLUIDO = 'T'" << qint64(1);
        QTest::newRow("stock entries")
            << "SELECT COUNT(DISTINCT e.COD_ENTRADA) FROM ENTRADA_ESTOQUE e JOIN items_entrada i ON i.COD_ENTRADA = e.COD_ENTRADA"
            << qint64(1);
        QTest::newRow("store row") << "SELECT COUNT(*) FROM loja WHERE cod_loja = 1 AND NOME_REDUZIDO = 'SUPERMERCADO BOM PREÇO'"
                                   << qint64(1);
    }

    void storeHolds()
    {
        QFETCH(QString, sql);
        QFETCH(qint64, minimum);
        const qint64 found = count(sql);
        QVERIFY2(found >= minimum, qPrintable(QStringLiteral("%1 rows, at least %2 expected").arg(found).arg(minimum)));
    }

    void storeIsConsistent_data()
    {
        QTest::addColumn<QString>("sql");

        QTest::newRow("descriptions fit 50 characters") << "SELECT COUNT(*) FROM PRODUTO WHERE LENGTH(DESCRICAO) > 50";
        QTest::newRow("descriptions in upper case") << "SELECT COUNT(*) FROM PRODUTO WHERE DESCRICAO GLOB '*[a-z]*'";
        QTest::newRow("one product per barcode")
            << "SELECT COUNT(*) - COUNT(DISTINCT CODIGO_BARRAS) FROM (SELECT CODIGO_BARRAS FROM PRODUTO "
               "UNION ALL SELECT CODIGO_BARRAS FROM BARRAS_VINCULADA)";
        QTest::newRow("linked barcodes of active products")
            << "SELECT COUNT(*) FROM BARRAS_VINCULADA b LEFT JOIN PRODUTO p ON p.COD_PROD = b.COD_PROD "
               "WHERE p.CHK_ATIVO IS NOT 'T'";
        QTest::newRow("products in known sub-departments")
            << "SELECT COUNT(*) FROM PRODUTO p WHERE NOT EXISTS (SELECT 1 FROM SUB_DEPARTAMENTO s "
               "WHERE s.cod_depart = p.COD_DEPART AND s.cod_subdepart = p.COD_SUBDEPART)";
        QTest::newRow("promotion prices below the price")
            << "SELECT COUNT(*) FROM PRODUTO WHERE DATA_PROM_INICIAL IS NOT NULL AND NOT (VLR_PRECO_PROMOCAO BETWEEN 0.02 AND VLR_PRECO)";
        QTest::newRow("customer cards of eight characters") << "SELECT COUNT(*) FROM Cliente WHERE LENGTH(Codigo_Barras) <> 8";
        QTest::newRow("cards are not product codes")
            << "SELECT COUNT(*) FROM Cliente c JOIN PRODUTO p ON p.COD_PROD = CAST(c.Codigo_Barras AS INTEGER) "
               "OR p.CODIGO_BARRAS = c.Codigo_Barras";
        QTest::newRow("tab items have a quantity") << "SELECT COUNT(*) FROM CMD_ITEM WHERE VLR_QTDE <= 0";
        QTest::newRow("no sale after the moment of creation")
            << "SELECT COUNT(*) FROM VND_ITEM WHERE substr(DATA_SAIDA, 1, 10) || ' ' || HORA_SAIDA > :now";
        QTest::newRow("no punch after the moment of creation")
            << "SELECT COUNT(*) FROM Ponto WHERE MAX(Hora_Entrada, IFNULL(Ent_Inter, ''), IFNULL(Sai_Inter, ''), "
               "IFNULL(Hora_Saida, '')) > :now";
    }

    void storeIsConsistent()
    {
        QFETCH(QString, sql);
        QCOMPARE(count(sql), 0);
    }

    void promotionsAroundToday_data()
    {
        QTest::addColumn<QString>("condition");

        QTest::newRow("running") << "DATA_PROM_INICIAL <= :now AND DATA_PROM_FINAL >= :today AND VLR_PRECO_PROMOCAO > 0.01";
        QTest::newRow("ending today") << "DATA_PROM_INICIAL <= :now AND DATA_PROM_FINAL = :today";
        QTest::newRow("starting later today") << "DATA_PROM_INICIAL > :now AND DATA_PROM_INICIAL < :tomorrow";
        QTest::newRow("starting another day") << "DATA_PROM_INICIAL >= :tomorrow AND DATA_PROM_FINAL > DATA_PROM_INICIAL";
        QTest::newRow("ended") << "DATA_PROM_FINAL < :today AND DATA_PROM_INICIAL < DATA_PROM_FINAL";
    }

    void promotionsAroundToday()
    {
        QFETCH(QString, condition);
        QVERIFY(count(QStringLiteral("SELECT COUNT(*) FROM PRODUTO WHERE CHK_ATIVO = 'T' AND ") + condition) >= 1);
    }

    void everyBarcodeHasItsCheckDigit()
    {
        QSqlQuery q = query(QStringLiteral("SELECT CODIGO_BARRAS FROM PRODUTO UNION ALL SELECT CODIGO_BARRAS FROM BARRAS_VINCULADA"));
        QHash<int, int> lengths;
        while (q.next()) {
            const QString code = q.value(0).toString();
            QVERIFY2(isValidEan(code), qPrintable(code));
            ++lengths[int(code.size())];
        }
        QVERIFY(lengths.value(13) > 2000);
        QVERIFY(lengths.value(8) > 10);
        QCOMPARE(lengths.size(), 2);

        QSqlQuery boxes = query(QStringLiteral("SELECT BARRAS_EMBALAGEM FROM PRODUTO WHERE BARRAS_EMBALAGEM IS NOT NULL"));
        while (boxes.next()) {
            const QString code = boxes.value(0).toString();
            QCOMPARE(eanCheckDigit(QStringView(code).first(13)), code.back().digitValue());
        }
    }

    void scheduleTimesAreReadable()
    {
        QSqlQuery q = query(QStringLiteral(
            "SELECT HORA_ENTRADA, HORA_INTERVALO1, HORA_INTERVALO2, HORA_SAIDA, HORA_ENTRADA_SAB, HORA_INTER_SAB1, "
            "HORA_INTER_SAB2, HORA_SAIDA_SAB, HORA_ENTRADA_DOM, HORA_INTER_DOM1, HORA_INTER_DOM2, HORA_SAIDA_DOM FROM Funcionario"));
        int employees = 0;
        for (; q.next(); ++employees)
            for (int c = 0; c < 12; ++c)
                QVERIFY2(QTime::fromString(q.value(c).toString(), QStringLiteral("HH:mm")).isValid(), qPrintable(q.value(c).toString()));
        QVERIFY(employees >= 10);
    }

    // The folder works as a terminal folder: the settings reader finds the store and decodes
    // the Windows-1252 text.
    void terminalReadsTheDemoFolder()
    {
        const QString store = QStringLiteral("sqlite:consulta.db");
        TDMSqls dm({store, store}, m_dir.path());
        TerminalSettings settings(m_dir.path());
        QCOMPARE(settings.IniVar(QStringLiteral("PRODUCAO"), dm), TerminalSettings::LoadResult::Loaded);
        QCOMPARE(dm.storeShortName(), QStringLiteral("SUPERMERCADO BOM PREÇO"));
        QCOMPARE(settings.Modelo, QStringLiteral("ALLEGRO"));
        QCOMPARE(settings.CodLoja, 1);
        QCOMPARE(settings.Custo, QStringLiteral("SIM"));
        QCOMPARE(settings.layout(QStringLiteral("Porta")), QStringLiteral("COM1"));
        QCOMPARE(settings.layout(QStringLiteral("Obs1")), QStringLiteral("PREÇO "));
        QCOMPARE(settings.layout(QStringLiteral("Obs3")), QStringLiteral("FABRICAÇÃO:"));
        QCOMPARE(settings.TamDes, 40);
    }

    void configurationFilesShipAsStored()
    {
        const QDir source(QDir(qEnvironmentVariable("CONSULTA_SOURCE_DIR")).filePath(QStringLiteral("db")));
        for (const QString &name : {QStringLiteral("Consulta.INI"), QStringLiteral("EtiquetaArmazena.INI")}) {
            const QByteArray bytes = contents(source.filePath(name));
            QVERIFY2(!bytes.isEmpty(), qPrintable(name));
            QCOMPARE(contents(QDir(m_dir.path()).filePath(name)), bytes);
            QCOMPARE(bytes.count("\n"), bytes.count("\r\n"));
            QVERIFY2(platform::fromWindows1252(bytes).contains(QStringLiteral("ção")), qPrintable(name));
        }

        // One layout section for every printer model and label kind the label screens read.
        static const QRegularExpression section(QStringLiteral("^\\[(.+)\\]\r$"), QRegularExpression::MultilineOption);
        QStringList sections;
        for (auto it = section.globalMatch(QString::fromLatin1(contents(source.filePath(QStringLiteral("Consulta.INI"))))); it.hasNext();)
            sections << it.next().captured(1);
        QStringList expected{QStringLiteral("CONSULTA")};
        for (const char *model : {"ALLEGRO", "RABBIT", "ZEBRA TLP2844"})
            for (const char *kind : {"GONDOLA", "PRECO", "PRODUCAO"})
                expected << QStringLiteral("%1 %2").arg(QLatin1String(model), QLatin1String(kind));
        for (const char *model : {"ELGINL42", "BEMATECH LB1000", "ARGOX OS214PLUS", "ZEBRAZD220USB"})
            expected << QStringLiteral("%1 GONDOLA").arg(QLatin1String(model));
        QCOMPARE(sections, expected);

        const IniFile storage(source.filePath(QStringLiteral("EtiquetaArmazena.INI")));
        const QString model = storage.value(QStringLiteral("EtqArmazemento"), QStringLiteral("Modelo"));
        QCOMPARE(model, QStringLiteral("ZEBRAZD220USB"));
        QVERIFY(!storage.value(model + QStringLiteral(" GONDOLA"), QStringLiteral("ColunaDes")).isEmpty());
        QVERIFY(!storage.value(QStringLiteral("ELGINL42DT GONDOLA"), QStringLiteral("ColunaDes")).isEmpty());
    }

    void secondRunKeepsEveryFile()
    {
        QHash<QString, QByteArray> before;
        for (const QString &name : kFiles)
            before[name] = QCryptographicHash::hash(contents(QDir(m_dir.path()).filePath(name)), QCryptographicHash::Sha256);
        const Run run = runDemo(m_dir.path());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.count(QStringLiteral("Mantido: ")), kFiles.size());
        QVERIFY(!run.out.contains(QStringLiteral("Gravado")));
        QVERIFY2(run.err.contains(QStringLiteral("consulta.db já existe")), qPrintable(run.err));
        for (const QString &name : kFiles)
            QCOMPARE(QCryptographicHash::hash(contents(QDir(m_dir.path()).filePath(name)), QCryptographicHash::Sha256), before[name]);
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).size(), kFiles.size());
    }

    void sameCatalogueEveryTime()
    {
        QTemporaryDir other;
        QFile::copy(QDir(qEnvironmentVariable("CONSULTA_SOURCE_DIR")).filePath(QStringLiteral("db/Consulta.INI")),
                    other.filePath(QStringLiteral("Consulta.INI")));
        const Run run = runDemo(other.path());
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains(QStringLiteral("Mantido: ") + other.filePath(QStringLiteral("Consulta.INI"))));
        const QString first = catalogueOf(QDir(m_dir.path()).filePath(QStringLiteral("consulta.db")));
        QVERIFY(first.count(QLatin1Char('\n')) > 3000);
        QCOMPARE(catalogueOf(other.filePath(QStringLiteral("consulta.db"))), first);
    }

    void missingFolderWritesNothing()
    {
        const QString missing = QDir(m_dir.path()).filePath(QStringLiteral("nao-existe"));
        const Run run = runDemo(missing);
        QVERIFY(run.exitCode != 0);
        QVERIFY2(run.err.contains(QStringLiteral("não existe")), qPrintable(run.err));
        QVERIFY(!QFileInfo::exists(missing));
    }

    void readOnlyFolderWritesNothing()
    {
        QTemporaryDir dir;
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        if (QFileInfo(dir.path()).isWritable()) {
            QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("this user can write into a read-only folder");
        }
        const Run run = runDemo(dir.path());
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(run.exitCode != 0);
        QVERIFY2(run.err.contains(QStringLiteral("não permite gravação")), qPrintable(run.err));
        QVERIFY(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDemoStore)
#include "tst_demo_store.moc"
