#include "TfmConsProd.h"

#include "DescriptionSearchPanel.h"
#include "FingerprintTemplates.h"
#include "FunctionKeys.h"
#include "ProductQuery.h"
#include "ShadowLabel.h"
#include "TDMSqls.h"
#include "platform/Colors.h"
#include "platform/FilePaths.h"
#include "platform/Messages.h"
#include "platform/RegionalSettings.h"
#include "platform/ScreenNavigator.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace {

const QColor kGolden = platform::colorFromBgr(2730966);
const QColor kGrey = platform::colorFromBgr(6250335);
const QColor kTeal = platform::colorFromBgr(0x808000);
const QColor kFace(240, 240, 240);

const QString kProductTitle = QStringLiteral("Consulta de Produtos");

QFont screenFont(int pointSize, bool italic = false)
{
    QFont font(QStringLiteral("Arial"), pointSize, QFont::Bold, italic);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

ShadowLabel *caption(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new ShadowLabel(name, parent);
    label->setFont(screenFont(14));
    label->setColors(kGolden, Qt::black);
    label->setText(text);
    return label;
}

ShadowLabel *display(const QString &name, int pointSize, QWidget *parent)
{
    auto *label = new ShadowLabel(name, parent);
    label->setFont(screenFont(pointSize));
    label->setColors(kGrey, kFace);
    return label;
}

QString fieldText(const std::optional<QSqlRecord> &record, const QString &field)
{
    return record ? record->value(field).toString() : QString();
}

QString amountText(const std::optional<QSqlRecord> &record, const QString &field)
{
    return record ? platform::RegionalSettings::current().formatAmount(record->value(field).toDouble()) : QString();
}

QString generalText(const std::optional<QSqlRecord> &record, const QString &field)
{
    if (!record || record->value(field).isNull())
        return {};
    return platform::RegionalSettings::current().formatGeneral(record->value(field).toDouble());
}

} // namespace

TfmConsProd::TfmConsProd(TDMSqls &dm, const QString &exeDir, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_dm(dm)
    , m_settings(exeDir)
{
    setObjectName(QStringLiteral("TfmConsProd"));
    setWindowTitle(QStringLiteral("Consulta de Produtos(3.0.1)"));
    buildScreen();
    m_configurationFound = m_settings.IniVar(QStringLiteral("GONDOLA"), m_dm) != TerminalSettings::LoadResult::MissingFile;
}

TfmConsProd::~TfmConsProd() = default;

void TfmConsProd::setAuthorization(EmployeeAuthorization &authorization)
{
    m_functionKeys = std::make_unique<FunctionKeys>(platform::ScreenNavigator::instance(), authorization, m_dm);
}

void TfmConsProd::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_shownBefore)
        return;
    m_shownBefore = true;
    loadFingerprintTemplates(m_dm);
}

