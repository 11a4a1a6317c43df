#pragma once

class EmployeeAuthorization;
class QWidget;
class TDMSqls;
namespace platform {
class ScreenNavigator;
}

// The function keys of the lookup screen's code field: F3 to F9 open the store tasks; F7,
// F8 and F9 only for an employee who identifies on the password form.
class FunctionKeys {
public:
    FunctionKeys(platform::ScreenNavigator &navigator, EmployeeAuthorization &authorization, TDMSqls &dm);

    // Handles a key pressed in the code field; false when it is not one of these keys.
    bool keyPressed(int key, QWidget *parent);

private:
    platform::ScreenNavigator &m_navigator;
    EmployeeAuthorization &m_authorization;
    TDMSqls &m_dm;
};
