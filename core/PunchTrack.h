#pragma once

#include <QWidget>

// The four-step track of the time clock's punch selector: the steps sit at the centres of
// four equal columns, so captions laid out in four columns line up with them. The steps
// the employee may choose are drawn darker, the selected one carries the pointer.
class PunchTrack : public QWidget {
    Q_OBJECT

public:
    explicit PunchTrack(QWidget *parent = nullptr);

    void setSelection(int value, int lower, int upper);
    int value() const { return m_value; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_value = 1;
    int m_lower = 1;
    int m_upper = 1;
};
