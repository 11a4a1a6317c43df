#include "DescriptionSearchPanel.h"

#include "DescriptionSearch.h"
#include "FoundProductsModel.h"
#include "platform/Colors.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr QSize kPanelSize(780, 420);
const QColor kTitleGrey = platform::colorFromBgr(6250335);
const QColor kPaleMenu(240, 240, 240);

} // namespace

DescriptionSearchPanel::DescriptionSearchPanel(TDMSqls &dm, QWidget *codeField, QWidget *parent)
    : QFrame(parent)
    , m_dm(dm)
    , m_codeField(codeField)
    , edDesc(new QLineEdit(this))
    , grProd(new QTableView(this))
    , m_plainList(new FoundProductsModel(this))
    , m_nextOccurrenceList(new FoundProductsModel(this))
{
    setObjectName(QStringLiteral("pnCons"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    QPalette face = palette();
    face.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
    setPalette(face);
    resize(kPanelSize);

    m_plainList->setObjectName(QStringLiteral("adProdDesc"));
    m_nextOccurrenceList->setObjectName(QStringLiteral("adBusca"));

    grProd->setObjectName(QStringLiteral("grProd"));
    grProd->setModel(m_plainList);
    grProd->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grProd->setSelectionBehavior(QAbstractItemView::SelectRows);
    grProd->setSelectionMode(QAbstractItemView::SingleSelection);
    grProd->verticalHeader()->setFixedWidth(12); // the row indicator
    grProd->horizontalHeader()->setStretchLastSection(true);
    grProd->verticalHeader()->setDefaultSectionSize(22);
    grProd->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: %1; color: white; font-weight: bold; }")
            .arg(kTitleGrey.name()));
    applyColumnWidths();

    auto *caption = new QLabel(QStringLiteral("Produto:"), this);
    QFont bold = edDesc->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 4);
    caption->setFont(bold);
    edDesc->setObjectName(QStringLiteral("edDesc"));
    edDesc->setFont(bold);
    QPalette pale = edDesc->palette();
    pale.setColor(QPalette::Base, kPaleMenu);
    edDesc->setPalette(pale);

    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(caption);
    searchRow->addWidget(edDesc, 1);
    auto *helpRow = new QHBoxLayout;
    for (const QString &help : {QStringLiteral("Esc = Voltar"), QStringLiteral("+ = Pesquisa Ocorrencia"),
                                QStringLiteral("Enter = Selecionar")})
        helpRow->addWidget(new QLabel(help, this));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(grProd, 1);
    layout->addLayout(searchRow);
    layout->addLayout(helpRow);

    hide();
    edDesc->installEventFilter(this);
    grProd->installEventFilter(this);
    connect(edDesc, &QLineEdit::textChanged, this, &DescriptionSearchPanel::edDescChange);
    connect(qApp, &QApplication::focusChanged, this, &DescriptionSearchPanel::pnConsExit);
}

void DescriptionSearchPanel::open()
{
    if (QWidget *area = parentWidget()) {
        resize(kPanelSize.boundedTo(area->size()));
        move((area->width() - width()) / 2, (area->height() - height()) / 2);
    }
    show();
    raise();
    edDesc->setFocus();
}

void DescriptionSearchPanel::edDescChange(const QString &text)
{
    if (text.isEmpty())
        return;
    if (!text.endsWith(QLatin1Char('+'))) {
        if (m_plainList->setSearch(description_search::plainList(m_dm, text)) && grProd->model() == m_plainList)
            selectFirstRow();
        return;
    }
    const QString word = text.chopped(1);
    edDesc->setText(word); // searches the plain list anew for the word
    if (word.isEmpty() || word == QStringLiteral(" "))
        return;
    showList(m_nextOccurrenceList);
    if (!m_nextOccurrenceList->setSearch(description_search::nextOccurrenceList(m_dm, word)))
        m_nextOccurrenceList->clear();
    selectFirstRow();
    grProd->setFocus();
}

bool DescriptionSearchPanel::edDescKeyPress(int key)
{
    if (key == Qt::Key_Escape) {
        leave();
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        grProd->setFocus();
        return true;
    }
    return false;
}

bool DescriptionSearchPanel::grProdKeyPress(int key)
{
    if (key == Qt::Key_Escape) {
        edDesc->setFocus();
        showList(m_plainList);
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        const auto *list = static_cast<const FoundProductsModel *>(grProd->model());
        const int row = grProd->currentIndex().row();
        const QString barcode = row >= 0 && row < list->rowCount() ? list->products().at(row).barcode : QString();
        leave();
        emit productChosen(barcode);
        return true;
    }
    return false;
}

void DescriptionSearchPanel::pnConsExit(QWidget *old, QWidget *now)
{
    // Only a move to another control of the same window leaves the panel; switching to
    // another window does not.
    if (!isVisible() || !old || !isAncestorOf(old) || !now || isAncestorOf(now) || now->window() != window())
        return;
    leave();
}

void DescriptionSearchPanel::leave()
{
    hide();
    m_codeField->setFocus();
}

void DescriptionSearchPanel::showList(FoundProductsModel *list)
{
    if (grProd->model() == list)
        return;
    QItemSelectionModel *previous = grProd->selectionModel();
    grProd->setModel(list);
    delete previous;
    applyColumnWidths();
    selectFirstRow();
}

void DescriptionSearchPanel::applyColumnWidths()
{
    const int widths[] = {70, 340, 70, 100, 140};
    for (int column = 0; column < 5; ++column)
        grProd->setColumnWidth(column, widths[column]);
}

void DescriptionSearchPanel::selectFirstRow()
{
    if (grProd->model()->rowCount() > 0)
        grProd->selectRow(0);
}

bool DescriptionSearchPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (watched == edDesc && edDescKeyPress(key))
            return true;
        if (watched == grProd && grProdKeyPress(key))
            return true;
    }
    return QFrame::eventFilter(watched, event);
}
