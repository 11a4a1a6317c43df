#pragma once

#include <QDate>

// The holidays on which the time clock applies the Sunday schedule: the national fixed
// dates and the feasts that follow Easter.
namespace holiday_calendar {

// Gregorian Easter Sunday, for the years 1900 to 2099.
QDate easterSunday(int year);
QDate goodFriday(int year);
QDate carnivalTuesday(int year);
QDate corpusChristi(int year);

bool isHoliday(const QDate &date);

} // namespace holiday_calendar
