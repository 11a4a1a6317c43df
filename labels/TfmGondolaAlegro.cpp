#include "TfmGondolaAlegro.h"

#include "DplOutput.h"
#include "DriverPanels.h"
#include "LabelLayout.h"
#include "LabelListGrid.h"
#include "PrintControl.h"
#include "PrinterModels.h"
#include "SerialLabelPrinter.h"
#include "ShelfPrice.h"
#include "core/TDMSqls.h"
#include "core/TfmCons.h"
#include "core/TerminalSettings.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/PortResolver.h"
#include "platform/RegionalSettings.h"
#include "platform/TerminalPrinter.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

const QString kKind = QStringLiteral("GONDOLA");
// A longer code in the code field came from a barcode reader.
constexpr int kLongestTypedCode = 6;

QString text(const QSqlRecord &row, const char *column) { return row.value(QLatin1String(column)).toString(); }

QString money(const QVariant &value) { return platform::RegionalSettings::current().formatMoney(value.toDouble()); }

// Focus changes made by the user or the screen, not by another window coming and going.
bool ownFocusChange(const QEvent *event)
{
    const auto reason = static_cast<const QFocusEvent *>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

bool isEnter(const QKeyEvent *event) { return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter; }

QPushButton *button(QWidget *parent, const QString &name, const QString &caption, const QString &hint = {})
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

QLabel *productCaption(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setStyleSheet(QStringLiteral("color: blue; font-weight: bold;"));
    label->setMinimumWidth(320);
    return label;
}

} // namespace

TfmGondolaAlegro::TfmGondolaAlegro(const ScreenContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("TfmGondolaAlegro"));
    setWindowTitle(QStringLiteral("Etiquetas de Gôndolas"));
    buildScreen();

    if (m_context.settings.IniVar(kKind, m_context.dm) == TerminalSettings::LoadResult::MissingFile)
        return;
    platform::TerminalPrinter::instance().widenPenForLabels();
    QString error;
    if (!print_control::purge(m_context.dm, &error)) {
        platform::showMessage(error, platform::MessageIcon::Error);
        return;
    }
    m_opened = true;
}

