#include "core/HolidayCalendar.h"
#include "core/LongDateText.h"
#include "core/SqlValues.h"
#include "core/TimeClockRules.h"

#include <QTest>

namespace {

DaySchedule shift(const QString &range)
{
    const QStringList ends = range.split(QLatin1Char('-'));
    return {QTime::fromString(ends.at(0), QStringLiteral("HH:mm")), {}, {},
            QTime::fromString(ends.at(1), QStringLiteral("HH:mm"))};
}

QDateTime at(const QString &text) { return QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss")); }

// Easter by the anonymous Gregorian algorithm (Meeus/Jones/Butcher), an independent check.
QDate meeusEaster(int year)
{
    const int a = year % 19, b = year / 100, c = year % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(year, month, day);
}

} // namespace

class TestTimeClockRules : public QObject {
    Q_OBJECT

private slots:
    void movableFeasts_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<QDate>("easter");
        QTest::addColumn<QDate>("goodFriday");
        QTest::addColumn<QDate>("carnival");
        QTest::addColumn<QDate>("corpusChristi");
        QTest::newRow("2024") << 2024 << QDate(2024, 3, 31) << QDate(2024, 3, 29) << QDate(2024, 2, 13) << QDate(2024, 5, 30);
        QTest::newRow("2025") << 2025 << QDate(2025, 4, 20) << QDate(2025, 4, 18) << QDate(2025, 3, 4) << QDate(2025, 6, 19);
        // The two years of this century where the plain rule lands a week late.
        QTest::newRow("2049 (25 April exception)") << 2049 << QDate(2049, 4, 18) << QDate(2049, 4, 16) << QDate(2049, 3, 2)
                                                   << QDate(2049, 6, 17);
        QTest::newRow("2076 (26 April exception)") << 2076 << QDate(2076, 4, 19) << QDate(2076, 4, 17) << QDate(2076, 3, 3)
                                                   << QDate(2076, 6, 18);
        QTest::newRow("1954") << 1954 << QDate(1954, 4, 18) << QDate(1954, 4, 16) << QDate(1954, 3, 2) << QDate(1954, 6, 17);
        QTest::newRow("1981") << 1981 << QDate(1981, 4, 19) << QDate(1981, 4, 17) << QDate(1981, 3, 3) << QDate(1981, 6, 18);
    }
    void movableFeasts()
    {
        QFETCH(int, year);
        QFETCH(QDate, easter);
        QFETCH(QDate, goodFriday);
        QFETCH(QDate, carnival);
        QFETCH(QDate, corpusChristi);
        QCOMPARE(holiday_calendar::easterSunday(year), easter);
        QCOMPARE(holiday_calendar::goodFriday(year), goodFriday);
        QCOMPARE(holiday_calendar::carnivalTuesday(year), carnival);
        QCOMPARE(holiday_calendar::corpusChristi(year), corpusChristi);
        QCOMPARE(easter.dayOfWeek(), int(Qt::Sunday));
        QCOMPARE(carnival.dayOfWeek(), int(Qt::Tuesday));
        for (const QDate &feast : {goodFriday, carnival, corpusChristi}) {
            QVERIFY(holiday_calendar::isHoliday(feast));
            QVERIFY(!holiday_calendar::isHoliday(feast.addDays(-1)));
        }
    }

    void easterAgreesWithAnIndependentRule()
    {
        for (int year = 1900; year <= 2099; ++year)
            QCOMPARE(holiday_calendar::easterSunday(year), meeusEaster(year));
    }

