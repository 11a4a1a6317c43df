#pragma once

#include "core/ScreenContext.h"

#include <QDialog>

class QPushButton;

// The label menu: one button per kind of label; the printer model decides which screen
// serves the button.
class TfmMenuEtq : public QDialog {
    Q_OBJECT

public:
    explicit TfmMenuEtq(const ScreenContext &context, QWidget *parent = nullptr);

    // Runs when the menu shows and again when a label screen it opened has closed.
    void FormActivate();

    void btEtqPrecoClick();
    void btEtqGondulaClick();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QPushButton *addButton(const QString &name, const QString &caption);
    void openScreen(const QString &screen);

    const ScreenContext m_context;
    QPushButton *m_btEtqPreco = nullptr;
    QPushButton *m_btEtqGondula = nullptr;
    QPushButton *m_BitBtn1 = nullptr;
    QPushButton *m_BitBtn2 = nullptr;
    QPushButton *m_btVoltar = nullptr;
    QPushButton *m_BitBtn3 = nullptr;
};