void TfmGondolaAlegro::buildScreen()
{
    auto *products = new QGroupBox(QStringLiteral(" Produtos "), this);
    m_edIni = new QLineEdit(products);
    m_edIni->setObjectName(QStringLiteral("edIni"));
    m_edIni->installEventFilter(this);
    m_btSeek = button(products, QStringLiteral("btSeek"), QStringLiteral("..."), QStringLiteral("Pesquisar produtos"));
    m_btSeek->setFixedWidth(32);
    m_dbDescricao = productCaption(products, QStringLiteral("dbDescricao"));
    m_dbRotulo = productCaption(products, QStringLiteral("dbRotulo"));
    m_edQtd = new QSpinBox(products);
    m_edQtd->setObjectName(QStringLiteral("edQtd"));
    m_edQtd->setButtonSymbols(QAbstractSpinBox::NoButtons);
    m_edQtd->setRange(0, 99999999);
    m_edQtd->setValue(1);
    m_edQtd->installEventFilter(this);
    m_edEmp = new QLineEdit(products);
    m_edEmp->setObjectName(QStringLiteral("edEmp"));
    m_ckExibeDescPreco = new QCheckBox(QStringLiteral("Valor total por unidade de medida"), products);
    m_ckExibeDescPreco->setObjectName(QStringLiteral("ckExibeDescPreco"));
    m_ckExibeDescPreco->setChecked(true);

    auto *entry = new QGridLayout;
    entry->addWidget(new QLabel(QStringLiteral("Código"), products), 0, 0);
    entry->addWidget(new QLabel(QStringLiteral("Descrição"), products), 0, 2);
    entry->addWidget(new QLabel(QStringLiteral("Quantidade"), products), 0, 3);
    auto *code = new QHBoxLayout;
    code->addWidget(m_edIni);
    code->addWidget(m_btSeek);
    entry->addLayout(code, 1, 0, 1, 2);
    entry->addWidget(m_dbDescricao, 1, 2);
    entry->addWidget(m_edQtd, 1, 3);
    entry->addWidget(new QLabel(QStringLiteral("Rotulo"), products), 2, 2);
    entry->addWidget(m_dbRotulo, 3, 2);
    entry->addWidget(new QLabel(QStringLiteral("Título:"), products), 4, 0);
    entry->addWidget(m_edEmp, 4, 1, 1, 2);
    entry->addWidget(m_ckExibeDescPreco, 4, 3);
    entry->setColumnStretch(2, 1);

    m_list = new LabelListGrid({89, 280, 66, 26, 64, 64, 64, 64, 64}, 9, products);
    m_list->setObjectName(QStringLiteral("sgEtiquetas"));
    m_list->setMinimumSize(800, 220);
    m_lbQtd = new QLabel(QStringLiteral("0"), products);
    m_lbQtd->setObjectName(QStringLiteral("lbQtd"));
    connect(m_list, &LabelListGrid::labelCountChanged, this, [this](int count) { m_lbQtd->setNum(count); });

    m_btProdAlterado = button(products, QStringLiteral("btProdAlterado"), QStringLiteral("Produtos Alterados"));
    m_btPrdEnt = button(products, QStringLiteral("btPrdEnt"), QStringLiteral("Etiquetas Liberadas"));
    m_btImp = button(products, QStringLiteral("btImp"), QStringLiteral("&Imprimir"), QStringLiteral("Imprimir"));
    m_btImp->setEnabled(false);
    m_BitBtn1 = button(products, QStringLiteral("BitBtn1"), QStringLiteral("&Limpar"));
    m_btSai = button(products, QStringLiteral("btSai"), QStringLiteral("&Sair"), QStringLiteral("Sair"));
    connect(m_btSeek, &QPushButton::clicked, this, &TfmGondolaAlegro::btSeekClick);
    connect(m_btProdAlterado, &QPushButton::clicked, this, &TfmGondolaAlegro::btProdAlteradoClick);
    connect(m_btPrdEnt, &QPushButton::clicked, this, &TfmGondolaAlegro::btPrdEntClick);
    connect(m_btImp, &QPushButton::clicked, this, &TfmGondolaAlegro::btImpClick);
    connect(m_BitBtn1, &QPushButton::clicked, this, &TfmGondolaAlegro::BitBtn1Click);
    connect(m_btSai, &QPushButton::clicked, this, &QDialog::reject);

    auto *counter = new QHBoxLayout;
    counter->addWidget(m_lbQtd);
    counter->addWidget(new QLabel(QStringLiteral("Etiquetas"), products));
    counter->addStretch();
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {m_btProdAlterado, m_btPrdEnt, m_btImp, m_BitBtn1, m_btSai})
        buttons->addWidget(b);

    auto *productsLayout = new QVBoxLayout(products);
    productsLayout->addLayout(entry);
    productsLayout->addWidget(m_list, 1);
    productsLayout->addLayout(counter);
    productsLayout->addLayout(buttons);

    const QString iniPath = QDir(m_context.settings.ExeDir).filePath(QStringLiteral("Consulta.INI"));
    m_zebraPanel = new ZebraUsbPortPanel(iniPath, this);
    m_elginPanel = new ElginPrinterPanel(iniPath, this);

    auto *status = new QStatusBar(this);
    status->setSizeGripEnabled(false);
    status->showMessage(QStringLiteral("        [F3 - Impressão por 100 gramas]"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(products, 1);
    layout->addWidget(m_zebraPanel);
    layout->addWidget(m_elginPanel);
    layout->addWidget(status);

    // F3 anywhere on the screen, also with the print button disabled.
    auto *f3 = new QShortcut(QKeySequence(Qt::Key_F3), this);
    connect(f3, &QShortcut::activated, this, [this] { printLabels(true); });
}

void TfmGondolaAlegro::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    FormShow();
    FormActivate();
}

void TfmGondolaAlegro::FormShow()
{
    const TerminalSettings &settings = m_context.settings;
    // Products in promotion stay off gondola labels unless configured otherwise, on this
    // screen only.
    m_filter = settings.ProdutoPromocaoGondola == QStringLiteral("SIM") ? product_query::Filter::All
                                                                        : product_query::Filter::NotInPromotion;
    const QString driverName = settings.layout(QStringLiteral("Driver_Name"));
    if (settings.Modelo == printer_model::ZebraZd220Usb && driverName.isEmpty())
        m_zebraPanel->show();
    if (settings.Modelo == printer_model::ElginL42) {
        m_elginPanel->fillPrinters(QPrinterInfo::availablePrinterNames());
        if (!m_elginPanel->hasPrinter(driverName))
            m_elginPanel->show();
    }
}

void TfmGondolaAlegro::FormActivate()
{
    m_zebraPanel->fillPorts(platform::usbPrinterPorts(), platform::rawPrinterPorts());
    // The serial printer's port is tried whatever the model; the DPL output reports it.
    m_port.open(m_context.settings.layout(QStringLiteral("Porta")));
    m_port.close();
    m_edIni->setText(QStringLiteral("0"));
    m_edIni->selectAll();
    m_edIni->setFocus();
    m_list->clearLabels();
    m_edEmp->setText(m_context.dm.storeShortName());
    refreshReleasedLabelsButton();
}

