#include "RegionalSettings.h"

#include <QRegularExpression>

#include <cmath>

namespace platform {
namespace {
RegionalSettings &instance()
{
    static RegionalSettings settings;
    return settings;
}
} // namespace

const RegionalSettings &RegionalSettings::current() { return instance(); }

void RegionalSettings::setCurrent(const RegionalSettings &settings) { instance() = settings; }

QString RegionalSettings::formatAmount(double value) const
{
    const bool negative = value < 0;
    // Half away from zero on the value as written with two decimals.
    const QString fixed = QString::number(std::fabs(value), 'f', 2);
    const qsizetype point = fixed.indexOf(QLatin1Char('.'));
    const QString whole = fixed.left(point);
    QString grouped;
    for (qsizetype i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            grouped.append(thousandsSeparator);
        grouped.append(whole.at(i));
    }
    QString text = grouped + decimalSeparator + fixed.mid(point + 1);
    if (negative && text.contains(QRegularExpression(QStringLiteral("[1-9]"))))
        text.prepend(QLatin1Char('-'));
    return text;
}

QString RegionalSettings::formatGeneral(double value) const
{
    QString text = QString::number(value, 'g', 15);
    text.replace(QLatin1Char('.'), decimalSeparator);
    return text;
}

QString RegionalSettings::formatDate(const QDate &date) const
{
    return date.isValid() ? date.toString(shortDateFormat) : QString();
}

QString RegionalSettings::formatFixed(double value, int decimals) const
{
    QString text = QString::number(value, 'f', decimals);
    text.replace(QLatin1Char('.'), decimalSeparator);
    return text;
}

QString RegionalSettings::formatShortTime(const QTime &time) const
{
    return time.isValid() ? time.toString(shortTimeFormat) : QString();
}

QString RegionalSettings::formatLongTime(const QTime &time) const
{
    return time.isValid() ? time.toString(longTimeFormat) : QString();
}

} // namespace platform
