#pragma once

#include <QColor>
#include <QWidget>

// Text drawn twice, a shadow copy slightly down and to the right under the text itself:
// the look of every caption and value on the lookup screen.
class ShadowLabel : public QWidget {
    Q_OBJECT

public:
    ShadowLabel(const QString &objectName, QWidget *parent);

    QString text() const { return m_text; }
    void setText(const QString &text);
    QColor color() const { return m_color; }
    void setColors(const QColor &color, const QColor &shadow);
    void setAlignment(Qt::Alignment alignment);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    QColor m_color;
    QColor m_shadow;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
};
