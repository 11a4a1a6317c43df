#include "SqlValues.h"

QDateTime sqlDateTime(const QVariant &value)
{
    if (value.isNull())
        return {};
    if (value.metaType().id() == QMetaType::QDateTime)
        return value.toDateTime();
    if (value.metaType().id() == QMetaType::QDate)
        return value.toDate().startOfDay();
    const QString text = value.toString().trimmed();
    if (text.isEmpty())
        return {};
    QDateTime parsed = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!parsed.isValid())
        parsed = QDateTime::fromString(text, Qt::ISODate);
    if (!parsed.isValid())
        parsed = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    if (!parsed.isValid()) {
        const QDate date = QDate::fromString(text.left(10), Qt::ISODate);
        if (date.isValid() && text.size() == 10)
            parsed = date.startOfDay();
    }
    return parsed;
}

std::optional<double> sqlNumber(const QVariant &value)
{
    if (value.isNull())
        return std::nullopt;
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok ? std::optional<double>(number) : std::nullopt;
}

std::optional<QTime> sqlTimeOfDay(const QVariant &value)
{
    if (value.isNull())
        return std::nullopt;
    if (value.metaType().id() == QMetaType::QTime)
        return value.toTime().isValid() ? std::optional<QTime>(value.toTime()) : std::nullopt;
    if (value.metaType().id() == QMetaType::QDateTime)
        return value.toDateTime().isValid() ? std::optional<QTime>(value.toDateTime().time()) : std::nullopt;
    const QString text = value.toString().trimmed();
    for (const QString &format : {QStringLiteral("H:mm:ss"), QStringLiteral("H:mm"), QStringLiteral("H:mm:ss.zzz")}) {
        const QTime time = QTime::fromString(text, format);
        if (time.isValid())
            return time;
    }
    const QDateTime moment = sqlDateTime(text);
    return moment.isValid() ? std::optional<QTime>(moment.time()) : std::nullopt;
}
