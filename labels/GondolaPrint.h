#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What the gondola label screen hands to the output of its printer model.
struct GondolaPrint {
    // Columns of a label row.
    enum Column { Barcode = 0, Description, Price, Unit, Reference, ProductCode, UnitPriceText, PromotionText };

    QList<QStringList> labels;   // the cells as they stand, one row per label
    bool per100g = false;        // "KG" labels priced per 100 g
    QString storeName;
    bool showUnitPriceText = true;

    static QString cell(const QStringList &label, Column column) { return label.value(column); }
};

// True for a row sold by the kilogram, which per-100-g mode prints per 100 g.
bool soldByKilo(const QStringList &label);
// The price text of a kilogram row in per-100-g mode: the amount divided by 10, written
// "R$ 0.##"; nullopt when the text holds no amount.
std::optional<QString> pricePer100g(const QString &priceText);
// A price text written again as money in 8 characters, right-aligned ("%8.2m"): the first
// "R" and the first "$" are dropped and the rest read under the regional settings; nullopt
// when it is not an amount.
std::optional<QString> moneyIn8(const QString &priceText);
// The message of a label value that is not what the printer needs.
QString invalidValueMessage(const QString &value);
