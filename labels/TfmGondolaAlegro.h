#pragma once

#include "TfrmFiltraProdutoPrecoAlterado.h"
#include "core/ProductQuery.h"
#include "core/ScreenContext.h"
#include "platform/SerialLine.h"

#include <QDialog>
#include <QSqlRecord>

#include <optional>

class ElginPrinterPanel;
class LabelListGrid;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class ZebraUsbPortPanel;

// The thermal gondola label screen: a list of shelf labels built from typed or scanned
// products, from the labels released in the print control or from the products whose price
// changed, printed by the output of the configured printer model.
class TfmGondolaAlegro : public QDialog, public ChangedPricesTarget {
    Q_OBJECT

public:
    explicit TfmGondolaAlegro(const ScreenContext &context, QWidget *parent = nullptr);

    // False when the opening stopped (no settings file, print control failure): the screen
    // must not be shown.
    bool opened() const { return m_opened; }

    LabelListGrid *labelList() const { return m_list; }

    void btSeekClick();
    void btImpClick();
    void btPrdEntClick();
    void btProdAlteradoClick();
    void BitBtn1Click();

    product_query::Filter changedPricesFilter() const override { return m_filter; }
    void appendChangedPrice(const QSqlRecord &product) override;
    void changedPricesAppended() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildScreen();
    void FormShow();
    void FormActivate();
    bool edIniKeyPress(QKeyEvent *event);
    void edIniExit();
    void edQtdEnter();
    void edQtdExit();
    void showProduct(const std::optional<QSqlRecord> &product);
    QStringList labelOf(const QSqlRecord &product) const;
    void printLabels(bool per100g);
    void printDpl(bool per100g);
    void refreshReleasedLabelsButton();
    void later(void (TfmGondolaAlegro::*handler)());

    const ScreenContext m_context;
    bool m_opened = false;
    bool m_shown = false;
    product_query::Filter m_filter = product_query::Filter::All;
    std::optional<QSqlRecord> m_product;
    platform::SerialLine m_port;

    QLineEdit *m_edIni = nullptr;
    QPushButton *m_btSeek = nullptr;
    QLabel *m_dbDescricao = nullptr;
    QLabel *m_dbRotulo = nullptr;
    QSpinBox *m_edQtd = nullptr;
    QLineEdit *m_edEmp = nullptr;
    QCheckBox *m_ckExibeDescPreco = nullptr;
    LabelListGrid *m_list = nullptr;
    QLabel *m_lbQtd = nullptr;
    QPushButton *m_btProdAlterado = nullptr;
    QPushButton *m_btPrdEnt = nullptr;
    QPushButton *m_btImp = nullptr;
    QPushButton *m_BitBtn1 = nullptr;
    QPushButton *m_btSai = nullptr;
    ZebraUsbPortPanel *m_zebraPanel = nullptr;
    ElginPrinterPanel *m_elginPanel = nullptr;
};
