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

QString RegionalSettings::formatMoney(double value) const
{
    const QString amount = formatAmount(std::fabs(value));
    const bool negative = value < 0 && amount.contains(QRegularExpression(QStringLiteral("[1-9]")));
    return (negative ? QStringLiteral("-") : QString()) + currencySymbol + QLatin1Char(' ') + amount;
}

std::optional<double> RegionalSettings::parseNumber(const QString &text) const
{
    const QString thousands = QRegularExpression::escape(QString(thousandsSeparator));
    const QString decimal = QRegularExpression::escape(QString(decimalSeparator));
    const QRegularExpression pattern(QStringLiteral("^\\s*([+-]?)\\s*(\\d{1,3}(?:%1\\d{3})+|\\d+)(?:%2(\\d+))?\\s*$")
                                         .arg(thousands, decimal));
    const auto match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    QString plain = match.captured(1) + match.captured(2).remove(thousandsSeparator);
    if (match.hasCaptured(3))
        plain += QLatin1Char('.') + match.captured(3);
    bool ok = false;
    const double value = plain.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
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
