#pragma once

#include "PrinterJob.h"

#include <QString>

class TDMSqls;

enum class PrintOutcome {
    Printed,    // the job ran to its end
    Stopped,    // a failure was shown; what was sent before it stays sent
    PortFailed, // the port could not be opened: its message was shown and nothing was sent
};

// Runs a job on the serial label printer of the setting Porta: its writes in order, and
// the marks of products printed in the print control, each before its label. A mark that
// fails stops the job before that label.
PrintOutcome printOnSerialPort(const PrinterJob &job, const QString &porta, TDMSqls &dm);
