#include "TfmSenhaFun.h"

#include "EmployeeRecords.h"
#include "TDMSqls.h"
#include "TerminalSettings.h"
#include "platform/FingerprintKit.h"
#include "platform/TQORFinger.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

using platform::DialogAnswer;

// A code of more characters than this is a badge number.
constexpr int kLongestCode = 6;

// EAN-8 of 0000001 and its check digit 7, module by module: the form's decorative barcode.
constexpr char kBarcodeModules[] = "101"
                                   "0001101000110100011010001101"
                                   "01010"
                                   "1110010111001011001101000100"
                                   "101";

QPixmap decorativeBarcode()
{
    constexpr int moduleWidth = 2;
    constexpr int quietZone = 7 * moduleWidth;
    constexpr int height = 40;
    constexpr int modules = sizeof(kBarcodeModules) - 1;
    QPixmap pixmap(modules * moduleWidth + 2 * quietZone, height);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    for (int i = 0; i < modules; ++i) {
        if (kBarcodeModules[i] == '1')
            painter.fillRect(quietZone + i * moduleWidth, 0, moduleWidth, height, Qt::black);
    }
    return pixmap;
}

QString recordText(const std::optional<QSqlRecord> &row, const QString &column)
{
    return row ? row->value(column).toString() : QString();
}

} // namespace

TfmSenhaFun::TfmSenhaFun(TDMSqls &dm, const TerminalSettings &settings, QWidget *parent)
    : QDialog(parent)
    , m_dm(dm)
    , m_settings(settings)
    , edCodigo(new QLineEdit(this))
    , edSenha(new QLineEdit(this))
    , dbNome(new QLabel(this))
    , m_finger(new platform::TQORFinger(this))
{
    setObjectName(QStringLiteral("TfmSenhaFun"));
    setWindowTitle(QStringLiteral("Senha"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    edCodigo->setObjectName(QStringLiteral("edCodigo"));
    edCodigo->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edCodigo));
    connect(edCodigo, &QLineEdit::textChanged, this, &TfmSenhaFun::hideBadgeNumber);

    edSenha->setObjectName(QStringLiteral("edSenha"));
    edSenha->setMaxLength(6);
    edSenha->setEchoMode(QLineEdit::Password);
    edSenha->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 120; }")); // 'x'

    // Focus moves between the fields only through their keys, so that leaving a field
    // always runs its check.
    for (QLineEdit *field : {edCodigo, edSenha}) {
        field->setFocusPolicy(Qt::NoFocus);
        field->installEventFilter(this);
    }

    dbNome->setObjectName(QStringLiteral("dbNome"));
    QFont bold = dbNome->font();
    bold.setBold(true);
    dbNome->setFont(bold);

    auto *barcode = new QLabel(this);
    barcode->setPixmap(decorativeBarcode());

    auto *status = new QStatusBar(this);
    status->setSizeGripEnabled(false);
    for (const QString &text : {QStringLiteral("Digite seu código e senha"), QStringLiteral("[F8] para usar biometria")}) {
        auto *panel = new QLabel(text, status);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        status->addWidget(panel, 1);
    }

    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("Código"), edCodigo);
    fields->addRow(QStringLiteral("Senha"), edSenha);
    fields->addRow(dbNome);

    auto *body = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    left->addWidget(barcode, 0, Qt::AlignLeft);
    left->addLayout(fields);
    body->addLayout(left, 1);
    body->addWidget(m_finger, 0, Qt::AlignTop);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *content = new QVBoxLayout;
    content->setContentsMargins(12, 12, 12, 6);
    content->addLayout(body);
    layout->addLayout(content);
    layout->addWidget(status);
    setFixedSize(360, sizeHint().height());
}

DialogAnswer TfmSenhaFun::authorize(const QString &requiredPermission)
{
    m_requiredPermission = requiredPermission;
    switch (exec()) {
    case int(DialogAnswer::Yes):
        return DialogAnswer::Yes;
    case int(DialogAnswer::No):
        return DialogAnswer::No;
    default:
        return DialogAnswer::Cancel;
    }
}

void TfmSenhaFun::done(int result)
{
    m_finger->stop();
    QDialog::done(result);
}

void TfmSenhaFun::reject() { done(int(DialogAnswer::Cancel)); }

void TfmSenhaFun::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    edSenha->clear();
    enter(edCodigo);
    showEmployeeName();
    if (m_settings.Biometria) {
        QTimer::singleShot(1, this, [this] {
            if (isVisible())
                identifyByFingerprint(true);
        });
    }
}

bool TfmSenhaFun::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || (watched != edCodigo && watched != edSenha))
        return QDialog::eventFilter(watched, event);
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_Escape:
        done(int(DialogAnswer::No));
        return true;
    case Qt::Key_F8:
        identifyByFingerprint(false);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (watched == edCodigo)
            leaveCodigo();
        else
            leaveSenha();
        return true;
    default:
        return false;
    }
}

void TfmSenhaFun::enter(QLineEdit *field)
{
    field->clear();
    field->setFocus();
}

