#include "TfmRelog.h"

#include "AnalogClock.h"
#include "DecorativeBarcode.h"
#include "EmployeeAuthorization.h"
#include "EmployeeRecords.h"
#include "LongDateText.h"
#include "PunchTrack.h"
#include "TDMSqls.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/RegionalSettings.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QEventLoop>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QColor kNavy(0, 0, 128);
constexpr int kRetryDelayMs = 1333;

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}

QFont boldFont(const QWidget *widget, int pointSize = 0)
{
    QFont font = widget->font();
    font.setBold(true);
    if (pointSize > 0)
        font.setPointSize(pointSize);
    return font;
}

void showInformation(const QString &text) { platform::showMessage(text); }

void showDatabaseError(const QString &error) { platform::showMessage(error, platform::MessageIcon::Error); }

} // namespace

TfmRelog::TfmRelog(TDMSqls &dm, EmployeeAuthorization &authorization, QWidget *parent)
    : QDialog(parent)
    , m_dm(dm)
    , m_store(dm)
    , m_authorization(authorization)
{
    setObjectName(QStringLiteral("TfmRelog"));
    setWindowTitle(QStringLiteral("Relógio de Ponto"));
    buildScreen();

    tmRelogio = new QTimer(this);
    tmRelogio->setObjectName(QStringLiteral("tmRelogio"));
    tmRelogio->setInterval(1000);
    connect(tmRelogio, &QTimer::timeout, this, &TfmRelog::tick);
    tmRelogio->start();
    tick();
}

void TfmRelog::buildScreen()
{
    relogio = new AnalogClock(this);
    relogio->setObjectName(QStringLiteral("relogio"));
    relogio->setFixedSize(170, 170);

    lbHora = new QLabel(this);
    lbHora->setObjectName(QStringLiteral("lbHora"));
    lbHora->setAlignment(Qt::AlignCenter);
    lbHora->setFont(boldFont(lbHora, 40));
    lbHora->setAutoFillBackground(true);
    QPalette clockFace = lbHora->palette();
    clockFace.setColor(QPalette::Window, Qt::black);
    clockFace.setColor(QPalette::WindowText, Qt::red);
    lbHora->setPalette(clockFace);
    lbHora->setMinimumWidth(300);

    lbData = new QLabel(this);
    lbData->setObjectName(QStringLiteral("lbData"));
    lbData->setAlignment(Qt::AlignCenter);
    lbData->setFont(boldFont(lbData, 13));
    setTextColor(lbData, kNavy);

    edCod = new QLineEdit(this);
    edCod->setObjectName(QStringLiteral("edCod"));
    edCod->setMaxLength(8);
    edCod->setFont(boldFont(edCod, 14));
    dbNome = new QLabel(this);
    dbNome->setObjectName(QStringLiteral("dbNome"));
    dbNome->setFont(boldFont(dbNome, 11));
    setTextColor(dbNome, kNavy);
    auto *employeeGroup = new QGroupBox(QStringLiteral(" Funcionário "), this);
    auto *employeeLayout = new QVBoxLayout(employeeGroup);
    employeeLayout->addWidget(edCod);
    employeeLayout->addWidget(dbNome);

    edSen = new QLineEdit(this);
    edSen->setObjectName(QStringLiteral("edSen"));
    edSen->setEchoMode(QLineEdit::Password);
    edSen->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    edSen->setFont(boldFont(edSen, 14));
    auto *passwordGroup = new QGroupBox(QStringLiteral(" Senha "), this);
    auto *passwordLayout = new QHBoxLayout(passwordGroup);
    passwordLayout->addWidget(edSen, 1);
    passwordLayout->addWidget(new DecorativeBarcode(passwordGroup));

    calendario = new QCalendarWidget(this);
    calendario->setObjectName(QStringLiteral("calendario"));
    calendario->setEnabled(false);
    calendario->setLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
    calendario->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendario->setMaximumWidth(280);
    connect(calendario, &QCalendarWidget::selectionChanged, this,
            [this] { showDateLine(calendario->selectedDate()); });

    dbMovimento = new QLineEdit(this);
    dbMovimento->setObjectName(QStringLiteral("dbMovimento"));
    dbMovimento->setReadOnly(true);
    dbMovimento->setMaximumWidth(120);
    dbMovimento->setAlignment(Qt::AlignCenter);
    tbPonto = new PunchTrack(this);
    tbPonto->setObjectName(QStringLiteral("tbPonto"));
    auto *dayGroup = new QGroupBox(QStringLiteral(" Ponto do Dia "), this);
    auto *dayLayout = new QGridLayout(dayGroup);
    dayLayout->addWidget(dbMovimento, 0, 0, 1, 4, Qt::AlignHCenter);
    dayLayout->addWidget(tbPonto, 1, 0, 1, 4);
    const std::array<QString, 4> captions{QStringLiteral("Entrada"), QStringLiteral("Intervalo\nSaida"),
                                          QStringLiteral("Intervalo\nVolta"), QStringLiteral("Saida")};
    const std::array<QString, 4> captionNames{QStringLiteral("lbEntrada"), QStringLiteral("lbIntervaloSaida"),
                                              QStringLiteral("lbIntervaloVolta"), QStringLiteral("lbSaida")};
    const std::array<QString, 4> timeNames{QStringLiteral("dbHoraEntrada"), QStringLiteral("dbEntInter"),
                                           QStringLiteral("dbSaiInter"), QStringLiteral("dbHoraSaida")};
    for (int i = 0; i < 4; ++i) {
        QLabel *caption = new QLabel(captions.at(i), dayGroup);
        caption->setObjectName(captionNames.at(i));
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        caption->setFont(boldFont(caption));
        m_captions.at(i) = caption;
        QLabel *time = new QLabel(dayGroup);
        time->setObjectName(timeNames.at(i));
        time->setAlignment(Qt::AlignCenter);
        time->setFont(boldFont(time, 12));
        setTextColor(time, Qt::red);
        m_times.at(i) = time;
        dayLayout->addWidget(caption, 2, i);
        dayLayout->addWidget(time, 3, i);
        dayLayout->setColumnStretch(i, 1);
    }

    lbStatus = new QLabel(this);
    lbStatus->setObjectName(QStringLiteral("lbStatus"));
    lbStatus->setFont(boldFont(lbStatus, 12));
    setTextColor(lbStatus, Qt::red);

    btSair = new QPushButton(QStringLiteral("&Sair"), this);
    btSair->setObjectName(QStringLiteral("btSair"));
    btSair->setToolTip(QStringLiteral("Sair"));
    // Enter in the fields belongs to the fields, never to this button.
    btSair->setAutoDefault(false);
    connect(btSair, &QPushButton::clicked, this, &QDialog::reject);

    auto *clockColumn = new QVBoxLayout;
    clockColumn->addWidget(lbHora);
    clockColumn->addWidget(lbData);
    auto *top = new QHBoxLayout;
    top->addWidget(relogio);
    top->addLayout(clockColumn, 1);

    auto *fields = new QVBoxLayout;
    fields->addWidget(employeeGroup);
    fields->addWidget(passwordGroup);
    auto *middle = new QHBoxLayout;
    middle->addLayout(fields, 1);
    middle->addWidget(calendario);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(lbStatus, 1);
    bottom->addWidget(btSair);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle);
    layout->addWidget(dayGroup);
    layout->addLayout(bottom);

    // Only the fields, the work day and the exit button take the focus.
    for (QWidget *child : findChildren<QWidget *>())
        child->setFocusPolicy(Qt::NoFocus);
    for (QWidget *field : std::initializer_list<QWidget *>{edCod, edSen, dbMovimento, btSair})
        field->setFocusPolicy(Qt::StrongFocus);
    setTabOrder(edCod, edSen);
    setTabOrder(edSen, dbMovimento);
    setTabOrder(dbMovimento, btSair);

    edCod->installEventFilter(this);
    edSen->installEventFilter(this);
    AtualizaBar();
}

