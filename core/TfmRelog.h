#pragma once

#include "TimeClockRules.h"
#include "TimeClockStore.h"

#include <QDate>
#include <QDialog>

#include <array>
#include <optional>

class AnalogClock;
class EmployeeAuthorization;
class PunchTrack;
class QCalendarWidget;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class TDMSqls;

// The time clock: an employee identifies by code or badge, confirms with the password or
// the badge again, and the terminal records the next punch of the work day.
class TfmRelog : public QDialog {
    Q_OBJECT

public:
    TfmRelog(TDMSqls &dm, EmployeeAuthorization &authorization, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    void buildScreen();
    void tick();
    void showDateLine(const QDate &date);

    void edCodEnter();
    void edCodExit();
    void edSenEnter();
    void edSenExit();
    bool keyPressed(QObject *field, int key);

    void AtualizaBar();
    void showPunchDay();
    void forgetEmployee();
    bool passwordAccepted(const QString &typed);
    bool savePunch(Punch punch, const QDateTime &moment);

    TDMSqls &m_dm;
    TimeClockStore m_store;
    EmployeeAuthorization &m_authorization;
    std::optional<TimeClockStore::Employee> m_employee;
    QDate m_workDay;
    PunchDay m_day;
    PunchSelector m_selector;
    bool m_closing = false;

    AnalogClock *relogio = nullptr;
    QLabel *lbHora = nullptr;
    QLabel *lbData = nullptr;
    QLineEdit *edCod = nullptr;
    QLabel *dbNome = nullptr;
    QLineEdit *edSen = nullptr;
    QCalendarWidget *calendario = nullptr;
    QLineEdit *dbMovimento = nullptr;
    PunchTrack *tbPonto = nullptr;
    std::array<QLabel *, 4> m_captions{};
    std::array<QLabel *, 4> m_times{};
    QLabel *lbStatus = nullptr;
    QPushButton *btSair = nullptr;
    QTimer *tmRelogio = nullptr;
};
