#pragma once

#include <QDateTime>
#include <QVariant>

#include <optional>

// Column values as both backends return them: SQL Server gives typed dates, the embedded
// store ISO text.
QDateTime sqlDateTime(const QVariant &value);
// A number column; nullopt when the value is not a number.
std::optional<double> sqlNumber(const QVariant &value);