void TfmRelog::tick()
{
    const QTime now = platform::terminalNow().time();
    relogio->setTime(now);
    lbHora->setText(platform::RegionalSettings::current().formatLongTime(now));
}

void TfmRelog::showDateLine(const QDate &date) { lbData->setText(QLatin1Char('\n') + longDateText(date)); }

void TfmRelog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    const QDate today = platform::terminalToday();
    calendario->setSelectedDate(today);
    showDateLine(today);
    edCod->setFocus();
    edCodEnter();
}

void TfmRelog::done(int result)
{
    m_closing = true;
    QDialog::done(result);
}

bool TfmRelog::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        if (static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
            watched == edCod ? edCodEnter() : edSenEnter();
        break;
    case QEvent::FocusOut: {
        // Only a move inside this window counts as leaving a field: not another window
        // coming up, nor the screen closing, nor the exit button.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || m_closing || !isVisible())
            break;
        QWidget *next = QApplication::focusWidget();
        if (next == btSair)
            break;
        if (watched == edCod)
            edCodExit();
        else if (next != edCod)
            edSenExit();
        break;
    }
    case QEvent::KeyPress:
        return keyPressed(watched, static_cast<QKeyEvent *>(event)->key());
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

bool TfmRelog::keyPressed(QObject *field, int key)
{
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (field == edCod) {
        if (enter)
            edSen->setFocus();
        else if (key == Qt::Key_Escape)
            reject();
        return enter || key == Qt::Key_Escape;
    }
    if (enter) {
        // Leaving the password field records the punch.
        dbMovimento->setFocus();
        return true;
    }
    if (key == Qt::Key_Escape) {
        edCod->setFocus();
        return true;
    }
    if (edSen->text().isEmpty() && (key == Qt::Key_Right || key == Qt::Key_Left)) {
        m_selector.step(key == Qt::Key_Right ? 1 : -1);
        AtualizaBar();
        return true;
    }
    return false;
}

void TfmRelog::edCodEnter()
{
    edSen->clear();
    lbStatus->setText(QStringLiteral("Digite seu código ou passe o cartão!"));
}

void TfmRelog::forgetEmployee()
{
    m_employee.reset();
    m_day = PunchDay{};
    m_workDay = QDate();
    dbNome->clear();
    dbMovimento->clear();
    showPunchDay();
}

void TfmRelog::edCodExit()
{
    const QString typed = edCod->text().trimmed();
    if (typed.isEmpty()) {
        edCod->setFocus();
        return;
    }
    forgetEmployee();
    std::optional<TimeClockStore::Employee> employee;
    if (!m_store.findEmployee(typed, employee)) {
        showDatabaseError(m_store.lastError());
        edCod->setFocus();
        return;
    }
    if (!employee) {
        showInformation(QStringLiteral("Código não encontrado!"));
        edCod->setFocus();
        return;
    }
    if (!employee->schedule) {
        showInformation(QStringLiteral("O horário de trabalho não esta preenchido corretamente!"));
        edCod->setFocus();
        return;
    }
    dbNome->setText(employee->name);

    const QDateTime now = platform::terminalNow();
    const QDate workDay = employee->schedule->workDay(now);
    dbMovimento->setText(platform::RegionalSettings::current().formatDate(workDay));
    PunchDay day;
    if (!m_store.readPunchDay(employee->code, workDay, day)) {
        showDatabaseError(m_store.lastError());
        edCod->setFocus();
        return;
    }
    m_day = day;
    showPunchDay();
    const auto selector = nextPunches(day, employee->schedule->punchesBreak, now.date());
    if (!selector) {
        showInformation(QStringLiteral("Já foi Registrado Entrada e Saida !"));
        edCod->setFocus();
        return;
    }
    m_employee = employee;
    m_workDay = workDay;
    m_selector = *selector;
    if (!day.exists)
        edSen->setFocus();
    AtualizaBar();
}

void TfmRelog::edSenEnter()
{
    edSen->clear();
    const bool badgeTyped = m_employee && !m_employee->badge.isEmpty()
        && edCod->text().trimmed() == m_employee->badge;
    lbStatus->setText(badgeTyped ? QStringLiteral("Passe o cartão novamente!") : QStringLiteral("Digite sua senha!"));
}

bool TfmRelog::passwordAccepted(const QString &typed)
{
    // Passing the badge again stands for the password.
    if (!m_employee->badge.isEmpty() && typed == m_employee->badge)
        return true;
    if (!openAdSenha(m_dm, m_employee->code))
        return false;
    const auto &password = m_dm.employeeRows().adSenha;
    if (!password || typed != password->value(QStringLiteral("Senha")).toString()) {
        platform::showMessage(QStringLiteral("Senha Inválida!!"), platform::MessageIcon::None, QStringLiteral("Senha"));
        return false;
    }
    return true;
}

void TfmRelog::edSenExit()
{
    const QString typed = edSen->text();
    if (typed.isEmpty() || !m_employee)
        return;
    if (!passwordAccepted(typed)) {
        edSen->setFocus();
        return;
    }
    const Punch punch = m_selector.punch();
    if (m_employee->schedule->outsideTolerance(punch, m_workDay, platform::terminalNow().time())) {
        showInformation(QStringLiteral("Ponto fora do limite de tolerância !"));
        if (m_authorization.authorize(QStringLiteral("CHK_SANGRIAS")) != platform::DialogAnswer::Yes) {
            edSen->setFocus();
            return;
        }
    }
    const QDateTime moment = platform::terminalNow();
    if (!savePunch(punch, moment))
        return;
    m_day.exists = true;
    m_day.at(punch) = moment;
    showPunchDay();
    showInformation(QStringLiteral("Ponto Registrado !"));
    edCod->clear();
    edCod->setFocus();
}

bool TfmRelog::savePunch(Punch punch, const QDateTime &moment)
{
    if (m_store.savePunch(m_employee->code, m_workDay, moment, punch))
        return true;
    // Another terminal may hold the row for a moment: wait, keeping the clock running but
    // taking no keys, and try once more.
    QEventLoop wait;
    QTimer::singleShot(kRetryDelayMs, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    if (m_store.savePunch(m_employee->code, m_workDay, moment, punch))
        return true;
    showDatabaseError(m_store.lastError());
    return false;
}

void TfmRelog::AtualizaBar()
{
    m_selector.clamp();
    tbPonto->setSelection(m_selector.value, m_selector.lower, m_selector.upper);
    for (int i = 0; i < 4; ++i)
        setTextColor(m_captions.at(i), i + 1 == m_selector.value ? QColor(Qt::red) : QColor(Qt::black));
}

void TfmRelog::showPunchDay()
{
    const auto &settings = platform::RegionalSettings::current();
    for (int i = 0; i < 4; ++i)
        m_times.at(i)->setText(settings.formatShortTime(m_day.punches.at(i).time()));
}
