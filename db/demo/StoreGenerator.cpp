#include "StoreGenerator.h"

#include "StoreParts.h"
#include "core/EmbeddedStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace demo {

StoreGenerator::StoreGenerator(const StoreSize &size, quint32 seed, const QDateTime &now)
    : m_size(size)
    , m_seed(seed)
    , m_now(now)
{
}

bool StoreGenerator::generate(QSqlDatabase &database, QString *error)
{
    const auto fail = [error](const QString &message) {
        if (error)
            *error = message;
        return false;
    };
    // A store being built is not in use yet: nothing to protect from a crash halfway, so
    // the journal stays in memory and nothing waits for the disk; a 256 MB page cache keeps
    // the index inserts of a large store off the disk too.
    QSqlQuery pragma(database);
    for (const char *statement : {"PRAGMA journal_mode=MEMORY", "PRAGMA synchronous=OFF", "PRAGMA temp_store=MEMORY",
                                  "PRAGMA cache_size=-262144"})
        if (!pragma.exec(QString::fromLatin1(statement)))
            return fail(pragma.lastError().text());
    pragma.finish();
    QString schemaError;
    if (!embedded_store::createSchema(database, &schemaError))
        return fail(schemaError);

    // Indexing each product's description as it goes in would double the time of a large
    // store: the index is built in one pass once the products are in.
    if (!embedded_store::setTriggersEnabled(database, false))
        return fail(QStringLiteral("cannot set the triggers aside"));
    if (!database.transaction())
        return fail(database.lastError().text());
    StoreContext context{database, m_seed, moment(m_now.date(), m_now.time()), {}, {}};
    const bool written = writeReferenceData(context) && writeProducts(context, m_size.products)
        && writeLinkedBarcodes(context, m_size.linkedBarcodes) && writeCustomers(context, m_size.customers)
        && writeStaff(context) && writeProduction(context) && writeOrderTabs(context) && writeSales(context)
        && writeStockEntries(context);
    QString problem = written ? QString() : context.error;
    if (!embedded_store::setTriggersEnabled(database, true) && problem.isEmpty())
        problem = QStringLiteral("cannot restore the triggers");
    if (problem.isEmpty()
        && !pragma.exec(QStringLiteral("INSERT INTO PRODUTO_DESCRICAO_TRIGRAMA (PRODUTO_DESCRICAO_TRIGRAMA) VALUES ('rebuild')")))
        problem = pragma.lastError().text();
    if (!problem.isEmpty()) {
        database.rollback();
        return fail(problem);
    }
    if (!database.commit())
        return fail(database.lastError().text());
    return true;
}

bool StoreGenerator::writeFile(const QString &path, QString *error)
{
    const QFileInfo target(path);
    const QString building = target.dir().filePath(
        QStringLiteral(".%1.%2.tmp").arg(target.fileName()).arg(QCoreApplication::applicationPid()));
    const QString connection = QStringLiteral("store-generator:") + building;
    QString problem;
    bool built = false;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(building);
        if (database.open())
            built = generate(database, &problem);
        else
            problem = database.lastError().text();
        database.close();
    }
    QSqlDatabase::removeDatabase(connection);
    if (built && target.exists() && !QFile::remove(path)) {
        problem = QStringLiteral("não foi possível substituir %1").arg(path);
        built = false;
    }
    if (built && !QFile::rename(building, path)) {
        problem = QStringLiteral("não foi possível renomear %1").arg(building);
        built = false;
    }
    if (!built) {
        QFile::remove(building);
        if (error)
            *error = problem;
    }
    return built;
}

} // namespace demo
