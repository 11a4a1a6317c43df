#pragma once

#include <QList>
#include <QString>

#include <optional>

class TDMSqls;

// The open items of an order tab and its total, read on the order-tab connection. Every
// call returns false when the database fails; lastError() then says why.
class OrderTabStore {
public:
    struct Item {
        qint64 tab = 0;
        qint64 product = 0;
        QString description;
        QString unit;
        double quantity = 0;
        std::optional<double> unitPrice; // none when the quantity is 0
        double total = 0;
    };

    explicit OrderTabStore(TDMSqls &dm) : m_dm(dm) {}

    bool isBlocked(qint64 tab, bool &blocked);
    bool openItems(qint64 tab, QList<Item> &items);
    // nullopt when the tab has no open items.
    bool total(qint64 tab, std::optional<double> &total);

    QString lastError() const { return m_lastError; }

private:
    TDMSqls &m_dm;
    QString m_lastError;
};
