#pragma once

#include <QChar>
#include <QDate>
#include <QString>
#include <QTime>

#include <optional>

// Money, amounts and dates as the store's regional settings write them; Brazilian defaults,
// one place to change them.
namespace platform {

struct RegionalSettings {
    QString currencySymbol = QStringLiteral("R$");
    QChar decimalSeparator = QLatin1Char(',');
    QChar thousandsSeparator = QLatin1Char('.');
    QString shortDateFormat = QStringLiteral("dd/MM/yyyy");
    QString shortTimeFormat = QStringLiteral("HH:mm");
    QString longTimeFormat = QStringLiteral("HH:mm:ss");

    static const RegionalSettings &current();
    static void setCurrent(const RegionalSettings &settings);

    // "#,##0.00": thousands separator and two decimals.
    QString formatAmount(double value) const;
    // The general number format: shortest text, no thousands separator.
    QString formatGeneral(double value) const;
    QString formatDate(const QDate &date) const;
    // A fixed number of decimals and no thousands separator ("0.00").
    QString formatFixed(double value, int decimals) const;
    QString formatShortTime(const QTime &time) const;
    QString formatLongTime(const QTime &time) const;
    // The money format: currency symbol, a blank, the amount with thousands separator and
    // two decimals ("R$ 1.234,56", "-R$ 0,50").
    QString formatMoney(double value) const;
    // A number as typed under these settings: optional sign, thousands separators only
    // between groups of three digits, the decimal separator; blanks around are allowed.
    std::optional<double> parseNumber(const QString &text) const;
};

} // namespace platform
