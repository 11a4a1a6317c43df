#include "PrinterModels.h"

namespace printer_model {

bool isThermal(const QString &model)
{
    return model == Allegro || model == Rabbit || model == ZebraTlp2844 || model == ElginL42 || model == BematechLb1000
        || model == ArgoxOs214Plus || model == ZebraZd220Usb;
}

bool isDpl(const QString &model) { return model == Allegro || model == Rabbit; }

bool hasProductionLabels(const QString &model) { return isDpl(model) || model == ZebraTlp2844; }

bool opensProductLabels(const QString &model)
{
    return model.left(7) == Allegro || model.left(7) == Rabbit || model == ZebraTlp2844;
}

} // namespace printer_model
