#include "DriverPanels.h"

#include "core/IniFile.h"
#include "platform/Messages.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QSysInfo>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString kDriverName = QStringLiteral("Driver_Name");

QPushButton *panelButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

// Writes the key and hides the panel; the panel stays when the file cannot be written.
void saveDriverName(QFrame *panel, const QString &iniPath, const QString &section, const QString &value,
                    const QString &done)
{
    if (!writeIniValue(iniPath, section, kDriverName, value)) {
        platform::showMessage(QStringLiteral("Erro ao atualizar o arquivo ini. "), platform::MessageIcon::Error);
        return;
    }
    panel->hide();
    platform::showMessage(done, platform::MessageIcon::Information);
}

} // namespace

ZebraUsbPortPanel::ZebraUsbPortPanel(const QString &iniPath, QWidget *parent)
    : QFrame(parent)
    , m_iniPath(iniPath)
{
    setObjectName(QStringLiteral("pnDriverZebraUsb"));
    setFrameShape(QFrame::StyledPanel);
    m_cbPorta = new QComboBox(this);
    m_cbPorta->setObjectName(QStringLiteral("cbPorta"));
    m_cbPorta->setEditable(true);
    m_cbPorta->setMinimumWidth(260);
    auto *btSalvar = panelButton(this, QStringLiteral("btSalvarPorta"), QStringLiteral("Salvar"));
    auto *btCancelar = panelButton(this, QStringLiteral("btCancelarPorta"), QStringLiteral("Cancelar"));
    connect(btSalvar, &QPushButton::clicked, this, &ZebraUsbPortPanel::save);
    connect(btCancelar, &QPushButton::clicked, this, &QWidget::hide);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Configurar Porta Zebra USB:"), this));
    layout->addWidget(m_cbPorta, 1);
    layout->addWidget(btSalvar);
    layout->addWidget(btCancelar);
    hide();
}

void ZebraUsbPortPanel::fillPorts(const QStringList &usbPorts, const QStringList &rawPorts)
{
    const QString host = QSysInfo::machineHostName();
    m_cbPorta->clear();
    m_cbPorta->addItems({QStringLiteral("LPT1"), QStringLiteral("LPT2"), QStringLiteral("COM1"), QStringLiteral("COM2"),
                         QStringLiteral("COM3"), QStringLiteral("\\\\%1\\ZEBRA").arg(host),
                         QStringLiteral("\\\\%1\\ARGOX").arg(host), QStringLiteral("Digite a porta")});
    m_cbPorta->addItems(usbPorts);
    m_cbPorta->setCurrentIndex(0);
    m_cbPorta->addItems(rawPorts);
}

void ZebraUsbPortPanel::save()
{
    const QString port = m_cbPorta->currentText();
    if (port.trimmed().isEmpty()) {
        platform::showMessage(QStringLiteral("Nenhuma porta foi selecionada!"));
        return;
    }
    saveDriverName(this, m_iniPath, QStringLiteral("ZEBRAZD220USB GONDOLA"), port,
                   QStringLiteral("Porta configurada com sucesso é necessário reinicializar à aplicação.  "));
}

ElginPrinterPanel::ElginPrinterPanel(const QString &iniPath, QWidget *parent)
    : QFrame(parent)
    , m_iniPath(iniPath)
{
    setObjectName(QStringLiteral("pnCentralPrinter"));
    setFrameShape(QFrame::StyledPanel);

    auto *group = new QGroupBox(QStringLiteral("Configurar o Driver"), this);
    m_edNamePrinter = new QLineEdit(group);
    m_edNamePrinter->setObjectName(QStringLiteral("edNamePrinter"));
    m_edNamePrinter->setReadOnly(true);
    auto *btSalvar = panelButton(group, QStringLiteral("btSalvarDriver"), QStringLiteral("Salvar"));
    auto *btCancelar = panelButton(group, QStringLiteral("btCancelarDriver"), QStringLiteral("Cancelar"));
    connect(btSalvar, &QPushButton::clicked, this, &ElginPrinterPanel::save);
    connect(btCancelar, &QPushButton::clicked, this, &QWidget::hide);
    auto *groupLayout = new QHBoxLayout(group);
    groupLayout->addWidget(new QLabel(QStringLiteral("Nome"), group));
    groupLayout->addWidget(m_edNamePrinter, 1);
    groupLayout->addWidget(btSalvar);
    groupLayout->addWidget(btCancelar);

    m_printers = new QStandardItemModel(0, 2, this);
    m_printers->setHorizontalHeaderLabels({QStringLiteral("Código"), QStringLiteral("Descrição")});
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("dbgPrinters"));
    m_grid->setModel(m_printers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &ElginPrinterPanel::showSelectedName);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(m_grid, 1);
    hide();
}

void ElginPrinterPanel::fillPrinters(const QStringList &names)
{
    m_printers->removeRows(0, m_printers->rowCount());
    for (qsizetype i = 0; i < names.size(); ++i)
        m_printers->appendRow({new QStandardItem(QString::number(i + 1)), new QStandardItem(names.at(i))});
    if (!names.isEmpty())
        m_grid->setCurrentIndex(m_printers->index(0, 1));
    showSelectedName();
}

bool ElginPrinterPanel::hasPrinter(const QString &name) const
{
    for (int row = 0; row < m_printers->rowCount(); ++row) {
        if (m_printers->item(row, 1)->text().compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

void ElginPrinterPanel::showSelectedName()
{
    const int row = m_grid->currentIndex().isValid() ? m_grid->currentIndex().row() : -1;
    m_edNamePrinter->setText(row >= 0 ? m_printers->item(row, 1)->text() : QString());
}

void ElginPrinterPanel::save()
{
    if (m_printers->rowCount() == 0) {
        platform::showMessage(QStringLiteral("Nenhum driver foi encontrado!"));
        return;
    }
    saveDriverName(this, m_iniPath, QStringLiteral("ELGINL42 GONDOLA"), m_edNamePrinter->text(),
                   QStringLiteral("Driver configurado com sucesso é necessário reinicializar à aplicação.  "));
}
