#include "PunchTrack.h"

#include <QPainter>
#include <QPolygonF>

PunchTrack::PunchTrack(QWidget *parent)
    : QWidget(parent)
{
    setMinimumHeight(34);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void PunchTrack::setSelection(int value, int lower, int upper)
{
    m_value = value;
    m_lower = lower;
    m_upper = upper;
    update();
}

void PunchTrack::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double column = width() / 4.0;
    const double y = height() / 2.0 + 4;
    const auto stepX = [column](int step) { return column * (step - 0.5); };

    painter.setPen(QPen(Qt::gray, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(stepX(1), y), QPointF(stepX(4), y));
    if (m_upper > m_lower) {
        painter.setPen(QPen(QColor(0, 0, 128), 4, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(stepX(m_lower), y), QPointF(stepX(m_upper), y));
    }

    for (int step = 1; step <= 4; ++step) {
        const bool open = step >= m_lower && step <= m_upper;
        painter.setPen(Qt::NoPen);
        painter.setBrush(open ? QColor(0, 0, 128) : QColor(Qt::lightGray));
        painter.drawEllipse(QPointF(stepX(step), y), 6, 6);
    }

    const double x = stepX(m_value);
    painter.setBrush(Qt::red);
    painter.drawPolygon(QPolygonF{QPointF(x - 9, y - 18), QPointF(x + 9, y - 18), QPointF(x, y - 6)});
}
