#pragma once

#include <QHash>
#include <QString>

class TerminalSettings;

// The layout section of a label kind as read from Consulta.INI: key -> upper-cased text,
// empty when not set.
using LabelLayout = QHash<QString, QString>;

// The layout the settings hold now (that of the label kind loaded last).
LabelLayout labelLayout(const TerminalSettings &settings);
