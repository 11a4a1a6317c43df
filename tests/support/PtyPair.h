#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>

// Two joined pseudo-terminals made by socat: what is written to one end can be read at the
// other, so a test can stand a serial printer on a pty.
class PtyPair {
public:
    PtyPair();
    ~PtyPair();

    bool isReady() const { return !m_writeEnd.isEmpty() && m_readFd >= 0; }
    // The end the terminal writes to.
    QString writeEnd() const { return m_writeEnd; }
    // Everything that has arrived at the other end, waiting until nothing more comes for
    // `quietMs` milliseconds.
    QByteArray readAll(int quietMs = 300);

private:
    QProcess m_socat;
    QString m_writeEnd;
    int m_readFd = -1;
};
