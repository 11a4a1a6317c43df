#include "Clock.h"

namespace platform {
namespace {
ClockSource &terminalSource()
{
    static ClockSource source;
    return source;
}
ClockSource &serverSource()
{
    static ClockSource source;
    return source;
}
} // namespace

QDateTime terminalNow()
{
    return terminalSource() ? terminalSource()() : QDateTime::currentDateTime();
}

QDate terminalToday() { return terminalNow().date(); }

void setTerminalClock(ClockSource source) { terminalSource() = std::move(source); }

QDateTime serverNow()
{
    return serverSource() ? serverSource()() : QDateTime::currentDateTime();
}

void setServerClock(ClockSource source) { serverSource() = std::move(source); }

} // namespace platform
