#pragma once

#include <QDialog>
#include <QPoint>
#include <QString>

class QLineEdit;
class QTableView;
class QueryColumnsModel;
class TDMSqls;

// The quick product popup of the label screens: a small borderless list next to a search
// button, searched by the beginning of a column, that returns the key of the chosen row.
class TfmCons final : public QDialog {
    Q_OBJECT

public:
    struct Parameters {
        QString source;       // table expression after "select * from ", may carry a condition
        QString searchField;  // orders the list and is searched by what is typed
        QString keyField;     // first column; its value is the result
        QString displayField; // second column
        int top = 0;
        int left = 0;
    };

    TfmCons(TDMSqls &dm, const Parameters &parameters, QWidget *parent = nullptr);

    // The key of the chosen row, 0 when nothing was chosen or the key is not a whole number.
    int chosenKey() const { return m_result; }

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormActivate();
    void edProcuraChange(const QString &text);
    void moveBy(int rows);
    void goToRow(int row);
    void choose();
    void place();

    TDMSqls &m_dm;
    Parameters m_parameters;
    int m_result = 0;
    bool m_activated = false;
    QLineEdit *edProcura;
    QTableView *grCons;
    QueryColumnsModel *m_rows;
};

// The anchor of the popup for a search button: just below the button, 22 points to its
// left, moved back inside the screen near the right or bottom edge.
QPoint PosicaoPopup(const QWidget *button);

// Shows the popup modally with its anchor at (left, top) and returns the chosen key or 0.
int MostraConsulta(TDMSqls &dm, const QString &source, const QString &searchField, const QString &keyField,
                   const QString &displayField, int top, int left, QWidget *parent = nullptr);
