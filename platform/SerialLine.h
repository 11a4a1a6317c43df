#pragma once

#include <QByteArray>
#include <QSerialPort>
#include <QString>

// The serial line of the DPL label printers: 9600 baud, 8 data bits, no parity, 1 stop bit,
// no flow control, DTR and RTS on while open. The device behind each COMn comes from the
// port resolver, so a test can put a pseudo-terminal there.
namespace platform {

class SerialLine {
public:
    // "COM1" to "COM7" select that port; any other setting selects COM1.
    static QString selectPort(const QString &porta);

    bool open(const QString &porta);
    bool isOpen() const { return m_port.isOpen(); }
    // Sends the bytes; gives up when nothing could be written for 500 ms. The printer
    // protocol has no answer, so the outcome is not reported.
    void write(const QByteArray &bytes);
    void close();

private:
    QSerialPort m_port;
};

} // namespace platform