void TfmGondolaAlegro::refreshReleasedLabelsButton()
{
    QString error;
    const auto released = print_control::releasedLabels(m_context.dm, m_filter, &error);
    if (!released) {
        platform::showMessage(error, platform::MessageIcon::Error);
        return;
    }
    m_btPrdEnt->setEnabled(!released->isEmpty());
    m_btPrdEnt->setToolTip(released->isEmpty()
                               ? QStringLiteral("Gerar etiquetas dos produtos com preços para alterar.")
                               : QStringLiteral("Existem %1 produtos com os preços alterados.\nClique para gerar as etiquetas.")
                                     .arg(released->size()));
}

void TfmGondolaAlegro::later(void (TfmGondolaAlegro::*handler)())
{
    QMetaObject::invokeMethod(this, handler, Qt::QueuedConnection);
}

bool TfmGondolaAlegro::eventFilter(QObject *watched, QEvent *event)
{
    // Entering a field selects its text, so that a scan or a typed quantity replaces it.
    if ((watched == m_edIni || watched == m_edQtd) && event->type() == QEvent::FocusIn && ownFocusChange(event)
        && static_cast<QFocusEvent *>(event)->reason() != Qt::MouseFocusReason)
        watched == m_edIni ? m_edIni->selectAll() : m_edQtd->selectAll();
    if (watched == m_edIni) {
        if (event->type() == QEvent::KeyPress)
            return edIniKeyPress(static_cast<QKeyEvent *>(event));
        // Handled once the focus has settled, as the user would see it.
        if (event->type() == QEvent::FocusOut && ownFocusChange(event) && QApplication::focusWidget() != m_btSai)
            later(&TfmGondolaAlegro::edIniExit);
    } else if (watched == m_edQtd) {
        if (event->type() == QEvent::KeyPress && isEnter(static_cast<QKeyEvent *>(event))) {
            m_btSai->setFocus();
            return true;
        }
        if (event->type() == QEvent::FocusIn && ownFocusChange(event))
            later(&TfmGondolaAlegro::edQtdEnter);
        if (event->type() == QEvent::FocusOut && ownFocusChange(event))
            later(&TfmGondolaAlegro::edQtdExit);
    }
    return QDialog::eventFilter(watched, event);
}

bool TfmGondolaAlegro::edIniKeyPress(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    if (isEnter(event)) {
        const QString code = m_edIni->text();
        if (code == QStringLiteral("0")) {
            m_btSeek->setFocus();
        } else if (code.isEmpty() && m_btImp->isEnabled()) {
            m_btImp->setFocus();
        } else {
            m_edQtd->setValue(1);
            m_edQtd->setFocus();
        }
        return true;
    }
    // Digits, Backspace and the letter m; every other character is dropped. Keys that
    // type nothing (arrows, Tab, Delete) keep their use.
    const QString typed = event->text();
    if (typed.isEmpty() || event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete
        || event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        return false;
    const QChar ch = typed.front();
    return !(ch.isDigit() && ch.unicode() < 128) && ch != QLatin1Char('m');
}

void TfmGondolaAlegro::edIniExit()
{
    const QString code = m_edIni->text();
    if (code.isEmpty() || code == QStringLiteral("0"))
        return;
    showProduct(std::nullopt);
    const auto rows = product_query::findProducts(m_context.dm, code, m_filter);
    if (!rows) {
        platform::showMessage(QStringLiteral("Não foi possível consultar o produto \"%1\".").arg(code),
                              platform::MessageIcon::Error);
        m_edIni->setFocus();
        return;
    }
    if (rows->isEmpty()) {
        QString message = QStringLiteral("Produto Não Encontrado ! ");
        if (m_filter == product_query::Filter::NotInPromotion)
            message += QStringLiteral("\nVerifique se o produto está em promoção.");
        platform::showMessage(message);
        m_edIni->setFocus();
        return;
    }
    showProduct(rows->first());
    // A scanned barcode: the quantity field takes its preset 1 at once.
    if (code.size() > kLongestTypedCode) {
        if (QWidget *focused = QApplication::focusWidget()) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            QApplication::sendEvent(focused, &press);
            QApplication::sendEvent(focused, &release);
        }
    }
}

void TfmGondolaAlegro::edQtdEnter()
{
    if (!m_edQtd->hasFocus())
        return;
    if (m_edIni->text() == QStringLiteral("0"))
        m_edIni->setFocus();
}

