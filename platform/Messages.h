#pragma once

#include <QString>

// Every message box and question of the terminal goes through here, so that tests can
// answer questions from a script and a technician can read on standard error what the
// terminal said.
namespace platform {

enum class MessageIcon { None, Information, Warning, Error, Question };

// Dialog results, with the values the screens hand to their callers.
enum class DialogAnswer { Yes = 6, No = 7, Cancel = 2, Ok = 1 };

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual void show(const QString &caption, const QString &text, MessageIcon icon) = 0;
    virtual bool askYesNo(const QString &caption, const QString &text, MessageIcon icon) = 0;
    // A message that closes by itself after the given milliseconds; keys do not close it.
    virtual void showTimed(const QString &text, int milliseconds) = 0;
};

// Installs a presenter (not owned); nullptr restores the message boxes.
void setMessagePresenter(MessagePresenter *presenter);

// The self-closing dialog lives with the shared dialogs; they register it here so that the
// message boxes presenter can show it.
using TimedMessageDisplay = void (*)(const QString &text, int milliseconds);
void setTimedMessageDisplay(TimedMessageDisplay display);

// The caption message boxes get when a screen names none: the application title.
QString defaultCaption();

void showMessage(const QString &text, MessageIcon icon = MessageIcon::None,
                 const QString &caption = defaultCaption());
bool askYesNo(const QString &text, const QString &caption = defaultCaption(),
              MessageIcon icon = MessageIcon::Question);
void showTimedMessage(const QString &text, int milliseconds);

} // namespace platform
