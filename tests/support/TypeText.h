#pragma once

#include <QString>
#include <QTest>
#include <QWidget>

// Types text key by key into a widget, accented letters included (QTest::keyClicks takes
// ASCII only).
inline void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}
