#include "Messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QTextStream>

#include <cstdio>

namespace platform {
namespace {

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

class MessageBoxPresenter final : public MessagePresenter {
public:
    void show(const QString &caption, const QString &text, MessageIcon icon) override
    {
        QMessageBox box(boxIcon(icon), caption, text, QMessageBox::Ok, QApplication::activeWindow());
        box.exec();
    }
    bool askYesNo(const QString &caption, const QString &text, MessageIcon icon) override
    {
        QMessageBox box(boxIcon(icon), caption, text, QMessageBox::Yes | QMessageBox::No,
                        QApplication::activeWindow());
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes;
    }
    void showTimed(const QString &text, int milliseconds) override;
};

MessagePresenter *installed = nullptr;
TimedMessageDisplay timedDisplay = nullptr;

void MessageBoxPresenter::showTimed(const QString &text, int milliseconds)
{
    if (timedDisplay)
        timedDisplay(text, milliseconds);
}

MessagePresenter &presenter()
{
    static MessageBoxPresenter boxes;
    return installed ? *installed : boxes;
}

void logLine(const QString &caption, const QString &text, const QString &answer = {})
{
    QString line = caption + QStringLiteral(": ") + QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (!answer.isEmpty())
        line += QStringLiteral(" -> ") + answer;
    std::fprintf(stderr, "%s\n", line.toUtf8().constData());
    std::fflush(stderr);
}

} // namespace

void setMessagePresenter(MessagePresenter *p) { installed = p; }
void setTimedMessageDisplay(TimedMessageDisplay display) { timedDisplay = display; }

QString defaultCaption()
{
    const QString title = QApplication::applicationDisplayName();
    return title.isEmpty() ? QStringLiteral("Terminal de Consulta") : title;
}

void showMessage(const QString &text, MessageIcon icon, const QString &caption)
{
    logLine(caption, text);
    presenter().show(caption, text, icon);
}

bool askYesNo(const QString &text, const QString &caption, MessageIcon icon)
{
    const bool yes = presenter().askYesNo(caption, text, icon);
    logLine(caption, text, yes ? QStringLiteral("Sim") : QStringLiteral("Não"));
    return yes;
}

void showTimedMessage(const QString &text, int milliseconds)
{
    logLine(defaultCaption(), text);
    presenter().showTimed(text, milliseconds);
}

} // namespace platform
