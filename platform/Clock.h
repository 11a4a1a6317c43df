#pragma once

#include <QDateTime>

#include <functional>

// The terminal's own clock and the database server's clock. Both can be replaced, so that
// rules that compare "today on the terminal" with "now on the server" can be tested.
namespace platform {

using ClockSource = std::function<QDateTime()>;

QDateTime terminalNow();
QDate terminalToday();
// An empty source restores the system clock.
void setTerminalClock(ClockSource source);

// The server's present moment; on the embedded store this is what GETDATE() returns.
QDateTime serverNow();
void setServerClock(ClockSource source);

} // namespace platform
