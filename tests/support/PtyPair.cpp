#include "PtyPair.h"

#include <QDeadlineTimer>
#include <QRegularExpression>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

PtyPair::PtyPair()
{
    m_socat.setProcessChannelMode(QProcess::SeparateChannels);
    m_socat.start(QStringLiteral("socat"), {QStringLiteral("-d"), QStringLiteral("-d"),
                                            QStringLiteral("pty,raw,echo=0"), QStringLiteral("pty,raw,echo=0")});
    if (!m_socat.waitForStarted(5000))
        return;
    // socat names both ends on standard error, then says it is ready.
    QString log;
    const QDeadlineTimer deadline(5000);
    while (!log.contains(QStringLiteral("starting data transfer loop")) && !deadline.hasExpired()) {
        m_socat.waitForReadyRead(100);
        log += QString::fromLocal8Bit(m_socat.readAllStandardError());
    }
    QStringList ends;
    static const QRegularExpression pty(QStringLiteral("PTY is (\\S+)"));
    for (auto it = pty.globalMatch(log); it.hasNext();)
        ends.append(it.next().captured(1));
    if (ends.size() != 2)
        return;
    m_writeEnd = ends.at(0);
    m_readFd = ::open(ends.at(1).toLocal8Bit().constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
}

PtyPair::~PtyPair()
{
    if (m_readFd >= 0)
        ::close(m_readFd);
    m_socat.terminate();
    if (!m_socat.waitForFinished(2000))
        m_socat.kill();
    m_socat.waitForFinished(1000);
}

QByteArray PtyPair::readAll(int quietMs)
{
    QByteArray bytes;
    if (m_readFd < 0)
        return bytes;
    pollfd poller{m_readFd, POLLIN, 0};
    while (::poll(&poller, 1, quietMs) > 0 && (poller.revents & POLLIN)) {
        char buffer[4096];
        const ssize_t n = ::read(m_readFd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        bytes.append(buffer, n);
    }
    return bytes;
}
