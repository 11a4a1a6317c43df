#pragma once

#include <QDateTime>
#include <QTime>
#include <QVariant>

#include <optional>

// Column values as both backends return them: SQL Server gives typed dates, the embedded
// store ISO text.
QDateTime sqlDateTime(const QVariant &value);
// A number column; nullopt when the value is not a number.
std::optional<double> sqlNumber(const QVariant &value);
// A time-of-day column: 'HH:mm' or 'HH:mm:ss' text on the embedded store, a time or a
// date-time on SQL Server; nullopt when empty or not a time.
std::optional<QTime> sqlTimeOfDay(const QVariant &value);
