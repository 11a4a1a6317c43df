#include "TfmCons.h"

#include "QueryColumnsModel.h"
#include "TDMSqls.h"
#include "platform/Messages.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr QSize kPopupSize(342, 138);

QRect screenGeometryAt(const QPoint &point)
{
    const QScreen *screen = QGuiApplication::screenAt(point);
    return (screen ? screen : QGuiApplication::primaryScreen())->geometry();
}

} // namespace

TfmCons::TfmCons(TDMSqls &dm, const Parameters &parameters, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_dm(dm)
    , m_parameters(parameters)
    , edProcura(new QLineEdit(this))
    , grCons(new QTableView(this))
    , m_rows(new QueryColumnsModel({parameters.keyField, parameters.displayField, parameters.searchField}, this))
{
    setObjectName(QStringLiteral("fmCons"));
    setFixedSize(kPopupSize);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    auto *label = new QLabel(QStringLiteral("Procura:"), this);
    edProcura->setObjectName(QStringLiteral("edProcura"));
    QPalette face = edProcura->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Button));
    edProcura->setPalette(face);

    grCons->setObjectName(QStringLiteral("grCons"));
    grCons->setModel(m_rows);
    grCons->setColumnHidden(2, true); // the search column only serves the search
    grCons->setSelectionBehavior(QAbstractItemView::SelectRows);
    grCons->setSelectionMode(QAbstractItemView::SingleSelection);
    grCons->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grCons->setShowGrid(true);
    grCons->verticalHeader()->hide();
    grCons->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: navy; color: white; }"));

    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(label);
    searchRow->addWidget(edProcura, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addLayout(searchRow);
    layout->addWidget(grCons, 1);

    edProcura->installEventFilter(this);
    grCons->installEventFilter(this);
    connect(edProcura, &QLineEdit::textChanged, this, &TfmCons::edProcuraChange);
    connect(grCons, &QTableView::doubleClicked, this, &TfmCons::choose);
    place();
}

void TfmCons::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        FormActivate();
    }
}

void TfmCons::FormActivate()
{
    grCons->setColumnWidth(0, 40);
    grCons->setColumnWidth(1, 280);
    place();
    const QString sql = QStringLiteral("select * from ") + m_parameters.source + QStringLiteral(" order by ")
                      + m_parameters.searchField;
    QSqlQuery query(m_dm.database(DbConnection::Server));
    if (query.exec(sql)) {
        m_rows->load(query);
    } else {
        m_rows->clear();
        platform::showMessage(query.lastError().text(), platform::MessageIcon::Error);
    }
    // The second row, so that the first stays visible above the cursor.
    const int start = m_rows->rowCount() > 1 ? 1 : 0;
    if (m_rows->rowCount() > 0)
        goToRow(start);
    edProcura->setFocus();
}

void TfmCons::edProcuraChange(const QString &text)
{
    for (int row = 0; row < m_rows->rowCount(); ++row) {
        if (m_rows->value(row, 2).toString().startsWith(text)) {
            goToRow(row);
            return;
        }
    }
}

void TfmCons::moveBy(int rows)
{
    const int row = grCons->currentIndex().row() + rows;
    if (row >= 0 && row < m_rows->rowCount())
        goToRow(row);
}

void TfmCons::goToRow(int row)
{
    grCons->selectRow(row);
    grCons->scrollTo(m_rows->index(row, 0));
}

void TfmCons::choose()
{
    bool ok = false;
    const int key = m_rows->value(grCons->currentIndex().row(), 0).toString().trimmed().toInt(&ok);
    m_result = ok ? key : 0;
    accept();
}

void TfmCons::place()
{
    // Kept whole on the screen even when the anchor sits at the bottom edge.
    const QRect screen = screenGeometryAt(QPoint(m_parameters.left, m_parameters.top));
    const int top = std::min(m_parameters.top + 25, screen.y() + screen.height() - kPopupSize.height());
    move(m_parameters.left, top);
}

bool TfmCons::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        choose();
        return true;
    }
    if (key == Qt::Key_Escape) {
        m_result = 0;
        reject();
        return true;
    }
    if (watched == edProcura && (key == Qt::Key_Up || key == Qt::Key_Down)) {
        moveBy(key == Qt::Key_Up ? -1 : 1);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

QPoint PosicaoPopup(const QWidget *button)
{
    // The form's frame corner plus the button's place inside it, as the caller's window
    // reports them; the popup adds the title bar height when it places itself.
    const QWidget *form = button->window();
    const QPoint corner = form->frameGeometry().topLeft() + button->mapTo(form, QPoint(0, 0));
    int x = corner.x() - 22;
    int y = corner.y() + button->height();
    const QRect screen = screenGeometryAt(corner);
    const int right = screen.x() + screen.width();
    const int bottom = screen.y() + screen.height();
    if (x + kPopupSize.width() >= right)
        x = right - 347;
    if (y + kPopupSize.height() >= bottom)
        y = bottom - 143;
    return {x, y};
}

int MostraConsulta(TDMSqls &dm, const QString &source, const QString &searchField, const QString &keyField,
                   const QString &displayField, int top, int left, QWidget *parent)
{
    TfmCons popup(dm, {source, searchField, keyField, displayField, top, left}, parent);
    popup.exec();
    return popup.chosenKey();
}
