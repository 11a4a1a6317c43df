#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QTableView;
class QueryColumnsModel;
class TDMSqls;

// Searches a table of this store by the beginning of one of its columns and returns the key
// and the text of the row double-clicked.
class TFrmPesquisa final : public QDialog {
    Q_OBJECT

public:
    TFrmPesquisa(TDMSqls &dm, int codLoja, QWidget *parent = nullptr);

    // The table, its key column and the column shown and searched; names are the caller's,
    // never typed text.
    void Prepara(const QString &table, const QString &keyField, const QString &shownField);
    void setColumnTitles(const QString &keyTitle, const QString &shownTitle);

    int CodigoEscolhido() const { return m_codigo; }
    QString TextoEscolhido() const { return m_texto; }

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void search();
    void choose();

    TDMSqls &m_dm;
    int m_codLoja;
    QString m_table;
    QString m_keyField;
    QString m_shownField;
    int m_codigo = 0;
    QString m_texto;
    QLineEdit *edPesquisa;
    QTableView *dbgPesquisa;
    QueryColumnsModel *m_rows;
};
