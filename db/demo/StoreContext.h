#pragma once

#include "TableWriter.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>

#include <vector>

namespace demo {

// What the later parts of the store need to know about a product written earlier.
struct ProductSummary {
    int code;
    double price;
    bool byWeight;
    bool active;
};

// The random stream of each part of the store (see DemoRandom).
enum class Stream : quint32 { Products = 1, LinkedBarcodes, Customers, Staff, Tabs, Production, Sales, StockEntries };

// Shared by the steps that fill the store.
struct StoreContext {
    QSqlDatabase database;
    quint32 seed;
    // The moment of creation (see moment()): promotions, sales and punches are placed
    // around it.
    QDateTime now;
    std::vector<ProductSummary> products;
    QString error;

    QDate today() const { return now.date(); }
    TableWriter writer(const QString &table, const QStringList &columns) { return {database, table, columns}; }
    // Records the writer's failure; always false, so that a step can `return failed(w)`.
    bool failed(const TableWriter &writer)
    {
        error = writer.error();
        return false;
    }
};

// A wall-clock moment of the store. The store keeps local times as text, so the generator
// works without time zones: a local-time conversion would cost a system call each time.
inline QDateTime moment(const QDate &day, const QTime &time) { return QDateTime(day, time, Qt::UTC); }

// Dates as the embedded store keeps them.
inline QString isoMoment(const QDateTime &moment) { return moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")); }
inline QString isoDay(const QDate &day) { return day.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 00:00:00"); }

} // namespace demo
