#include "SerialLine.h"

#include "PortResolver.h"

namespace platform {
namespace {
constexpr int kWriteStallMs = 500;
}

QString SerialLine::selectPort(const QString &porta)
{
    const QString name = porta.trimmed().toUpper();
    for (int n = 1; n <= 7; ++n) {
        if (name == QStringLiteral("COM%1").arg(n))
            return name;
    }
    return QStringLiteral("COM1");
}

bool SerialLine::open(const QString &porta)
{
    close();
    m_port.setPortName(resolvePort(selectPort(porta)).target);
    if (!m_port.open(QIODevice::ReadWrite))
        return false;
    m_port.setBaudRate(QSerialPort::Baud9600);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    // A pseudo-terminal has no modem lines; the printer does not need them to print.
    m_port.setDataTerminalReady(true);
    m_port.setRequestToSend(true);
    return true;
}

void SerialLine::write(const QByteArray &bytes)
{
    if (!m_port.isOpen())
        return;
    m_port.write(bytes);
    while (m_port.bytesToWrite() > 0) {
        if (!m_port.waitForBytesWritten(kWriteStallMs)) {
            m_port.clear(QSerialPort::Output);
            break;
        }
    }
}

void SerialLine::close()
{
    if (m_port.isOpen())
        m_port.close();
}

} // namespace platform
