#pragma once

#include "core/ProductQuery.h"
#include "core/SqlStatement.h"

#include <QDialog>
#include <QSqlRecord>

class QLineEdit;
class QPushButton;
class TDMSqls;

// A label screen that takes the products whose price changed in a period into its list.
class ChangedPricesTarget {
public:
    virtual ~ChangedPricesTarget() = default;
    // Which rows of the changed-prices query the screen accepts.
    virtual product_query::Filter changedPricesFilter() const = 0;
    // One row (COD_PROD, CODIGO_BARRAS, DESCRICAO, FLG_UNIDADE_VENDA, VLR_PRECO,
    // REFERENCIA_FORN, PCO, PROMOCAO) becomes one label.
    virtual void appendChangedPrice(const QSqlRecord &product) = 0;
    // After the last row: the screen shows its count and can print.
    virtual void changedPricesAppended() = 0;
};

// "Preços Alterados": asks for a period and hands the products whose price changed in it
// to its target screen.
class TfrmFiltraProdutoPrecoAlterado : public QDialog {
    Q_OBJECT

public:
    TfrmFiltraProdutoPrecoAlterado(TDMSqls &dm, ChangedPricesTarget &target, QWidget *parent = nullptr);

    // The price column of a changed-price label: VLR_PRECO as "R$0.00".
    static QString priceText(const QSqlRecord &product);

    void btConfirmarClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    TDMSqls &m_dm;
    ChangedPricesTarget &m_target;
    QLineEdit *m_edDtIni = nullptr;
    QLineEdit *m_edDtFin = nullptr;
    QPushButton *m_btConfirmar = nullptr;
};

extern const SqlStatement qrProdutoAlterado;
