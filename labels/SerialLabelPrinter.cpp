#include "SerialLabelPrinter.h"

#include "PrintControl.h"
#include "platform/Messages.h"
#include "platform/SerialLine.h"

PrintOutcome printOnSerialPort(const PrinterJob &job, const QString &porta, TDMSqls &dm)
{
    platform::SerialLine line;
    if (!line.open(porta)) {
        platform::showMessage(QStringLiteral("Porta de comunicação com problemas"), platform::MessageIcon::Error);
        return PrintOutcome::PortFailed;
    }
    for (const PrinterJob::Step &step : job.steps) {
        if (step.kind == PrinterJob::Step::Kind::Write) {
            line.write(step.bytes);
            continue;
        }
        QString error;
        if (!print_control::markPrinted(dm, step.printedProduct, &error)) {
            line.close();
            platform::showMessage(error, platform::MessageIcon::Error);
            return PrintOutcome::Stopped;
        }
    }
    line.close();
    if (job.failed()) {
        platform::showMessage(job.error, platform::MessageIcon::Error);
        return PrintOutcome::Stopped;
    }
    return PrintOutcome::Printed;
}
