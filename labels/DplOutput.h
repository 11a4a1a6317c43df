#pragma once

#include "GondolaPrint.h"
#include "LabelLayout.h"
#include "PrinterJob.h"

// The DPL (Datamax) label outputs of models ALLEGRO and RABBIT: the exact records each
// label list becomes. Opening the serial line and marking products is the caller's part.

// Shelf labels; each label marks its product printed before its records.
PrinterJob dplGondolaLabels(const GondolaPrint &print, const LabelLayout &layout);
// Barcode labels, three across.
PrinterJob dplProductLabels(const QList<QStringList> &labels, const QString &storeName, const LabelLayout &layout);
// Own-production labels: the same nutrition frame for each label.
PrinterJob dplProductionLabels(qsizetype labelCount, const LabelLayout &layout);