void TfmGondolaAlegro::edQtdExit()
{
    const int quantity = m_edQtd->value();
    const QString code = m_edIni->text();
    if (quantity <= 0 || code.isEmpty() || code == QStringLiteral("0") || !m_product) {
        m_edQtd->setValue(0);
        m_edIni->setFocus();
        return;
    }
    m_btImp->setEnabled(true);
    const QStringList label = labelOf(*m_product);
    for (int i = 0; i < quantity; ++i)
        m_list->appendLabel(label);
    m_edIni->clear();
    m_edIni->setFocus();
}

void TfmGondolaAlegro::showProduct(const std::optional<QSqlRecord> &product)
{
    m_product = product;
    m_dbDescricao->setText(product ? text(*product, "DESCRICAO") : QString());
    m_dbRotulo->setText(product ? text(*product, "ROTULO") : QString());
}

QStringList TfmGondolaAlegro::labelOf(const QSqlRecord &product) const
{
    const QString rotulo = text(product, "ROTULO");
    const ShelfPrice price = shelfPrice(product, platform::terminalToday());
    return {text(product, "CODIGO_BARRAS"),
            rotulo.trimmed().isEmpty() ? text(product, "DESCRICAO") : rotulo,
            platform::RegionalSettings::current().formatMoney(price.price),
            text(product, "FLG_UNIDADE_VENDA"),
            text(product, "REFERENCIA_FORN"),
            text(product, "COD_PROD"),
            text(product, "PCO"),
            price.inPromotion ? promotionText(m_context.settings.layout(QStringLiteral("TextoPromocao")),
                                              product.value(QStringLiteral("DATA_PROM_FINAL")))
                              : QString()};
}

void TfmGondolaAlegro::btSeekClick()
{
    const QPoint anchor = PosicaoPopup(m_btSeek);
    const int code = MostraConsulta(m_context.dm, QStringLiteral("Produto  where chk_ativo='T' "), QStringLiteral("Descricao"),
                                    QStringLiteral("cod_prod"), QStringLiteral("Descricao"), anchor.y(), anchor.x(), this);
    if (code > 0)
        m_edIni->setText(QString::number(code));
    m_edIni->setFocus();
}

void TfmGondolaAlegro::btPrdEntClick()
{
    m_list->clearLabels();
    QString error;
    const auto released = print_control::releasedLabels(m_context.dm, m_filter, &error);
    if (!released) {
        platform::showMessage(error, platform::MessageIcon::Error);
        return;
    }
    for (const QSqlRecord &row : *released) {
        m_list->appendLabel({text(row, "Codigo Barras"), text(row, "Descricao"), money(row.value(QStringLiteral("NovoPco"))),
                             text(row, "Unidade"), QString(), text(row, "Codigo"), text(row, "PCO")});
    }
    m_btImp->setEnabled(true);
}

void TfmGondolaAlegro::btProdAlteradoClick()
{
    m_list->clearLabels();
    TfrmFiltraProdutoPrecoAlterado dialog(m_context.dm, *this, this);
    dialog.exec();
}

void TfmGondolaAlegro::appendChangedPrice(const QSqlRecord &product)
{
    m_list->appendLabel({text(product, "CODIGO_BARRAS"), text(product, "DESCRICAO"),
                         TfrmFiltraProdutoPrecoAlterado::priceText(product), text(product, "FLG_UNIDADE_VENDA"), QString(),
                         text(product, "COD_PROD"), text(product, "PCO")});
}

void TfmGondolaAlegro::changedPricesAppended() { m_btImp->setEnabled(true); }

void TfmGondolaAlegro::BitBtn1Click()
{
    m_list->clearLabels();
    m_edIni->setFocus();
}

void TfmGondolaAlegro::btImpClick() { printLabels(false); }

void TfmGondolaAlegro::printLabels(bool per100g)
{
    if (printer_model::isDpl(m_context.settings.Modelo))
        printDpl(per100g);
    if (!isVisible())
        return;
    m_btImp->setEnabled(true);
    m_edIni->setFocus();
}

void TfmGondolaAlegro::printDpl(bool per100g)
{
    const QString porta = m_context.settings.layout(QStringLiteral("Porta"));
    if (porta.trimmed().isEmpty())
        return;
    const GondolaPrint print{m_list->labels(), per100g, m_edEmp->text(), m_ckExibeDescPreco->isChecked()};
    switch (printOnSerialPort(dplGondolaLabels(print, labelLayout(m_context.settings)), porta, m_context.dm)) {
    case PrintOutcome::Printed:
        platform::showMessage(QStringLiteral("Impressão Concluida !"));
        BitBtn1Click();
        break;
    case PrintOutcome::PortFailed:
        reject();
        break;
    case PrintOutcome::Stopped:
        break;
    }
}
