#include "TfrmFiltraProdutoPrecoAlterado.h"

#include "core/SqlValues.h"
#include "core/TDMSqls.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/RegionalSettings.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QVBoxLayout>

namespace {

QString changedPricesText(bool sqlite)
{
    return QStringLiteral(
               "SELECT COD_PROD, CODIGO_BARRAS, DESCRICAO, FLG_UNIDADE_VENDA, VLR_PRECO, REFERENCIA_FORN,\n"
               "%1 AS PCO,\n"
               "%2 AS PROMOCAO\n"
               "FROM PRODUTO%3\n"
               "WHERE %4 between %5 and %6\n"
               "ORDER BY 1")
        .arg(product_query::unitPriceTextColumn(sqlite, sqlite ? QStringLiteral("p.VLR_PRECO") : QStringLiteral("VLR_PRECO")),
             product_query::promotionColumn(sqlite), sqlite ? QStringLiteral(" p") : QString(),
             sqlite ? QStringLiteral("datetime(p.DATA_MUDANCA_PRECO)") : QStringLiteral("DATA_MUDANCA_PRECO"),
             sqlite ? QStringLiteral("datetime(:dtIni)") : QStringLiteral(":dtIni"),
             sqlite ? QStringLiteral("datetime(:dtFin)") : QStringLiteral(":dtFin"));
}

QDate typedDate(const QLineEdit *field)
{
    return QDate::fromString(field->text(), platform::RegionalSettings::current().shortDateFormat);
}

} // namespace

const SqlStatement qrProdutoAlterado{QStringLiteral("qrProdutoAlterado"), DbConnection::Server, changedPricesText(false),
                                     changedPricesText(true)};

TfrmFiltraProdutoPrecoAlterado::TfrmFiltraProdutoPrecoAlterado(TDMSqls &dm, ChangedPricesTarget &target, QWidget *parent)
    : QDialog(parent)
    , m_dm(dm)
    , m_target(target)
{
    setObjectName(QStringLiteral("TfrmFiltraProdutoPrecoAlterado"));
    setWindowTitle(QStringLiteral("Preços Alterados"));

    const auto &regional = platform::RegionalSettings::current();
    const auto dateField = [this, &regional](const QString &name, const QDate &date) {
        auto *field = new QLineEdit(this);
        field->setObjectName(name);
        field->setInputMask(QStringLiteral("99/99/9999;_"));
        field->setText(regional.formatDate(date));
        field->installEventFilter(this);
        return field;
    };
    const QDate today = platform::terminalToday();
    const QDate firstDay(today.year(), today.month(), 1);
    m_edDtIni = dateField(QStringLiteral("edDtIni"), firstDay);
    m_edDtFin = dateField(QStringLiteral("edDtFin"), firstDay.addMonths(1).addDays(-1));

    auto *period = new QGroupBox(QStringLiteral("Período"), this);
    auto *fields = new QFormLayout(period);
    fields->addRow(QStringLiteral("Inicial"), m_edDtIni);
    fields->addRow(QStringLiteral("Final"), m_edDtFin);

    m_btConfirmar = new QPushButton(QStringLiteral("&Confirmar"), this);
    m_btConfirmar->setObjectName(QStringLiteral("btConfirmar"));
    m_btConfirmar->setDefault(true);
    auto *btSai = new QPushButton(QStringLiteral("Sair"), this);
    btSai->setObjectName(QStringLiteral("btSai"));
    btSai->setToolTip(QStringLiteral("Sair"));
    btSai->setAutoDefault(false);
    connect(m_btConfirmar, &QPushButton::clicked, this, &TfrmFiltraProdutoPrecoAlterado::btConfirmarClick);
    connect(btSai, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_btConfirmar);
    buttons->addWidget(btSai);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(period);
    layout->addLayout(buttons);
}

QString TfrmFiltraProdutoPrecoAlterado::priceText(const QSqlRecord &product)
{
    const double price = sqlNumber(product.value(QStringLiteral("VLR_PRECO"))).value_or(0);
    return QStringLiteral("R$") + platform::RegionalSettings::current().formatFixed(price, 2);
}

void TfrmFiltraProdutoPrecoAlterado::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_edDtIni->setFocus();
}

bool TfrmFiltraProdutoPrecoAlterado::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            (watched == m_edDtIni ? static_cast<QWidget *>(m_edDtFin) : m_btConfirmar)->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmFiltraProdutoPrecoAlterado::btConfirmarClick()
{
    const QDate from = typedDate(m_edDtIni);
    if (!from.isValid()) {
        m_edDtIni->setFocus();
        platform::showMessage(QStringLiteral("Data inicial Inválida!"));
        return;
    }
    const QDate to = typedDate(m_edDtFin);
    if (!to.isValid()) {
        m_edDtFin->setFocus();
        platform::showMessage(QStringLiteral("Data final Inválida!"));
        return;
    }

    QSqlQuery query = m_dm.prepare(qrProdutoAlterado);
    query.bindValue(QStringLiteral(":dtIni"), m_dm.dateValue(DbConnection::Server, from.startOfDay()));
    query.bindValue(QStringLiteral(":dtFin"), m_dm.dateValue(DbConnection::Server, to.startOfDay()));
    if (!query.exec()) {
        platform::showMessage(query.lastError().text(), platform::MessageIcon::Error);
        return;
    }
    int appended = 0;
    while (query.next()) {
        if (!product_query::passes(m_target.changedPricesFilter(), query.record()))
            continue;
        m_target.appendChangedPrice(query.record());
        ++appended;
    }
    if (appended == 0) {
        platform::showMessage(QStringLiteral("Não foram encontrados registros neste período!"));
        return;
    }
    m_target.changedPricesAppended();
    accept();
}
