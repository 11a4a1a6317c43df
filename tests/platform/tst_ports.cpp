#include "platform/PortResolver.h"
#include "platform/SerialLine.h"
#include "support/PtyPair.h"

#include <QTest>

using platform::ResolvedPort;

class TestPorts : public QObject {
    Q_OBJECT

private slots:
    void resolve_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("environment"); // "VARIABLE=value" or empty
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("target");

        const int path = int(ResolvedPort::Kind::Path);
        const int queue = int(ResolvedPort::Kind::PrinterQueue);
        QTest::newRow("COM1") << "COM1" << "" << path << "/dev/ttyS0";
        QTest::newRow("COM7") << "COM7" << "" << path << "/dev/ttyS6";
        QTest::newRow("lower case com") << "com2" << "" << path << "/dev/ttyS1";
        QTest::newRow("LPT2") << "LPT2" << "" << path << "/dev/lp1";
        QTest::newRow("USB device name") << "USB:lp0" << "" << path << "/dev/usb/lp0";
        QTest::newRow("USB path") << "USB:/dev/usb/lp3" << "" << path << "/dev/usb/lp3";
        QTest::newRow("RAW printer") << "RAW:Zebra ZD220" << "" << queue << "Zebra ZD220";
        QTest::newRow("plain path") << "/tmp/etiquetas.prn" << "" << path << "/tmp/etiquetas.prn";
        QTest::newRow("COM override") << "COM1" << "CONSULTA_PORTA_COM1=/dev/pts/7" << path << "/dev/pts/7";
        QTest::newRow("LPT override") << "LPT1" << "CONSULTA_PORTA_LPT1=/tmp/lpt1.txt" << path << "/tmp/lpt1.txt";
        QTest::newRow("RAW override becomes a path") << "RAW:Zebra ZD220" << "CONSULTA_PORTA_RAW_ZEBRA_ZD220=/tmp/zebra.zpl"
                                                      << path << "/tmp/zebra.zpl";
        QTest::newRow("override of another port ignored") << "COM2" << "CONSULTA_PORTA_COM1=/dev/pts/7" << path << "/dev/ttyS1";
    }

    void resolve()
    {
        QFETCH(QString, name);
        QFETCH(QString, environment);
        QFETCH(int, kind);
        QFETCH(QString, target);
        const QString variable = environment.section(QLatin1Char('='), 0, 0);
        if (!environment.isEmpty())
            qputenv(variable.toLatin1().constData(), environment.section(QLatin1Char('='), 1).toLocal8Bit());
        const ResolvedPort port = platform::resolvePort(name);
        if (!environment.isEmpty())
            qunsetenv(variable.toLatin1().constData());
        QCOMPARE(int(port.kind), kind);
        QCOMPARE(port.target, target);
    }

    void selectPort_data()
    {
        QTest::addColumn<QString>("porta");
        QTest::addColumn<QString>("selected");
        QTest::newRow("COM1") << "COM1" << "COM1";
        QTest::newRow("COM7") << "COM7" << "COM7";
        QTest::newRow("COM8 is not a choice") << "COM8" << "COM1";
        QTest::newRow("LPT1 is not serial") << "LPT1" << "COM1";
        QTest::newRow("blank") << "" << "COM1";
        QTest::newRow("trimmed") << " COM3 " << "COM3";
    }

    void selectPort()
    {
        QFETCH(QString, porta);
        QFETCH(QString, selected);
        QCOMPARE(platform::SerialLine::selectPort(porta), selected);
    }

    void bytesReachTheOtherEnd()
    {
        PtyPair pty;
        QVERIFY(pty.isReady());
        qputenv("CONSULTA_PORTA_COM3", pty.writeEnd().toLocal8Bit());
        platform::SerialLine line;
        QVERIFY(line.open(QStringLiteral("COM3")));
        const QByteArray bytes("\x02L\rD11\r\xE7\xE3o\r", 10);
        line.write(bytes);
        line.close();
        qunsetenv("CONSULTA_PORTA_COM3");
        QCOMPARE(pty.readAll(), bytes);
    }

    void missingDeviceDoesNotOpen()
    {
        qputenv("CONSULTA_PORTA_COM2", "/dev/nonexistent-printer");
        platform::SerialLine line;
        QVERIFY(!line.open(QStringLiteral("COM2")));
        QVERIFY(!line.isOpen());
        line.write("ignored");
        qunsetenv("CONSULTA_PORTA_COM2");
    }
};

QTEST_GUILESS_MAIN(TestPorts)
#include "tst_ports.moc"
