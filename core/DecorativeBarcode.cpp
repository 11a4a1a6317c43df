#include "DecorativeBarcode.h"

#include <QPainter>

namespace {
// Bars and spaces of EAN-8 00000017, one character per module.
const char kModules[] = "101"
                        "0001101000110100011010001101"
                        "01010"
                        "1110010111001011001101000100"
                        "101";
} // namespace

DecorativeBarcode::DecorativeBarcode(QWidget *parent)
    : QWidget(parent)
{
    setMinimumSize(90, 40);
}

void DecorativeBarcode::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const int modules = static_cast<int>(sizeof(kModules)) - 1;
    const double width = static_cast<double>(this->width() - 8) / modules;
    for (int i = 0; i < modules; ++i) {
        if (kModules[i] == '1')
            painter.fillRect(QRectF(4 + i * width, 4, width, height() - 8), Qt::black);
    }
}
