#include "ShelfPrice.h"

#include "core/SqlValues.h"
#include "platform/RegionalSettings.h"

namespace {

QDateTime dateOrEarliest(const QVariant &value)
{
    const QDateTime date = sqlDateTime(value);
    return date.isValid() ? date : QDateTime(QDate(1899, 12, 30), QTime(0, 0));
}

} // namespace

ShelfPrice shelfPrice(const QSqlRecord &product, const QDate &today)
{
    const QDateTime day = today.startOfDay();
    const bool inPromotion = day >= dateOrEarliest(product.value(QStringLiteral("DATA_PROM_INICIAL")))
        && day <= dateOrEarliest(product.value(QStringLiteral("DATA_PROM_FINAL")));
    const QString column = inPromotion ? QStringLiteral("VLR_PRECO_PROMOCAO") : QStringLiteral("VLR_PRECO");
    return {sqlNumber(product.value(column)).value_or(0), inPromotion};
}

QString promotionText(const QString &textoPromocao, const QVariant &dataPromFinal)
{
    const QDateTime end = sqlDateTime(dataPromFinal);
    const auto &regional = platform::RegionalSettings::current();
    QString date = regional.formatDate(end.date());
    if (end.isValid() && end.time() != QTime(0, 0))
        date += QLatin1Char(' ') + regional.formatLongTime(end.time());
    const QString lead = textoPromocao.trimmed().isEmpty() ? QStringLiteral("Promocao") : textoPromocao;
    return lead + QLatin1Char(' ') + date;
}
