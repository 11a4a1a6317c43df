#pragma once

#include "EmployeeAuthorization.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class TDMSqls;
class TerminalSettings;
namespace platform {
class TQORFinger;
}

// The password form: an employee identifies by code and password, by badge or by
// fingerprint. Created once at start and shown for every authorization. After a Yes the
// data module keeps the employee's rows open (TDMSqls::employeeRows).
class TfmSenhaFun final : public QDialog, public EmployeeAuthorization {
    Q_OBJECT

public:
    TfmSenhaFun(TDMSqls &dm, const TerminalSettings &settings, QWidget *parent = nullptr);

    platform::DialogAnswer authorize(const QString &requiredPermission = {}) override;
    int authorizedEmployee() const override { return m_authorizedEmployee; }

    void done(int result) override;
    // Closing by the frame button does not authorize.
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // What a check leaves the form to do: stay as it is, refuse an unknown employee, go on
    // to the next field, or close with Yes or No.
    enum class Check { Stay, NotFound, Passed, Yes, No };

    Check codeCheck();
    Check passwordCheck(const QString &password);
    bool permissionGranted() const;
    void leaveCodigo();
    void leaveSenha();
    void identifyByFingerprint(bool automatic);
    void acceptFingerprint(int employee);
    void finish(Check result);
    void enter(QLineEdit *field);
    void showEmployeeName();
    void hideBadgeNumber();

    TDMSqls &m_dm;
    const TerminalSettings &m_settings;
    QString m_requiredPermission;
    int m_authorizedEmployee = 0;

    QLineEdit *edCodigo;
    QLineEdit *edSenha;
    QLabel *dbNome;
    platform::TQORFinger *m_finger;
};
