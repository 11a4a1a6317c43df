#pragma once

#include <QDate>
#include <QSqlRecord>
#include <QString>
#include <QVariant>

// The price a product's label shows: the promotion price while the terminal's day lies
// within the promotion dates (an empty date counts as the earliest date, so an empty start
// has started and an empty end has ended), else the regular price.
struct ShelfPrice {
    double price = 0;
    bool inPromotion = false;
};

ShelfPrice shelfPrice(const QSqlRecord &product, const QDate &today);

// The promotion line of a gondola label: the configured text, or "Promocao", then the
// promotion's last day as the regional settings write a date and time.
QString promotionText(const QString &textoPromocao, const QVariant &dataPromFinal);
