#pragma once

#include "TerminalSettings.h"

#include <QLineEdit>
#include <QSqlRecord>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>

class DescriptionSearchPanel;
class EmployeeAuthorization;
class FunctionKeys;
class QLabel;
class ShadowLabel;
class TDMSqls;

// The main screen: a product price lookup by code or barcode, and a customer's points and
// balance by card. It owns the terminal settings for the whole run.
class TfmConsProd : public QWidget {
    Q_OBJECT

public:
    TfmConsProd(TDMSqls &dm, const QString &exeDir, QWidget *parent = nullptr);
    ~TfmConsProd() override;

    // The function keys become live once the password form exists.
    void setAuthorization(EmployeeAuthorization &authorization);

    TerminalSettings &settings() { return m_settings; }
    // False when Consulta.INI was missing: the program must end.
    bool configurationFound() const { return m_configurationFound; }

    // Re-applies the display settings; runs whenever the screen becomes active again.
    void FormActivate();
    void BackOff();
    // The Enter handling of the code field (also used for a product chosen elsewhere).
    void lookUp();

    QLineEdit *codeField() const { return m_edCod; }
    DescriptionSearchPanel *searchPanel() const { return m_pnCons; }
    QTimer *tmInv() const { return m_tmInv; }

signals:
    // The user confirmed leaving the program.
    void quitRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    enum class Mode { Product, Customer };

    void buildScreen();
    void edCodKeyPress(QKeyEvent *event);
    void edCodChange(const QString &text);
    bool runLookup(const QString &typed);
    void showCustomer(const QSqlRecord &customer);
    void refreshDisplays();
    void loadLogo();
    void lookupFailed();

    TDMSqls &m_dm;
    TerminalSettings m_settings;
    bool m_configurationFound = true;
    bool m_shownBefore = false;
    std::unique_ptr<FunctionKeys> m_functionKeys;
    Mode m_mode = Mode::Product;
    std::optional<QSqlRecord> m_product;
    std::optional<QSqlRecord> m_customer;

    ShadowLabel *m_title = nullptr;
    QLabel *m_logo = nullptr;
    QString m_logoTried;
    ShadowLabel *m_lbCodigo = nullptr;
    ShadowLabel *m_lbDescricao = nullptr;
    ShadowLabel *m_lbCusto = nullptr;
    ShadowLabel *m_lbVenda = nullptr;
    ShadowLabel *m_lbUnidade = nullptr;
    ShadowLabel *m_dbCodigo = nullptr;
    ShadowLabel *m_dbDescricao = nullptr;
    ShadowLabel *m_dbCusto = nullptr;
    ShadowLabel *m_dbPontos = nullptr;
    ShadowLabel *m_dbPreco = nullptr;
    ShadowLabel *m_dbSaldo = nullptr;
    ShadowLabel *m_dbUnidade = nullptr;
    QLineEdit *m_edCod = nullptr;
    DescriptionSearchPanel *m_pnCons = nullptr;
    QTimer *m_tmInv = nullptr;
};
