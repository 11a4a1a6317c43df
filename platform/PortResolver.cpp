#include "PortResolver.h"

#include <QDir>
#include <QPrinterInfo>
#include <QRegularExpression>

namespace platform {
namespace {

const QString kUsb = QStringLiteral("USB:");
const QString kRaw = QStringLiteral("RAW:");
const QString kUsbPrinterFolder = QStringLiteral("/dev/usb");

// "COM3" -> 3; 0 when the name is not of that form.
int numbered(const QString &name, const QString &prefix)
{
    static const QRegularExpression pattern(QStringLiteral("^([A-Z]+)([1-9][0-9]*)$"));
    const auto match = pattern.match(name.trimmed().toUpper());
    if (!match.hasMatch() || match.captured(1) != prefix)
        return 0;
    return match.captured(2).toInt();
}

} // namespace

QString portOverrideVariable(const QString &name)
{
    QString variable = name.trimmed().toUpper();
    for (QChar &ch : variable) {
        if (!(ch >= QLatin1Char('A') && ch <= QLatin1Char('Z')) && !(ch >= QLatin1Char('0') && ch <= QLatin1Char('9')))
            ch = QLatin1Char('_');
    }
    return QStringLiteral("CONSULTA_PORTA_") + variable;
}

ResolvedPort resolvePort(const QString &name)
{
    const QString overridden = qEnvironmentVariable(portOverrideVariable(name).toLatin1().constData());
    if (!overridden.isEmpty())
        return {ResolvedPort::Kind::Path, overridden};

    const QString trimmed = name.trimmed();
    if (const int com = numbered(trimmed, QStringLiteral("COM")))
        return {ResolvedPort::Kind::Path, QStringLiteral("/dev/ttyS%1").arg(com - 1)};
    if (const int lpt = numbered(trimmed, QStringLiteral("LPT")))
        return {ResolvedPort::Kind::Path, QStringLiteral("/dev/lp%1").arg(lpt - 1)};
    if (trimmed.startsWith(kUsb, Qt::CaseInsensitive)) {
        const QString device = trimmed.mid(kUsb.size());
        return {ResolvedPort::Kind::Path, device.contains(QLatin1Char('/')) ? device : kUsbPrinterFolder + QLatin1Char('/') + device};
    }
    if (trimmed.startsWith(kRaw, Qt::CaseInsensitive))
        return {ResolvedPort::Kind::PrinterQueue, trimmed.mid(kRaw.size())};
    return {ResolvedPort::Kind::Path, trimmed};
}

QStringList usbPrinterPorts()
{
    QStringList ports;
    const QStringList devices = QDir(kUsbPrinterFolder).entryList({QStringLiteral("lp*")}, QDir::System | QDir::Files, QDir::Name);
    for (const QString &device : devices)
        ports.append(kUsb + device);
    return ports;
}

QStringList rawPrinterPorts()
{
    QStringList ports;
    for (const QString &printer : QPrinterInfo::availablePrinterNames())
        ports.append(kRaw + printer);
    return ports;
}

} // namespace platform
