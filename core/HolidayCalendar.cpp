#include "HolidayCalendar.h"

#include <array>

namespace holiday_calendar {

QDate easterSunday(int year)
{
    // Gauss's rule with the constants of 1900-2099 (M = 24, N = 5).
    const int a = year % 19;
    const int b = year % 4;
    const int c = year % 7;
    const int d = (19 * a + 24) % 30;
    const int e = (2 * b + 4 * c + 6 * d + 5) % 7;
    if (22 + d + e <= 31)
        return QDate(year, 3, 22 + d + e);
    int day = d + e - 9;
    // Without these two exceptions Easter would fall a week late in years such as 2049
    // and 2076 (and 1954, 1981).
    if (day == 26)
        day = 19;
    else if (day == 25 && d == 28 && e == 6 && a > 10)
        day = 18;
    return QDate(year, 4, day);
}

QDate goodFriday(int year) { return easterSunday(year).addDays(-2); }

QDate carnivalTuesday(int year) { return easterSunday(year).addDays(-47); }

QDate corpusChristi(int year) { return easterSunday(year).addDays(60); }

bool isHoliday(const QDate &date)
{
    struct DayOfYear {
        int day;
        int month;
    };
    static constexpr std::array<DayOfYear, 6> fixed{{{1, 1}, {1, 5}, {7, 9}, {12, 10}, {15, 11}, {25, 12}}};
    for (const DayOfYear &holiday : fixed) {
        if (date.day() == holiday.day && date.month() == holiday.month)
            return true;
    }
    const int year = date.year();
    return date == goodFriday(year) || date == carnivalTuesday(year) || date == corpusChristi(year);
}

} // namespace holiday_calendar
