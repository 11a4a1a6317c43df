#pragma once

#include <QHash>
#include <QString>

// The layout section of a label kind as read from Consulta.INI: key -> upper-cased text,
// empty when not set.
using LabelLayout = QHash<QString, QString>;
