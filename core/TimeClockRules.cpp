#include "TimeClockRules.h"

#include "HolidayCalendar.h"

#include <QString>

#include <cmath>

namespace {

// The schedule a day works by; holidays are only the Sunday schedule where asked for.
const DaySchedule &scheduleOf(const WorkSchedule &schedule, const QDate &day, bool holidaysAsSunday)
{
    if (day.dayOfWeek() == Qt::Sunday || (holidaysAsSunday && holiday_calendar::isHoliday(day)))
        return schedule.sunday;
    if (day.dayOfWeek() == Qt::Saturday)
        return schedule.saturday;
    return schedule.weekday;
}

} // namespace

QDate WorkSchedule::workDay(const QDateTime &now) const
{
    const QDate today = now.date();
    if (now.time() >= QTime(12, 0))
        return today;
    const QDate yesterday = today.addDays(-1);
    if (scheduleOf(*this, yesterday, false).crossesMidnight() || holiday_calendar::isHoliday(yesterday))
        return yesterday;
    return today;
}

bool WorkSchedule::outsideTolerance(Punch punch, const QDate &workDay, const QTime &now) const
{
    if (toleranceMinutes <= 0 || (punch != Punch::Entry && punch != Punch::Exit))
        return false;
    const DaySchedule &day = scheduleOf(*this, workDay, true);
    const QTime scheduled = punch == Punch::Entry ? day.entry : day.exit;
    const double minutes = std::abs(scheduled.msecsTo(now)) / 60000.0;
    return minutes > toleranceMinutes;
}

void PunchSelector::clamp()
{
    if (value > upper)
        value = upper;
    if (value < lower)
        value = lower;
}

void PunchSelector::step(int delta)
{
    value += delta;
    clamp();
}

std::optional<PunchSelector> nextPunches(const PunchDay &day, bool punchesBreak, const QDate &today)
{
    if (!day.exists)
        return PunchSelector{1, 1, 1};
    if (day.at(Punch::Exit).isValid())
        return std::nullopt;
    const auto takenToday = [&](Punch punch) {
        return day.at(punch).isValid() && day.at(punch) >= today.startOfDay();
    };
    int value = 4;
    if (punchesBreak) {
        if (!takenToday(Punch::BreakEnd))
            value = 3;
        if (!takenToday(Punch::BreakStart))
            value = 2;
    }
    return PunchSelector{value, value, 4};
}

QString punchStatus(Punch punch)
{
    return QStringLiteral("E12S").at(static_cast<int>(punch) - 1);
}