void TfmConsProd::buildScreen()
{
    resize(1024, 740);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    m_title = new ShadowLabel(QStringLiteral("lbTitulo"), this);
    m_title->setFont(screenFont(30, true));
    m_title->setColors(Qt::yellow, Qt::black);
    m_title->setText(kProductTitle);

    m_logo = new QLabel(this);
    m_logo->setObjectName(QStringLiteral("imgLogo"));
    m_logo->setFixedSize(260, 130);
    m_logo->setScaledContents(true);

    m_lbCodigo = caption(QStringLiteral("lbCodigo"), QStringLiteral("Código"), this);
    m_lbDescricao = caption(QStringLiteral("lbDescricao"), QStringLiteral("Descrição"), this);
    m_lbCusto = caption(QStringLiteral("lbCusto"), QStringLiteral("Preco Custo"), this);
    m_lbVenda = caption(QStringLiteral("lbVenda"), QStringLiteral("Preco Venda"), this);
    m_lbUnidade = caption(QStringLiteral("lbUnidade"), QStringLiteral("Unidade"), this);
    auto *lbBarras = caption(QStringLiteral("lbBarras"), QStringLiteral("Código Barras"), this);

    m_dbCodigo = display(QStringLiteral("dbCodigo"), 28, this);
    m_dbDescricao = display(QStringLiteral("dbDescricao"), 28, this);
    m_dbCusto = display(QStringLiteral("dbCusto"), 34, this);
    m_dbPontos = display(QStringLiteral("dbPontos"), 34, this);
    m_dbPreco = display(QStringLiteral("dbPreco"), 34, this);
    m_dbSaldo = display(QStringLiteral("dbSaldo"), 34, this);
    m_dbUnidade = display(QStringLiteral("dbUnidade"), 34, this);
    for (ShadowLabel *customerValue : {m_dbPontos, m_dbSaldo})
        customerValue->setColors(kTeal, kFace);

    m_edCod = new QLineEdit(this);
    m_edCod->setObjectName(QStringLiteral("edCod"));
    m_edCod->setFrame(false);
    m_edCod->setFont(screenFont(24));
    m_edCod->setMinimumWidth(420);
    m_edCod->installEventFilter(this);

    // Over the middle of the screen, outside the layout.
    m_pnCons = new DescriptionSearchPanel(m_dm, m_edCod, this);
    connect(m_edCod, &QLineEdit::textChanged, this, &TfmConsProd::edCodChange);
    connect(m_pnCons, &DescriptionSearchPanel::productChosen, this, [this](const QString &barcode) {
        m_edCod->setText(barcode);
        lookUp();
    });

    m_tmInv = new QTimer(this);
    m_tmInv->setObjectName(QStringLiteral("tmInv"));
    m_tmInv->setInterval(30000);

    auto *top = new QHBoxLayout;
    top->addWidget(m_title, 1, Qt::AlignLeft | Qt::AlignTop);
    top->addWidget(m_logo, 0, Qt::AlignRight | Qt::AlignTop);

    auto *values = new QGridLayout;
    values->setHorizontalSpacing(40);
    values->addWidget(m_lbCusto, 0, 0);
    values->addWidget(m_lbVenda, 0, 1);
    values->addWidget(m_lbUnidade, 0, 2);
    values->addWidget(m_dbCusto, 1, 0);
    values->addWidget(m_dbPontos, 1, 0);
    values->addWidget(m_dbPreco, 1, 1);
    values->addWidget(m_dbSaldo, 1, 1);
    values->addWidget(m_dbUnidade, 1, 2);
    values->setColumnStretch(0, 1);
    values->setColumnStretch(1, 1);
    values->setColumnStretch(2, 1);

    auto *help = new QHBoxLayout;
    const QStringList helpTexts = {
        QStringLiteral("* = Consulta"),           QStringLiteral("F3 = Registrar Ponto"),
        QStringLiteral("F4 = Imprimir Etiqueta"), QStringLiteral("F5 = Rel. de Promoção"),
        QStringLiteral("F6 = Comandas"),          QStringLiteral("F7 = Retira Produto"),
        QStringLiteral("F8 = Troca Fornecedor"),  QStringLiteral("F9 = Inventário"),
    };
    for (const QString &text : helpTexts) {
        auto *label = new QLabel(text, this);
        label->setStyleSheet(QStringLiteral("color: #c0c0c0; font-size: 9pt;"));
        help->addWidget(label);
    }

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 24, 36, 12);
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addWidget(m_lbCodigo);
    layout->addWidget(m_dbCodigo);
    layout->addSpacing(8);
    layout->addWidget(m_lbDescricao);
    layout->addWidget(m_dbDescricao);
    layout->addSpacing(16);
    layout->addLayout(values);
    layout->addStretch(1);
    layout->addWidget(lbBarras);
    layout->addWidget(m_edCod, 0, Qt::AlignLeft);
    layout->addSpacing(10);
    layout->addLayout(help);
}

