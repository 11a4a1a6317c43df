#include "TFrmPesquisa.h"

#include "QueryColumnsModel.h"
#include "TDMSqls.h"
#include "platform/Messages.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSqlError>
#include <QSqlQuery>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QValidator>
#include <QVBoxLayout>

namespace {

// Everything typed goes in as capitals.
class UpperCase final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

constexpr int kTop = 100;

} // namespace

TFrmPesquisa::TFrmPesquisa(TDMSqls &dm, int codLoja, QWidget *parent)
    : QDialog(parent)
    , m_dm(dm)
    , m_codLoja(codLoja)
    , edPesquisa(new QLineEdit(this))
    , dbgPesquisa(new QTableView(this))
    , m_rows(new QueryColumnsModel({QString(), QString()}, this))
{
    setObjectName(QStringLiteral("FrmPesquisa"));
    resize(600, 420);

    auto *toolBar = new QToolBar(this);
    toolBar->addWidget(new QLabel(QStringLiteral("Pesquisar por "), toolBar));
    edPesquisa->setObjectName(QStringLiteral("edPesquisa"));
    edPesquisa->setValidator(new UpperCase(edPesquisa));
    toolBar->addWidget(edPesquisa);
    QAction *exit = toolBar->addAction(style()->standardIcon(QStyle::SP_DialogCloseButton), QStringLiteral("Sair"));
    exit->setObjectName(QStringLiteral("btSair"));
    exit->setToolTip(QStringLiteral("Sair"));
    connect(exit, &QAction::triggered, this, &QDialog::reject);

    dbgPesquisa->setObjectName(QStringLiteral("dbgPesquisa"));
    dbgPesquisa->setModel(m_rows);
    dbgPesquisa->setSelectionBehavior(QAbstractItemView::SelectRows);
    dbgPesquisa->setSelectionMode(QAbstractItemView::SingleSelection);
    dbgPesquisa->setEditTriggers(QAbstractItemView::NoEditTriggers);
    dbgPesquisa->verticalHeader()->hide();
    dbgPesquisa->horizontalHeader()->setStretchLastSection(true);

    auto *status = new QLabel(QStringLiteral("[ Duplo Clik no Registro Para Concluir ]"), this);
    status->setFrameShape(QFrame::StyledPanel);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(dbgPesquisa, 1);
    layout->addWidget(status);

    edPesquisa->installEventFilter(this);
    dbgPesquisa->viewport()->installEventFilter(this);
}

void TFrmPesquisa::Prepara(const QString &table, const QString &keyField, const QString &shownField)
{
    m_table = table.toUpper();
    m_keyField = keyField.toUpper();
    m_shownField = shownField.toUpper();
    setWindowTitle(QStringLiteral("Pesquisa em ") + m_table);
    auto *rows = new QueryColumnsModel({m_keyField, m_shownField}, this);
    rows->setTitles({QStringLiteral("Código"), m_shownField});
    dbgPesquisa->setModel(rows);
    delete m_rows;
    m_rows = rows;
}

void TFrmPesquisa::setColumnTitles(const QString &keyTitle, const QString &shownTitle)
{
    m_rows->setTitles({keyTitle, shownTitle});
}

void TFrmPesquisa::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    move(screen->geometry().center().x() - width() / 2, kTop);
}

void TFrmPesquisa::search()
{
    const QString text = edPesquisa->text();
    QString sql = QStringLiteral("SELECT * FROM %1 WHERE COD_LOJA = :piCodLoja").arg(m_table);
    if (!text.isEmpty())
        sql += QStringLiteral(" AND UPPER(%1) like :psTexto").arg(m_shownField);
    // Built here from the caller's names (never typed text), so outside the catalogue.
    QSqlQuery query(m_dm.database(DbConnection::Server));
    query.prepare(sql);
    query.bindValue(QStringLiteral(":piCodLoja"), m_codLoja);
    if (!text.isEmpty())
        query.bindValue(QStringLiteral(":psTexto"), text + QLatin1Char('%'));
    if (!query.exec()) {
        m_rows->clear();
        platform::showMessage(query.lastError().text(), platform::MessageIcon::Error);
        return;
    }
    m_rows->load(query);
    if (m_rows->rowCount() > 0) {
        dbgPesquisa->selectRow(0);
    } else if (!text.isEmpty()) {
        platform::showMessage(QStringLiteral("Informação.!\nNenhum registro encontrado com [ %1 ]").arg(text));
        edPesquisa->setFocus();
    }
}

void TFrmPesquisa::choose()
{
    const int row = dbgPesquisa->currentIndex().row();
    if (m_rows->rowCount() == 0 || row < 0) {
        m_codigo = 0;
        m_texto.clear();
    } else {
        bool ok = false;
        m_codigo = m_rows->value(row, 0).toString().trimmed().toInt(&ok);
        if (!ok)
            m_codigo = 0;
        m_texto = m_rows->value(row, 1).toString();
    }
    accept();
}

bool TFrmPesquisa::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == edPesquisa && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            search();
            return true;
        }
        if (key == Qt::Key_Down) {
            dbgPesquisa->setFocus();
            return true;
        }
    }
    if (watched == dbgPesquisa->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        choose();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
