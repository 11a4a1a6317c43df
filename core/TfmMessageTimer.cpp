#include "TfmMessageTimer.h"

#include "platform/Messages.h"
#include "platform/Colors.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <QPointer>

namespace {

// Kept for the run; it goes when the application quits, while widgets can still be deleted.
QPointer<TfmMessageTimer> kept;

} // namespace

TfmMessageTimer *TfmMessageTimer::instance() { return kept; }

TfmMessageTimer::TfmMessageTimer()
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint)
    , lbMensagem(new QLabel(this))
    , btOk(new QPushButton(QStringLiteral("OK"), this))
    , tmMensagem(new QTimer(this))
{
    setObjectName(QStringLiteral("fmMessageTimer"));
    resize(460, 220);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    auto *inner = new QFrame(this);
    inner->setObjectName(QStringLiteral("pnMensagem"));
    inner->setAutoFillBackground(true);
    QPalette panel = inner->palette();
    panel.setColor(QPalette::Window, platform::colorFromBgr(12632193));
    inner->setPalette(panel);

    auto *picture = new QLabel(inner);
    picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48, 48));

    lbMensagem->setObjectName(QStringLiteral("lbMensagem"));
    lbMensagem->setAlignment(Qt::AlignCenter);
    lbMensagem->setWordWrap(true);
    QFont font(QStringLiteral("Arial"), 12, QFont::Bold);
    lbMensagem->setFont(font);
    QPalette black = lbMensagem->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    lbMensagem->setPalette(black);

    btOk->setObjectName(QStringLiteral("btOk"));
    btOk->setFlat(true);
    btOk->setFocusPolicy(Qt::NoFocus);
    btOk->setAutoDefault(false);
    connect(btOk, &QPushButton::clicked, this, &QDialog::accept);

    tmMensagem->setObjectName(QStringLiteral("tmMensagem"));
    tmMensagem->setInterval(3000);
    connect(tmMensagem, &QTimer::timeout, this, &TfmMessageTimer::tmMensagemTimer);

    auto *row = new QHBoxLayout;
    row->addWidget(picture, 0, Qt::AlignTop);
    row->addWidget(lbMensagem, 1);
    auto *innerLayout = new QVBoxLayout(inner);
    innerLayout->addLayout(row, 1);
    innerLayout->addWidget(btOk, 0, Qt::AlignHCenter);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(inner);
}

void TfmMessageTimer::showFor(const QString &text, int milliseconds)
{
    QString message = text;
    message.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // Short messages start one line down, nearer the middle of the window.
    if (message.split(QLatin1Char('\n')).size() < 4)
        message.prepend(QLatin1Char('\n'));
    lbMensagem->setText(message);
    tmMensagem->setInterval(milliseconds == 0 ? 5000 : milliseconds);
    tmMensagem->start();
    const QScreen *screen = QGuiApplication::primaryScreen();
    move(screen->geometry().center() - rect().center());
    exec();
}

QString TfmMessageTimer::message() const { return lbMensagem->text(); }

int TfmMessageTimer::interval() const { return tmMensagem->interval(); }

void TfmMessageTimer::keyPressEvent(QKeyEvent *event)
{
    // Only the timer (or a click on OK) closes it.
    event->accept();
}

void TfmMessageTimer::tmMensagemTimer()
{
    tmMensagem->stop();
    btOk->click();
}

void MensagemTemporizada(const QString &text, int milliseconds)
{
    if (!kept) {
        kept = new TfmMessageTimer;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, kept, &QObject::deleteLater);
    }
    kept->showFor(text, milliseconds);
}

void installTimedMessageDisplay() { platform::setTimedMessageDisplay(&MensagemTemporizada); }