void TfmConsProd::paintEvent(QPaintEvent *)
{
    // The screen's own background picture: a dark header behind the title, a light shelf
    // in the middle where the grey values read best, and a dark band for the code field.
    QPainter painter(this);
    const int headerBottom = m_lbCodigo->y() - 10;
    const int footerTop = m_edCod->y() - m_edCod->height() - 10;
    QLinearGradient header(0, 0, 0, headerBottom);
    header.setColorAt(0.0, QColor(8, 30, 70));
    header.setColorAt(1.0, QColor(24, 70, 130));
    painter.fillRect(QRect(0, 0, width(), headerBottom), header);
    QLinearGradient body(0, headerBottom, width(), footerTop);
    body.setColorAt(0.0, QColor(246, 248, 252));
    body.setColorAt(1.0, QColor(205, 218, 236));
    painter.fillRect(QRect(0, headerBottom, width(), footerTop - headerBottom), body);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 90));
    for (int i = 0; i < 4; ++i)
        painter.drawEllipse(QPoint(width() - 90 * i, footerTop - 30 * i), 180 - 25 * i, 180 - 25 * i);
    QLinearGradient footer(0, footerTop, 0, height());
    footer.setColorAt(0.0, QColor(24, 70, 130));
    footer.setColorAt(1.0, QColor(8, 30, 70));
    painter.fillRect(QRect(0, footerTop, width(), height() - footerTop), footer);
    painter.setPen(QPen(kGolden, 3));
    painter.drawLine(0, headerBottom, width(), headerBottom);
    painter.drawLine(0, footerTop, width(), footerTop);
}

void TfmConsProd::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TfmConsProd::FormActivate()
{
    if (!m_settings.Caminho.isEmpty())
        m_settings.LogoPath = m_settings.Caminho;
    loadLogo();
    m_dbCusto->setVisible(m_settings.Custo == QStringLiteral("SIM"));
    const bool pontos = m_settings.Pontos == QStringLiteral("SIM");
    m_lbCusto->setVisible(pontos);
    m_dbPontos->setVisible(pontos);
    m_dbSaldo->setVisible(m_settings.Saldo == QStringLiteral("SIM"));
    m_pnCons->hide();
    m_edCod->setFocus();
}

void TfmConsProd::loadLogo()
{
    // A relative path is taken from the executable's folder.
    const QString logo = QString(m_settings.LogoPath).replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString path = platform::findFile(QDir::isRelativePath(logo) && !logo.isEmpty()
                                                ? QDir(m_settings.ExeDir).filePath(logo)
                                                : logo);
    // Every closed message box activates the screen again: a picture is read once, and a
    // bad one reported once, not in an endless round of error boxes.
    if (path.isEmpty() || path == m_logoTried)
        return;
    m_logoTried = path;
    static const QStringList formats = {QStringLiteral("bmp"), QStringLiteral("ico"), QStringLiteral("jpg"),
                                        QStringLiteral("jpeg"), QStringLiteral("png")};
    const QString extension = QFileInfo(path).suffix().toLower();
    QImageReader reader(path);
    reader.setFormat(extension == QStringLiteral("jpg") ? QByteArray("jpeg") : extension.toLatin1());
    QImage image;
    if (formats.contains(extension))
        image = reader.read();
    if (image.isNull()) {
        platform::showMessage(QStringLiteral("Não foi possível carregar a imagem \"%1\".").arg(m_settings.LogoPath),
                              platform::MessageIcon::Error);
        return;
    }
    m_logo->setPixmap(QPixmap::fromImage(image));
}

bool TfmConsProd::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edCod && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            edCodKeyPress(key);
            return true;
        }
        if (m_functionKeys && m_functionKeys->keyPressed(key->key(), this))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TfmConsProd::edCodKeyPress(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        if (platform::askYesNo(QStringLiteral("Abandonar o Sistema ?"), QStringLiteral("Consulta")))
            emit quitRequested();
        return;
    }
    lookUp();
}

void TfmConsProd::edCodChange(const QString &text)
{
    if (text != QStringLiteral("*"))
        return;
    m_pnCons->open();
    m_edCod->clear();
}

