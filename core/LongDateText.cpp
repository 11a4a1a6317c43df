#include "LongDateText.h"

#include <array>

QString longDateText(const QDate &date)
{
    static const std::array<QString, 7> weekDays{
        QStringLiteral("Segunda-feira"), QStringLiteral("Terça-feira"), QStringLiteral("Quarta-feira"),
        QStringLiteral("Quinta-feira"),  QStringLiteral("Sexta-feira"), QStringLiteral("Sábado"),
        QStringLiteral("Domingo")};
    static const std::array<QString, 12> months{
        QStringLiteral("Janeiro"),  QStringLiteral("Fevereiro"), QStringLiteral("Março"),    QStringLiteral("Abril"),
        QStringLiteral("Maio"),     QStringLiteral("Junho"),     QStringLiteral("Julho"),    QStringLiteral("Agosto"),
        QStringLiteral("Setembro"), QStringLiteral("Outubro"),   QStringLiteral("Novembro"), QStringLiteral("Dezembro")};
    if (!date.isValid())
        return {};
    // Qt counts week days from Monday = 1.
    return QStringLiteral("%1, %2 de %3 de %4")
        .arg(weekDays.at(date.dayOfWeek() - 1))
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(months.at(date.month() - 1))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}
