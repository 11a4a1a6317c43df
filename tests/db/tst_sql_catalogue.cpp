#include "core/SqlStatement.h"
#include "support/FixtureStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <QTest>

namespace {

// Named parameters become T-SQL variables for the parser; text inside quotes is left alone.
QString withVariables(const QString &sql)
{
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        const bool parameter = !quoted && c == QLatin1Char(':') && i + 1 < sql.size()
                            && (sql.at(i + 1).isLetter() || sql.at(i + 1) == QLatin1Char('_'));
        out.append(parameter ? QChar(QLatin1Char('@')) : c);
    }
    return out;
}

} // namespace

class TestSqlCatalogue : public QObject {
    Q_OBJECT

private slots:
    void catalogueIsLinkedIn()
    {
        QStringList names;
        for (const SqlStatement *s : sqlCatalogue())
            names.append(s->name);
        QVERIFY2(names.contains(QStringLiteral("adProd")) && names.contains(QStringLiteral("adEmp")),
                 qPrintable(names.join(QLatin1Char(' '))));
    }

    void everyStatementPreparesOnTheEmbeddedStore()
    {
        FixtureStore store;
        QStringList failures;
        for (const SqlStatement *statement : sqlCatalogue()) {
            QSqlQuery query = store.dm().prepare(*statement);
            if (!query.lastError().text().trimmed().isEmpty() || query.lastQuery().isEmpty())
                failures.append(statement->name + QStringLiteral(": ") + query.lastError().text());
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    }

    void everyStatementParsesAsTransactSql()
    {
        QJsonArray statements;
        for (const SqlStatement *statement : sqlCatalogue())
            statements.append(QJsonObject{{QStringLiteral("name"), statement->name},
                                          {QStringLiteral("sql"), withVariables(statement->sqlServer)}});
        QTemporaryFile file;
        QVERIFY(file.open());
        file.write(QJsonDocument(statements).toJson());
        file.flush();

        const QString tools = qEnvironmentVariable("CONSULTA_SOURCE_DIR") + QStringLiteral("/tests/tools");
        QProcess node;
        node.setWorkingDirectory(tools);
        node.start(QStringLiteral("node"), {tools + QStringLiteral("/check-tsql.js"), file.fileName()});
        QVERIFY2(node.waitForFinished(60000), "node did not finish");
        const QString output = QString::fromUtf8(node.readAllStandardOutput() + node.readAllStandardError());
        QVERIFY2(node.exitStatus() == QProcess::NormalExit && node.exitCode() == 0, qPrintable(output));
    }
};

QTEST_MAIN(TestSqlCatalogue)
#include "tst_sql_catalogue.moc"