void TfmConsProd::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        if (platform::askYesNo(QStringLiteral("Abandona o Q.O.R. ?"), QStringLiteral("QorWin")))
            emit quitRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TfmConsProd::BackOff()
{
    m_mode = Mode::Product;
    m_title->setText(kProductTitle);
    m_dbCodigo->setColors(kGrey, kFace);
    m_lbDescricao->setText(QStringLiteral("Descrição"));
    m_dbDescricao->setColors(kGrey, kFace);
    m_lbCusto->setText(QStringLiteral("Preço Custo"));
    m_lbVenda->setText(QStringLiteral("Preço Venda"));
    m_lbUnidade->show();
    m_dbUnidade->show();
    refreshDisplays();
}

void TfmConsProd::lookUp()
{
    BackOff();
    if (!runLookup(m_edCod->text()))
        lookupFailed();
    refreshDisplays();
}

bool TfmConsProd::runLookup(const QString &typed)
{
    m_customer.reset();
    m_product.reset();
    const auto products = product_query::findProducts(m_dm, typed);
    if (!products)
        return false;
    if (!products->isEmpty()) {
        m_product = products->first();
        m_edCod->clear();
        m_edCod->selectAll();
        return true;
    }

    const QString trimmed = typed.trimmed();
    if (trimmed.size() > 6) {
        const auto linked = product_query::linkedProduct(m_dm, trimmed);
        if (!linked)
            return false;
        const auto viaLink = product_query::findProducts(m_dm, QString::number(*linked));
        if (!viaLink)
            return false;
        if (!viaLink->isEmpty()) {
            m_product = viaLink->first();
            m_edCod->selectAll();
            return true;
        }
    }

    if (trimmed.size() == 8) {
        const auto customers = product_query::findCustomers(m_dm, trimmed);
        if (!customers)
            return false;
        if (customers->isEmpty()) {
            BackOff();
        } else {
            // The code display keeps its field name: a customer row without it cannot show.
            if (customers->first().indexOf(QStringLiteral("COD_PROD")) < 0)
                return false;
            showCustomer(customers->first());
        }
        m_edCod->clear();
        m_edCod->setFocus();
        return true;
    }

    platform::showMessage(QStringLiteral("Registro não encontrado !"));
    m_edCod->clear();
    m_edCod->setFocus();
    return true;
}

void TfmConsProd::lookupFailed()
{
    platform::showMessage(QStringLiteral("Produto não encontrado!"));
    m_edCod->clear();
    m_edCod->setFocus();
}

void TfmConsProd::showCustomer(const QSqlRecord &customer)
{
    m_customer = customer;
    m_mode = Mode::Customer;
    m_title->setText(QStringLiteral("Consulta de Clientes"));
    m_dbCodigo->setColors(kTeal, kFace);
    m_lbDescricao->setText(QStringLiteral("Nome"));
    m_dbDescricao->setColors(kTeal, kFace);
    m_lbUnidade->hide();
    m_dbUnidade->hide();
    m_lbCusto->setText(m_settings.Pontos == QStringLiteral("SIM") ? QStringLiteral("Pontos") : QString());
    m_lbVenda->setText(m_settings.Saldo == QStringLiteral("SIM") ? QStringLiteral("Saldo") : QString());
}

void TfmConsProd::refreshDisplays()
{
    const bool customerMode = m_mode == Mode::Customer;
    m_dbCodigo->setText(fieldText(customerMode ? m_customer : m_product, QStringLiteral("COD_PROD")));
    m_dbDescricao->setText(customerMode ? fieldText(m_customer, QStringLiteral("Nome"))
                                        : fieldText(m_product, QStringLiteral("Descricao")));
    m_dbCusto->setText(amountText(m_product, QStringLiteral("vlr_Ultimo_Custo")));
    m_dbPreco->setText(amountText(m_product, QStringLiteral("PrecoReal")));
    m_dbUnidade->setText(fieldText(m_product, QStringLiteral("flg_unidade_venda")));
    m_dbPontos->setText(generalText(m_customer, QStringLiteral("Pontos")));
    m_dbSaldo->setText(generalText(m_customer, QStringLiteral("vlr_Saldo")));
}
