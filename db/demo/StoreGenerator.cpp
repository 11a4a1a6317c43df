#include "StoreGenerator.h"

#include "StoreParts.h"
#include "core/EmbeddedStore.h"

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

    if (!database.transaction())
        return fail(database.lastError().text());
    StoreContext context{database, m_seed, moment(m_now.date(), m_now.time()), {}, {}};
    const bool written = writeReferenceData(context) && writeProducts(context, m_size.products)
        && writeLinkedBarcodes(context, m_size.linkedBarcodes) && writeCustomers(context, m_size.customers)
        && writeStaff(context) && writeProduction(context) && writeOrderTabs(context) && writeSales(context)
        && writeStockEntries(context);
    if (!written) {
        database.rollback();
        return fail(context.error);
    }
    if (!database.commit())
        return fail(database.lastError().text());
    return true;
}

} // namespace demo
