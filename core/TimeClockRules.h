#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <array>
#include <optional>

// The rules of the time clock that need no screen and no database: which work day a punch
// belongs to, which schedule it is measured against, and which punches may come next.

// The four punches of a work day, numbered as the selector shows them.
enum class Punch { Entry = 1, BreakStart = 2, BreakEnd = 3, Exit = 4 };

struct DaySchedule {
    QTime entry;
    QTime breakStart;
    QTime breakEnd;
    QTime exit;

    // A night shift: the exit falls on the next calendar day.
    bool crossesMidnight() const { return entry > exit; }
};

struct WorkSchedule {
    DaySchedule weekday;  // Monday to Friday
    DaySchedule saturday; // the seventh day of the week
    DaySchedule sunday;   // Sundays and holidays
    int toleranceMinutes = 0; // 0: punches are not checked
    bool punchesBreak = false;

    // Before noon a punch still belongs to yesterday when yesterday's shift ran past
    // midnight or yesterday was a holiday.
    QDate workDay(const QDateTime &now) const;
    // True when an entry or exit punch at `now` is further from the schedule of `workDay`
    // than the tolerance allows; break punches are never checked.
    bool outsideTolerance(Punch punch, const QDate &workDay, const QTime &now) const;
};

// A row of Ponto; punches not taken are invalid date-times.
struct PunchDay {
    bool exists = false;
    std::array<QDateTime, 4> punches; // indexed by Punch - 1

    const QDateTime &at(Punch punch) const { return punches.at(static_cast<int>(punch) - 1); }
    QDateTime &at(Punch punch) { return punches.at(static_cast<int>(punch) - 1); }
};

// The punch the employee is about to take and the range the arrow keys may move it in.
struct PunchSelector {
    int value = 1;
    int lower = 1;
    int upper = 1;

    // Keeps the value inside its bounds, the upper bound first.
    void clamp();
    void step(int delta);
    Punch punch() const { return static_cast<Punch>(value); }
};

// The punches open to the employee on a day; nullopt once the exit has been punched.
// A break punch counts as taken only when it was taken today.
std::optional<PunchSelector> nextPunches(const PunchDay &day, bool punchesBreak, const QDate &today);

// The Status column: the last punch taken ("E", "1", "2" or "S").
QString punchStatus(Punch punch);