    void fixedHolidays_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("holiday");
        QTest::newRow("new year") << QDate(2030, 1, 1) << true;
        QTest::newRow("labour day") << QDate(2024, 5, 1) << true;
        QTest::newRow("independence") << QDate(2024, 9, 7) << true;
        QTest::newRow("12 October") << QDate(2024, 10, 12) << true;
        QTest::newRow("republic") << QDate(2024, 11, 15) << true;
        QTest::newRow("christmas") << QDate(2024, 12, 25) << true;
        QTest::newRow("christmas eve") << QDate(2024, 12, 24) << false;
        QTest::newRow("easter sunday is not in the list") << QDate(2024, 3, 31) << false;
        QTest::newRow("1 December (day and month swapped)") << QDate(2024, 12, 1) << false;
    }
    void fixedHolidays()
    {
        QFETCH(QDate, date);
        QFETCH(bool, holiday);
        QCOMPARE(holiday_calendar::isHoliday(date), holiday);
    }

    void workDay_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("weekday");
        QTest::addColumn<QString>("saturday");
        QTest::addColumn<QString>("sunday");
        QTest::addColumn<QDate>("expected");
        const QString day = QStringLiteral("08:00-17:00");
        const QString night = QStringLiteral("22:00-06:00");
        QTest::newRow("tuesday 01:30 after a monday night shift") << at("2024-03-05 01:30:00") << night << day << day << QDate(2024, 3, 4);
        QTest::newRow("tuesday 11:59 after a monday night shift") << at("2024-03-05 11:59:59") << night << day << day << QDate(2024, 3, 4);
        QTest::newRow("noon is today") << at("2024-03-05 12:00:00") << night << day << day << QDate(2024, 3, 5);
        QTest::newRow("day shift at 01:30") << at("2024-03-05 01:30:00") << day << day << day << QDate(2024, 3, 5);
        QTest::newRow("day after carnival tuesday") << at("2024-02-14 01:30:00") << day << day << day << QDate(2024, 2, 13);
        QTest::newRow("day after a fixed holiday") << at("2024-11-16 09:00:00") << day << day << day << QDate(2024, 11, 15);
        QTest::newRow("sunday after a saturday day shift") << at("2024-03-10 01:30:00") << night << day << day << QDate(2024, 3, 10);
        QTest::newRow("sunday after a saturday night shift") << at("2024-03-10 01:30:00") << day << night << day << QDate(2024, 3, 9);
        QTest::newRow("monday after a sunday night shift") << at("2024-03-11 01:30:00") << day << day << night << QDate(2024, 3, 10);
        QTest::newRow("saturday after a friday night shift") << at("2024-03-09 01:30:00") << night << day << day << QDate(2024, 3, 8);
    }
    void workDay()
    {
        QFETCH(QDateTime, now);
        QFETCH(QString, weekday);
        QFETCH(QString, saturday);
        QFETCH(QString, sunday);
        QFETCH(QDate, expected);
        WorkSchedule schedule;
        schedule.weekday = shift(weekday);
        schedule.saturday = shift(saturday);
        schedule.sunday = shift(sunday);
        QCOMPARE(schedule.workDay(now), expected);
    }

    void tolerance_data()
    {
        QTest::addColumn<int>("punch");
        QTest::addColumn<QDate>("workDay");
        QTest::addColumn<QTime>("now");
        QTest::addColumn<int>("tolerance");
        QTest::addColumn<bool>("outside");
        const QDate tuesday(2024, 3, 5);
        QTest::newRow("20 minutes late, tolerance 15") << 1 << tuesday << QTime(8, 20) << 15 << true;
        QTest::newRow("20 minutes late, tolerance 20") << 1 << tuesday << QTime(8, 20) << 20 << false;
        QTest::newRow("20 minutes early, tolerance 15") << 1 << tuesday << QTime(7, 40) << 15 << true;
        QTest::newRow("seconds count") << 1 << tuesday << QTime(8, 20, 30) << 20 << true;
        QTest::newRow("no tolerance set") << 1 << tuesday << QTime(11, 0) << 0 << false;
        QTest::newRow("break punches are free") << 2 << tuesday << QTime(15, 0) << 5 << false;
        QTest::newRow("exit on time") << 4 << tuesday << QTime(17, 10) << 15 << false;
        QTest::newRow("saturday exit") << 4 << QDate(2024, 3, 9) << QTime(17, 0) << 15 << true;
        QTest::newRow("saturday exit on time") << 4 << QDate(2024, 3, 9) << QTime(12, 5) << 15 << false;
        QTest::newRow("sunday entry") << 1 << QDate(2024, 3, 10) << QTime(10, 0) << 15 << false;
        QTest::newRow("holiday on a saturday takes sunday's") << 1 << QDate(2024, 9, 7) << QTime(10, 0) << 15 << false;
        QTest::newRow("holiday on a weekday takes sunday's") << 1 << QDate(2024, 5, 30) << QTime(8, 0) << 15 << true;
    }
    void tolerance()
    {
        QFETCH(int, punch);
        QFETCH(QDate, workDay);
        QFETCH(QTime, now);
        QFETCH(int, tolerance);
        QFETCH(bool, outside);
        WorkSchedule schedule;
        schedule.weekday = shift(QStringLiteral("08:00-17:00"));
        schedule.saturday = shift(QStringLiteral("07:00-12:00"));
        schedule.sunday = shift(QStringLiteral("10:00-14:00"));
        schedule.toleranceMinutes = tolerance;
        QCOMPARE(schedule.outsideTolerance(static_cast<Punch>(punch), workDay, now), outside);
    }

    void nextPunches_data()
    {
        QTest::addColumn<QStringList>("punches"); // entry, break start, break end, exit
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("punchesBreak");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("upper");
        const QString entry = QStringLiteral("2024-03-05 08:00:00");
        QTest::newRow("no record: entry only") << QStringList{} << false << true << 1 << 1 << 1;
        QTest::newRow("entry, breaks punched") << QStringList{entry, {}, {}, {}} << true << true << 2 << 2 << 4;
        QTest::newRow("entry, breaks not punched") << QStringList{entry, {}, {}, {}} << true << false << 4 << 4 << 4;
        QTest::newRow("break started") << QStringList{entry, QStringLiteral("2024-03-05 12:00:00"), {}, {}} << true << true << 3 << 3 << 4;
        QTest::newRow("break over") << QStringList{entry, QStringLiteral("2024-03-05 12:00:00"), QStringLiteral("2024-03-05 13:00:00"), {}}
                                    << true << true << 4 << 4 << 4;
        QTest::newRow("break started before midnight") << QStringList{QStringLiteral("2024-03-04 22:00:00"),
                                                                      QStringLiteral("2024-03-04 23:30:00"), {}, {}}
                                                       << true << true << 2 << 2 << 4;
        QTest::newRow("exit punched") << QStringList{entry, {}, {}, QStringLiteral("2024-03-05 17:00:00")} << true << true << 0 << 0 << 0;
    }
    void nextPunches()
    {
        QFETCH(QStringList, punches);
        QFETCH(bool, exists);
        QFETCH(bool, punchesBreak);
        QFETCH(int, value);
        QFETCH(int, lower);
        QFETCH(int, upper);
        PunchDay day;
        day.exists = exists;
        for (int i = 0; i < punches.size(); ++i)
            day.punches.at(i) = at(punches.at(i));
        const auto selector = ::nextPunches(day, punchesBreak, QDate(2024, 3, 5));
        QCOMPARE(selector.has_value(), value != 0);
        if (selector) {
            QCOMPARE(selector->value, value);
            QCOMPARE(selector->lower, lower);
            QCOMPARE(selector->upper, upper);
        }
    }

    void longDate()
    {
        QCOMPARE(longDateText(QDate(2002, 6, 30)), QStringLiteral("Domingo, 30 de Junho de 2002"));
        QCOMPARE(longDateText(QDate(2024, 3, 5)), QStringLiteral("Terça-feira, 05 de Março de 2024"));
        QCOMPARE(longDateText(QDate(2024, 9, 7)), QStringLiteral("Sábado, 07 de Setembro de 2024"));
    }

    void scheduleValues_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QTime>("expected"); // invalid: unreadable
        QTest::newRow("embedded text") << QVariant(QStringLiteral("08:00")) << QTime(8, 0);
        QTest::newRow("text with seconds") << QVariant(QStringLiteral("22:30:15")) << QTime(22, 30, 15);
        QTest::newRow("one-digit hour") << QVariant(QStringLiteral("8:05")) << QTime(8, 5);
        QTest::newRow("sql server time") << QVariant(QTime(6, 0)) << QTime(6, 0);
        QTest::newRow("sql server datetime") << QVariant(QDateTime(QDate(1899, 12, 30), QTime(17, 45))) << QTime(17, 45);
        QTest::newRow("date-time text") << QVariant(QStringLiteral("1900-01-01 13:00:00")) << QTime(13, 0);
        QTest::newRow("null") << QVariant(QMetaType(QMetaType::QString)) << QTime();
        QTest::newRow("empty") << QVariant(QString()) << QTime();
        QTest::newRow("hour 25") << QVariant(QStringLiteral("25:00")) << QTime();
        QTest::newRow("words") << QVariant(QStringLiteral("oito horas")) << QTime();
    }
    void scheduleValues()
    {
        QFETCH(QVariant, value);
        QFETCH(QTime, expected);
        const auto time = sqlTimeOfDay(value);
        QCOMPARE(time.has_value(), expected.isValid());
        if (time)
            QCOMPARE(*time, expected);
    }
};

QTEST_GUILESS_MAIN(TestTimeClockRules)
#include "tst_timeclockrules.moc"
