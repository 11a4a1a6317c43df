#pragma once

#include "platform/Messages.h"

#include <QList>
#include <QString>
#include <QStringList>

// Installed for the life of a test: lists every message and question, and answers the
// questions from a script (Yes when the script has run out).
class RecordingMessages final : public platform::MessagePresenter {
public:
    struct Shown {
        QString caption;
        QString text;
        platform::MessageIcon icon;
        bool question;
        int milliseconds; // timed messages only
    };

    RecordingMessages();
    ~RecordingMessages() override;

    void answerNext(bool yes) { m_answers.append(yes); }
    const QList<Shown> &shown() const { return m_shown; }
    QStringList texts() const;
    void clear() { m_shown.clear(); }

    void show(const QString &caption, const QString &text, platform::MessageIcon icon) override;
    bool askYesNo(const QString &caption, const QString &text, platform::MessageIcon icon) override;
    void showTimed(const QString &text, int milliseconds) override;

private:
    QList<Shown> m_shown;
    QList<bool> m_answers;
};
