#include "RecordingMessages.h"

RecordingMessages::RecordingMessages() { platform::setMessagePresenter(this); }

RecordingMessages::~RecordingMessages() { platform::setMessagePresenter(nullptr); }

QStringList RecordingMessages::texts() const
{
    QStringList list;
    for (const Shown &s : m_shown)
        list.append(s.text);
    return list;
}

void RecordingMessages::show(const QString &caption, const QString &text, platform::MessageIcon icon)
{
    m_shown.append({caption, text, icon, false, 0});
}

bool RecordingMessages::askYesNo(const QString &caption, const QString &text, platform::MessageIcon icon)
{
    m_shown.append({caption, text, icon, true, 0});
    return m_answers.isEmpty() ? true : m_answers.takeFirst();
}

void RecordingMessages::showTimed(const QString &text, int milliseconds)
{
    m_shown.append({QString(), text, platform::MessageIcon::None, false, milliseconds});
}
