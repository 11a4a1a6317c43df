#pragma once

#include <QString>
#include <QStringList>

// Printer destinations as the settings name them ("COM1", "LPT2", "USB:lp0", "RAW:Zebra",
// a path), resolved to something this system can write to.
//
// Defaults: COMn is /dev/ttyS(n-1), LPTn is /dev/lp(n-1), "USB:name" is /dev/usb/name
// (a name holding a path is that path), "RAW:printer" is the installed printer queue of
// that name, anything else is a path. Every name can be pointed elsewhere without
// recompiling through CONSULTA_PORTA_<NAME>, where <NAME> is the name upper-cased with
// every character other than a letter or a digit turned into "_" (CONSULTA_PORTA_COM1,
// CONSULTA_PORTA_USB_LP0, CONSULTA_PORTA_RAW_ZEBRA_ZD220); its value is a device or file path.
namespace platform {

struct ResolvedPort {
    enum class Kind {
        Path,         // a device or a file: write the bytes to it
        PrinterQueue, // an installed printer: hand the bytes to its queue unchanged
    };
    Kind kind = Kind::Path;
    QString target; // the path, or the printer's name
};

ResolvedPort resolvePort(const QString &name);

// The environment variable that overrides a name.
QString portOverrideVariable(const QString &name);

// "USB:" + each USB printer device of this system.
QStringList usbPrinterPorts();
// "RAW:" + each installed printer.
QStringList rawPrinterPorts();

} // namespace platform
