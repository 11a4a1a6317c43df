#pragma once

#include <QString>

// The label printer models of the setting Modelo (upper-cased), and which label screens
// and outputs serve each. Comparisons are exact.
namespace printer_model {

inline const QString Allegro = QStringLiteral("ALLEGRO");
inline const QString Rabbit = QStringLiteral("RABBIT");
inline const QString ZebraTlp2844 = QStringLiteral("ZEBRA TLP2844");
inline const QString ElginL42 = QStringLiteral("ELGINL42");
inline const QString BematechLb1000 = QStringLiteral("BEMATECH LB1000");
inline const QString ArgoxOs214Plus = QStringLiteral("ARGOX OS214PLUS");
inline const QString ZebraZd220Usb = QStringLiteral("ZEBRAZD220USB");

// A thermal printer the gondola label screen knows.
bool isThermal(const QString &model);
// DPL on a serial port.
bool isDpl(const QString &model);
// The models with thermal product and production labels.
bool hasProductionLabels(const QString &model);
// "&Preços" opens the thermal product labels when the first seven characters say ALLEGRO
// or RABBIT (so only RABBIT itself), or for ZEBRA TLP2844.
bool opensProductLabels(const QString &model);

} // namespace printer_model
