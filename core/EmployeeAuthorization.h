#pragma once

#include "platform/Messages.h"

#include <QString>

// An employee identifying on the password form. Screens depend on this, not on the form,
// so that tests can answer for the employee.
class EmployeeAuthorization {
public:
    virtual ~EmployeeAuthorization() = default;
    // Shows the form; `requiredPermission` names the password flag the employee must hold
    // (empty: none) and belongs to this authorization only. Returns Yes, No or Cancel.
    virtual platform::DialogAnswer authorize(const QString &requiredPermission = {}) = 0;
    // The employee code (CodFunc) of the last Yes.
    virtual int authorizedEmployee() const = 0;
};
