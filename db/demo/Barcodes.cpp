#include "Barcodes.h"

#include "core/Ean.h"

namespace demo {
namespace {

constexpr int kShortRange = 10000; // four digits after the prefix of an EAN-8

QString withCheckDigit(const QString &digits) { return digits + QString::number(eanCheckDigit(digits)); }

QString padded(qint64 number, int width) { return QString::number(number).rightJustified(width, QLatin1Char('0')); }

} // namespace

QString Barcodes::forProduct(int code, const QString &brand, bool weighed, bool shortCode)
{
    // Scale labels carry five digits of the product code (CONFIGURACAO.COD_BAL).
    if (weighed && code <= 99999)
        return withCheckDigit(QStringLiteral("2") + padded(code, 5) + QStringLiteral("000000"));
    if (shortCode && m_shortProducts < kShortRange)
        return withCheckDigit(QStringLiteral("789") + padded(m_shortProducts++, 4));
    auto company = m_companies.find(brand);
    if (company == m_companies.end())
        company = m_companies.insert(brand, m_nextCompany++);
    // A brand with more than 100 000 items moves on to a second company number.
    const int item = m_items[*company]++;
    return withCheckDigit(QStringLiteral("789") + padded(*company + 4500 * (item / 100000), 4) + padded(item % 100000, 5));
}

QString Barcodes::linked(bool shortCode)
{
    if (shortCode && m_shortLinked < kShortRange)
        return withCheckDigit(QStringLiteral("790") + padded(m_shortLinked++, 4));
    // Stepping by a prime spreads the numbers over the whole range without ever repeating.
    constexpr qint64 range = 1000000000;
    return withCheckDigit(QStringLiteral("790") + padded((123456789 + m_linked++ * 7919) % range, 9));
}

QString Barcodes::packaging(const QString &ean13, int indicator)
{
    return withCheckDigit(QString::number(indicator) + ean13.left(12));
}

} // namespace demo
