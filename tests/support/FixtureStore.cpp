#include "FixtureStore.h"

#include "core/EmbeddedStore.h"
#include "platform/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

namespace {
int fixtureCounter = 0;
}

FixtureStore::FixtureStore()
    : m_connection(QStringLiteral("fixture#%1").arg(++fixtureCounter))
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(databasePath());
    QString error;
    if (!db.open() || !embedded_store::createSchema(db, &error))
        qFatal("fixture store: %s %s", qPrintable(error), qPrintable(db.lastError().text()));
    embedded_store::registerFunctions(db);
    const QString store = QStringLiteral("sqlite:") + databasePath();
    m_dm = std::make_unique<TDMSqls>(TDMSqls::ConnectionStrings{store, store}, folder());
}

FixtureStore::~FixtureStore()
{
    m_dm.reset();
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

QString FixtureStore::databasePath() const { return QDir(folder()).filePath(QStringLiteral("consulta.db")); }

void FixtureStore::writeIni(const QString &text, const QString &fileName) const
{
    QFile file(QDir(folder()).filePath(fileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(fileName));
    file.write(platform::toWindows1252(text));
}

void FixtureStore::exec(const QString &sql, const QVariantMap &values) const
{
    QSqlQuery query(QSqlDatabase::database(m_connection));
    query.prepare(sql);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        query.bindValue(QLatin1Char(':') + it.key(), it.value());
    if (!query.exec())
        qFatal("fixture: %s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
}

void FixtureStore::insert(const QString &table, const QVariantMap &row) const
{
    QStringList columns = row.keys();
    QStringList params;
    for (const QString &c : columns)
        params.append(QLatin1Char(':') + c);
    exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, columns.join(QLatin1Char(',')), params.join(QLatin1Char(','))),
         row);
}
