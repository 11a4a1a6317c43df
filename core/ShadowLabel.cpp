#include "ShadowLabel.h"

#include <QPainter>

namespace {
constexpr int kShadowOffset = 2;
}

ShadowLabel::ShadowLabel(const QString &objectName, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(objectName);
    setAttribute(Qt::WA_TranslucentBackground);
}

void ShadowLabel::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    updateGeometry();
    update();
}

void ShadowLabel::setColors(const QColor &color, const QColor &shadow)
{
    m_color = color;
    m_shadow = shadow;
    update();
}

void ShadowLabel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

QSize ShadowLabel::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(m_text) + kShadowOffset + 4, metrics.height() + kShadowOffset};
}

QSize ShadowLabel::minimumSizeHint() const
{
    const QFontMetrics metrics(font());
    return {0, metrics.height() + kShadowOffset};
}

void ShadowLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRect area = rect().adjusted(0, 0, -kShadowOffset, -kShadowOffset);
    painter.setPen(m_shadow);
    painter.drawText(area.translated(kShadowOffset, kShadowOffset), static_cast<int>(m_alignment), m_text);
    painter.setPen(m_color);
    painter.drawText(area, static_cast<int>(m_alignment), m_text);
}
