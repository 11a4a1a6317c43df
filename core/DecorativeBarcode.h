#pragma once

#include <QWidget>

// The barcode drawn on the password groups: only an invitation to pass the badge.
class DecorativeBarcode : public QWidget {
    Q_OBJECT

public:
    explicit DecorativeBarcode(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
