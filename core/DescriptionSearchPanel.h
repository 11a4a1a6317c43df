#pragma once

#include <QFrame>

class FoundProductsModel;
class QLineEdit;
class QTableView;
class TDMSqls;

// The panel of the lookup screen that finds products by part of their description while
// the shopper types. It keeps its text and list between openings and hands the chosen
// product's barcode back to the screen. Every failure of a search is ignored silently.
class DescriptionSearchPanel final : public QFrame {
    Q_OBJECT

public:
    // `codeField` is the lookup screen's code field, where the focus returns.
    DescriptionSearchPanel(TDMSqls &dm, QWidget *codeField, QWidget *parent);

    // Shows the panel over the middle of its parent with the focus on the search field.
    void open();

signals:
    // Enter on a row: the screen looks the product up by this barcode (empty when the
    // product has none).
    void productChosen(const QString &barcode);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void edDescChange(const QString &text);
    bool edDescKeyPress(int key);
    bool grProdKeyPress(int key);
    void pnConsExit(QWidget *old, QWidget *now);
    void leave();
    void showList(FoundProductsModel *list);
    void selectFirstRow();
    void applyColumnWidths();

    TDMSqls &m_dm;
    QWidget *m_codeField;
    QLineEdit *edDesc;
    QTableView *grProd;
    FoundProductsModel *m_plainList;
    FoundProductsModel *m_nextOccurrenceList;
};
