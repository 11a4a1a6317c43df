#include "GondolaPrint.h"

#include "platform/RegionalSettings.h"


namespace {

double roundedToCents(double value) { return QString::number(value, 'f', 2).toDouble(); }

} // namespace

bool soldByKilo(const QStringList &label)
{
    return GondolaPrint::cell(label, GondolaPrint::Unit).trimmed().toUpper() == QStringLiteral("KG");
}

std::optional<QString> pricePer100g(const QString &priceText)
{
    const auto &regional = platform::RegionalSettings::current();
    const auto amount = regional.parseNumber(QString(priceText).remove(QStringLiteral("R$")));
    if (!amount)
        return std::nullopt;
    // "0.##": up to two decimals, no thousands separator.
    QString text = QString::number(roundedToCents(*amount / 10), 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return QStringLiteral("R$ ") + text.replace(QLatin1Char('.'), regional.decimalSeparator);
}

std::optional<QString> moneyIn8(const QString &priceText)
{
    QString text = priceText;
    for (const QChar dropped : {QLatin1Char('R'), QLatin1Char('$')}) {
        const qsizetype at = text.indexOf(dropped);
        if (at >= 0)
            text.remove(at, 1);
    }
    const auto &regional = platform::RegionalSettings::current();
    const auto amount = regional.parseNumber(text);
    if (!amount)
        return std::nullopt;
    return regional.formatMoney(*amount).rightJustified(8, QLatin1Char(' '));
}

QString invalidValueMessage(const QString &value)
{
    return QStringLiteral("'%1' não é um valor válido.").arg(value);
}
