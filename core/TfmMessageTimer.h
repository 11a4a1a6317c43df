#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QTimer;

// A message that closes by itself: created on first use and kept for the rest of the run.
class TfmMessageTimer final : public QDialog {
    Q_OBJECT

public:
    // The dialog, or nullptr before its first use.
    static TfmMessageTimer *instance();

    // Shows the text modally for the given milliseconds.
    void showFor(const QString &text, int milliseconds);

    QString message() const;
    int interval() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    friend void MensagemTemporizada(const QString &, int);
    TfmMessageTimer();
    void tmMensagemTimer();

    QLabel *lbMensagem;
    QPushButton *btOk;
    QTimer *tmMensagem;
};

// Shows a message for the given milliseconds (0: 5000) and returns when it has closed.
void MensagemTemporizada(const QString &text, int milliseconds);

// Makes the terminal's timed messages (platform::showTimedMessage) use this dialog; the
// program calls it once at start.
void installTimedMessageDisplay();
