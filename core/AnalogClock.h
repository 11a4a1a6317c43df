#pragma once

#include <QTime>
#include <QWidget>

// A round clock face with hour, minute and second hands.
class AnalogClock : public QWidget {
    Q_OBJECT

public:
    explicit AnalogClock(QWidget *parent = nullptr);

    void setTime(const QTime &time);
    QTime time() const { return m_time; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTime m_time;
};
