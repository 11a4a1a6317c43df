#include "AnalogClock.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

AnalogClock::AnalogClock(QWidget *parent)
    : QWidget(parent)
    , m_time(0, 0)
{
    setMinimumSize(150, 150);
}

void AnalogClock::setTime(const QTime &time)
{
    m_time = time;
    update();
}

void AnalogClock::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = std::min(width(), height());
    painter.translate(width() / 2.0, height() / 2.0);
    // Drawn on a 200 by 200 face, whatever the widget's size.
    painter.scale(side / 200.0, side / 200.0);

    painter.setPen(QPen(QColor(0, 0, 128), 4));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(0, 0), 96, 96);

    for (int mark = 0; mark < 60; ++mark) {
        const bool hour = mark % 5 == 0;
        painter.setPen(QPen(hour ? Qt::black : Qt::darkGray, hour ? 3 : 1));
        painter.drawLine(QPointF(0, hour ? -78 : -84), QPointF(0, -88));
        painter.rotate(6.0);
    }

    const auto hand = [&painter](double degrees, double length, double width, const QColor &color) {
        painter.save();
        painter.rotate(degrees);
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        QPainterPath path;
        path.moveTo(-width / 2, 8);
        path.lineTo(-width / 4, -length);
        path.lineTo(width / 4, -length);
        path.lineTo(width / 2, 8);
        path.closeSubpath();
        painter.drawPath(path);
        painter.restore();
    };
    const double seconds = m_time.second();
    const double minutes = m_time.minute() + seconds / 60.0;
    const double hours = (m_time.hour() % 12) + minutes / 60.0;
    hand(hours * 30.0, 50, 8, QColor(0, 0, 128));
    hand(minutes * 6.0, 72, 6, QColor(0, 0, 128));
    hand(seconds * 6.0, 80, 2, Qt::red);

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::red);
    painter.drawEllipse(QPointF(0, 0), 5, 5);
}
