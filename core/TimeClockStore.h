#pragma once

#include "TimeClockRules.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

class TDMSqls;

// What the time clock reads and writes: the employee with the work schedule and the day's
// punch record in Ponto. Every call returns false when the database fails; lastError()
// then says why.
class TimeClockStore {
public:
    struct Employee {
        int code = 0;
        QString badge;
        QString name;
        std::optional<WorkSchedule> schedule; // nullopt: a schedule value cannot be read
    };

    explicit TimeClockStore(TDMSqls &dm) : m_dm(dm) {}

    // Typed text longer than 6 characters is a badge, anything else an employee code.
    bool findEmployee(const QString &typed, std::optional<Employee> &employee);
    bool readPunchDay(int employee, const QDate &workDay, PunchDay &day);
    // Records one punch in a single statement: the day's row is created or completed, so
    // two terminals punching the same employee at once still leave one row.
    bool savePunch(int employee, const QDate &workDay, const QDateTime &moment, Punch punch);

    QString lastError() const { return m_lastError; }

private:
    TDMSqls &m_dm;
    QString m_lastError;
};
