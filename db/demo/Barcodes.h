#pragma once

#include <QHash>
#include <QString>

namespace demo {

// Hands out barcodes that never repeat within one store: manufacturers' EAN-13 under the
// Brazilian prefix 789 (one company number per brand), EAN-8 for small items while the
// short range lasts, in-store codes "2" + product code for goods weighed at the counter,
// and older codes under the prefix 790 for the linked barcodes.
class Barcodes {
public:
    QString forProduct(int code, const QString &brand, bool weighed, bool shortCode);
    QString linked(bool shortCode);

    // The 14-digit packaging code (DUN-14) of a box of an EAN-13 product.
    static QString packaging(const QString &ean13, int indicator);

private:
    int m_nextCompany = 1000;
    QHash<QString, int> m_companies;
    QHash<int, int> m_items;
    int m_shortProducts = 0;
    int m_shortLinked = 0;
    qint64 m_linked = 0;
};

} // namespace demo
