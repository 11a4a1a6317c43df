#include "TFrmConsComanda.h"

#include "ShadowLabel.h"
#include "platform/Messages.h"
#include "platform/RegionalSettings.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QColor kNavy(0, 0, 128);
const QColor kPaleYellow(255, 255, 225);
constexpr int kMessageMs = 2000;
constexpr int kClearIntervalMs = 10000;

enum Column { Codigo, Descricao, Unidade, Quantidade, PrecoUnit, PrecoTotal, ColumnCount };

QFont boldFont(const QWidget *widget, int pointSize)
{
    QFont font = widget->font();
    font.setBold(true);
    font.setPointSize(pointSize);
    return font;
}

QTableWidgetItem *cell(const QString &text, Qt::Alignment alignment)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

} // namespace

TFrmConsComanda::TFrmConsComanda(TDMSqls &dm, QWidget *parent)
    : QDialog(parent)
    , m_store(dm)
{
    setObjectName(QStringLiteral("TFrmConsComanda"));
    setWindowTitle(QStringLiteral("Consulta de Comandas"));
    resize(820, 560);
    buildScreen();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kClearIntervalMs);
    connect(Timer1, &QTimer::timeout, this, &TFrmConsComanda::Timer1Timer);
    Timer1->start();
}

void TFrmConsComanda::buildScreen()
{
    lbInstrucao = new ShadowLabel(QStringLiteral("lbInstrucao"), this);
    lbInstrucao->setColors(Qt::white, kNavy);
    lbInstrucao->setText(QStringLiteral("INFORME O NÚMERO DA COMANDA E TECLE   [ ENTER ]"));
    lbInstrucao->setFont(boldFont(lbInstrucao, 16));
    lbInstrucao->setAlignment(Qt::AlignCenter);
    lbInstrucao->setMinimumHeight(40);

    EdNumComanda = new QLineEdit(this);
    EdNumComanda->setObjectName(QStringLiteral("EdNumComanda"));
    EdNumComanda->setFrame(false);
    EdNumComanda->setAlignment(Qt::AlignCenter);
    EdNumComanda->setFont(boldFont(EdNumComanda, 22));
    EdNumComanda->setMaximumWidth(260);
    // Whole numbers only, as wide as the statements' tab parameter.
    EdNumComanda->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,15}")), EdNumComanda));
    connect(EdNumComanda, &QLineEdit::returnPressed, this, &TFrmConsComanda::EdNumComandaEnter);

    dbgComandas = new QTableWidget(0, ColumnCount, this);
    dbgComandas->setObjectName(QStringLiteral("dbgComandas"));
    dbgComandas->setHorizontalHeaderLabels({QStringLiteral("Código"), QStringLiteral("Descrição"), QStringLiteral("UN"),
                                            QStringLiteral("Quantidade"), QStringLiteral("Preço Unit."),
                                            QStringLiteral("Preço Total")});
    dbgComandas->setEditTriggers(QAbstractItemView::NoEditTriggers);
    dbgComandas->setSelectionBehavior(QAbstractItemView::SelectRows);
    dbgComandas->setSelectionMode(QAbstractItemView::SingleSelection);
    dbgComandas->setFocusPolicy(Qt::NoFocus);
    dbgComandas->verticalHeader()->hide();
    dbgComandas->horizontalHeader()->setSectionResizeMode(Descricao, QHeaderView::Stretch);
    dbgComandas->setColumnWidth(Codigo, 90);
    dbgComandas->setColumnWidth(Unidade, 50);
    dbgComandas->setColumnWidth(Quantidade, 100);
    dbgComandas->setColumnWidth(PrecoUnit, 100);
    dbgComandas->setColumnWidth(PrecoTotal, 110);
    dbgComandas->setStyleSheet(
        QStringLiteral("QTableWidget { background-color: %1; }"
                       "QHeaderView::section { background-color: %2; color: #FFD700; font-weight: bold; "
                       "padding: 4px; border: 1px solid #202060; }")
            .arg(kPaleYellow.name(), kNavy.name()));

    dbTotalNota = new ShadowLabel(QStringLiteral("dbTotalNota"), this);
    dbTotalNota->setColors(Qt::white, Qt::black);
    dbTotalNota->setFont(boldFont(dbTotalNota, 32));
    dbTotalNota->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    dbTotalNota->setMinimumHeight(60);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->addWidget(lbInstrucao);
    layout->addWidget(EdNumComanda, 0, Qt::AlignHCenter);
    layout->addWidget(dbgComandas, 1);
    layout->addWidget(dbTotalNota);
    EdNumComanda->setFocus();
}

void TFrmConsComanda::paintEvent(QPaintEvent *)
{
    // The background, stretched to the window.
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor(70, 110, 180));
    gradient.setColorAt(1, QColor(10, 30, 80));
    painter.fillRect(rect(), gradient);
}

void TFrmConsComanda::EdNumComandaEnter()
{
    const qint64 tab = EdNumComanda->text().toLongLong();
    bool blocked = false;
    if (!m_store.isBlocked(tab, blocked)) {
        platform::showMessage(m_store.lastError(), platform::MessageIcon::Error);
        return;
    }
    if (blocked) {
        platform::showTimedMessage(QStringLiteral("Comanda Bloqueada!"), kMessageMs);
        return;
    }
    QList<OrderTabStore::Item> items;
    std::optional<double> total;
    if (!m_store.openItems(tab, items) || !m_store.total(tab, total)) {
        platform::showMessage(m_store.lastError(), platform::MessageIcon::Error);
        return;
    }
    showItems(items, total);
    EdNumComanda->clear();
    if (items.isEmpty())
        platform::showTimedMessage(QStringLiteral("Comanda não encontrada..."), kMessageMs);
}

void TFrmConsComanda::Timer1Timer()
{
    EdNumComanda->clear();
    showItems({}, std::nullopt);
}

void TFrmConsComanda::showItems(const QList<OrderTabStore::Item> &items, const std::optional<double> &total)
{
    const auto &settings = platform::RegionalSettings::current();
    dbgComandas->setRowCount(0);
    dbgComandas->setRowCount(static_cast<int>(items.size()));
    for (int row = 0; row < items.size(); ++row) {
        const OrderTabStore::Item &item = items.at(row);
        dbgComandas->setItem(row, Codigo, cell(QString::number(item.product), Qt::AlignRight));
        dbgComandas->setItem(row, Descricao, cell(item.description, Qt::AlignLeft));
        dbgComandas->setItem(row, Unidade, cell(item.unit, Qt::AlignHCenter));
        dbgComandas->setItem(row, Quantidade, cell(settings.formatGeneral(item.quantity), Qt::AlignHCenter));
        dbgComandas->setItem(row, PrecoUnit,
                             cell(item.unitPrice ? settings.formatFixed(*item.unitPrice, 2) : QString(), Qt::AlignRight));
        dbgComandas->setItem(row, PrecoTotal, cell(settings.formatFixed(item.total, 2), Qt::AlignRight));
    }
    dbTotalNota->setText(total ? settings.formatFixed(*total, 2) : QString());
}
