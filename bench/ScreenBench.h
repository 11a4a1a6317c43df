#pragma once

#include "platform/Messages.h"

#include <QString>

// What the benchmarks that drive real screens share: no message box may stop a measurement.
namespace bench {

// Counts what the screens would have shown and logs it to standard error; answers No.
class QuietMessages final : public platform::MessagePresenter {
public:
    QuietMessages() { platform::setMessagePresenter(this); }
    ~QuietMessages() override { platform::setMessagePresenter(nullptr); }

    int count = 0;
    void show(const QString &, const QString &text, platform::MessageIcon) override
    {
        ++count;
        qWarning("message: %s", qPrintable(text));
    }
    bool askYesNo(const QString &, const QString &, platform::MessageIcon) override { return false; }
    void showTimed(const QString &, int) override { ++count; }
};

// Screens are measured without a display unless the caller chose a platform.
inline void useOffscreenUnlessSet()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace bench
