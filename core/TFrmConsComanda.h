#pragma once

#include "OrderTabStore.h"

#include <QDialog>

class QLineEdit;
class QTableWidget;
class QTimer;
class ShadowLabel;
class TDMSqls;

// The order-tab lookup: a customer types the tab number and sees its open items and total.
// The screen clears itself every ten seconds, so it can stand unattended.
class TFrmConsComanda : public QDialog {
    Q_OBJECT

public:
    explicit TFrmConsComanda(TDMSqls &dm, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void buildScreen();
    void EdNumComandaEnter();
    void Timer1Timer();
    void showItems(const QList<OrderTabStore::Item> &items, const std::optional<double> &total);

    OrderTabStore m_store;

    ShadowLabel *lbInstrucao = nullptr;
    QLineEdit *EdNumComanda = nullptr;
    QTableWidget *dbgComandas = nullptr;
    ShadowLabel *dbTotalNota = nullptr;
    QTimer *Timer1 = nullptr;
};