void TfmSenhaFun::hideBadgeNumber()
{
    // A badge number is not to be read over the employee's shoulder.
    QPalette palette = edCodigo->palette();
    palette.setColor(QPalette::Text, edCodigo->text().size() > kLongestCode ? palette.color(QPalette::Base)
                                                                            : QColor(Qt::black));
    edCodigo->setPalette(palette);
}

void TfmSenhaFun::showEmployeeName()
{
    dbNome->setText(recordText(m_dm.employeeRows().adFun, QStringLiteral("Nome")));
}

void TfmSenhaFun::leaveCodigo()
{
    const Check result = codeCheck();
    if (result == Check::Passed)
        enter(edSenha);
    else
        finish(result);
}

void TfmSenhaFun::leaveSenha()
{
    const Check result = passwordCheck(edSenha->text());
    if (result == Check::Passed)
        enter(edCodigo);
    else
        finish(result);
}

void TfmSenhaFun::finish(Check result)
{
    if (result == Check::Yes) {
        m_authorizedEmployee = recordText(m_dm.employeeRows().adFun, QStringLiteral("COD_FUNC")).toInt();
        done(int(DialogAnswer::Yes));
    } else if (result == Check::No) {
        done(int(DialogAnswer::No));
    }
}

TfmSenhaFun::Check TfmSenhaFun::codeCheck()
{
    const QString text = edCodigo->text();
    if (text.toDouble() == 0) {
        enter(edCodigo);
        return Check::Stay;
    }
    const bool badge = text.size() > kLongestCode;
    const bool opened = openAdFun(m_dm, badge ? 0 : text.toInt(), badge ? text : QString());
    showEmployeeName();
    if (!opened)
        return Check::Stay;
    const std::optional<QSqlRecord> &employee = m_dm.employeeRows().adFun;
    if (!employee) {
        platform::showMessage(QStringLiteral("Código não Encontrado!"));
        enter(edCodigo);
        return Check::NotFound;
    }
    if (!openAdSenha(m_dm, employee->value(QStringLiteral("COD_FUNC")).toInt()))
        return Check::Stay;
    if (!m_requiredPermission.isEmpty() && !permissionGranted())
        return Check::No;
    // A badge stands for the password.
    return badge ? Check::Yes : Check::Passed;
}

bool TfmSenhaFun::permissionGranted() const
{
    const std::optional<QSqlRecord> &senha = m_dm.employeeRows().adSenha;
    if (!senha) {
        platform::showMessage(QStringLiteral("Senha não Cadastrada!"));
        return false;
    }
    // Only 'F' refuses; empty or NULL grants. A flag the record does not hold refuses too.
    const int column = senha->indexOf(m_requiredPermission);
    if (column < 0 || senha->value(column).toString() == QLatin1String("F")) {
        platform::showMessage(QStringLiteral("Senha não Autorizada!"));
        return false;
    }
    return true;
}

TfmSenhaFun::Check TfmSenhaFun::passwordCheck(const QString &password)
{
    if (password.isEmpty())
        return Check::Passed;
    // An employee without a password row has an empty password.
    if (password != recordText(m_dm.employeeRows().adSenha, QStringLiteral("Senha"))) {
        platform::showMessage(QStringLiteral("Senha Inválida!"));
        enter(edSenha);
        return Check::Stay;
    }
    return Check::Yes;
}

void TfmSenhaFun::identifyByFingerprint(bool automatic)
{
    using platform::FingerprintKit;
    FingerprintKit &kit = platform::fingerprintKit();
    constexpr int slot = FingerprintKit::kTerminalSlot;
    try {
        do {
            if (!kit.BioAbreLeitor(slot))
                return;
            if (!kit.BioCaptura(slot)) {
                if (automatic)
                    done(int(DialogAnswer::Cancel));
                return;
            }
            enter(edCodigo);
            const int employee = kit.BioIdentifica(slot).user;
            if (employee > 0) {
                acceptFingerprint(employee);
                return;
            }
            platform::showMessage(QStringLiteral("Biometria inválida!"));
        } while (automatic);
    } catch (const platform::FingerprintKitError &error) {
        platform::showMessage(QStringLiteral("Erro ao identificar funcionário por biometria! ")
                                  + QString::fromUtf8(error.what()),
                              platform::MessageIcon::Error);
    }
}

void TfmSenhaFun::acceptFingerprint(int employee)
{
    // As if the employee had typed the code and the stored password.
    if (!openAdSenha(m_dm, employee))
        return;
    const QString password = recordText(m_dm.employeeRows().adSenha, QStringLiteral("Senha"));
    edCodigo->setText(QString::number(employee));
    edSenha->setText(password);
    switch (codeCheck()) {
    case Check::Passed:
        finish(passwordCheck(password));
        break;
    case Check::Yes:
        finish(Check::Yes);
        break;
    case Check::NotFound:
    case Check::No:
        finish(Check::No);
        break;
    case Check::Stay:
        break;
    }
}
