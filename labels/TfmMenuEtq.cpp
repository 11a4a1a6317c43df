#include "TfmMenuEtq.h"

#include "PrinterModels.h"
#include "core/TerminalSettings.h"
#include "platform/Messages.h"
#include "platform/ScreenNavigator.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfmMenuEtq::TfmMenuEtq(const ScreenContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("TfmMenuEtq"));
    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("Etiquetas"), this);
    title->setObjectName(QStringLiteral("lbTitulo"));
    title->setAlignment(Qt::AlignCenter);
    QFont titleFont = title->font();
    titleFont.setPointSize(16);
    titleFont.setBold(true);
    title->setFont(titleFont);
    layout->addWidget(title);

    m_btEtqPreco = addButton(QStringLiteral("btEtqPreco"), QStringLiteral("&Preços"));
    m_btEtqGondula = addButton(QStringLiteral("btEtqGondula"), QStringLiteral("&Gôndolas"));
    m_BitBtn1 = addButton(QStringLiteral("BitBtn1"), QStringLiteral("&Produção"));
    m_BitBtn2 = addButton(QStringLiteral("BitBtn2"), QStringLiteral("&Etiquetas"));
    m_btVoltar = addButton(QStringLiteral("btVoltar"), QStringLiteral("&Voltar"));
    m_BitBtn3 = addButton(QStringLiteral("BitBtn3"), QStringLiteral("Et&iqueta de Armazenamento"));

    // Esc closes the menu from any button (QDialog rejects on Esc).
    connect(m_btEtqPreco, &QPushButton::clicked, this, &TfmMenuEtq::btEtqPrecoClick);
    connect(m_btEtqGondula, &QPushButton::clicked, this, &TfmMenuEtq::btEtqGondulaClick);
    connect(m_BitBtn1, &QPushButton::clicked, this, &TfmMenuEtq::BitBtn1Click);
    connect(m_BitBtn2, &QPushButton::clicked, this, &TfmMenuEtq::BitBtn2Click);
    connect(m_btVoltar, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_BitBtn3, &QPushButton::clicked, this, &TfmMenuEtq::BitBtn3Click);

    QWidget *previous = m_btEtqPreco;
    for (QWidget *next : {static_cast<QWidget *>(m_btEtqGondula), static_cast<QWidget *>(m_BitBtn1),
                          static_cast<QWidget *>(m_BitBtn2), static_cast<QWidget *>(m_btVoltar),
                          static_cast<QWidget *>(m_BitBtn3)}) {
        setTabOrder(previous, next);
        previous = next;
    }
    setMinimumWidth(320);
}

QPushButton *TfmMenuEtq::addButton(const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setMinimumHeight(36);
    layout()->addWidget(button);
    return button;
}

void TfmMenuEtq::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TfmMenuEtq::FormActivate()
{
    m_BitBtn1->setEnabled(printer_model::hasProductionLabels(m_context.settings.Modelo));
    m_btEtqPreco->setFocus();
}

void TfmMenuEtq::openScreen(const QString &screen)
{
    platform::ScreenNavigator::instance().open(screen, this);
    FormActivate();
}

void TfmMenuEtq::btEtqPrecoClick()
{
    openScreen(printer_model::opensProductLabels(m_context.settings.Modelo) ? QStringLiteral("TfmEtiqueta")
                                                                            : QStringLiteral("TfmPreco"));
}

void TfmMenuEtq::btEtqGondulaClick()
{
    if (printer_model::isThermal(m_context.settings.Modelo))
        openScreen(QStringLiteral("TfmGondolaAlegro"));
    // Read again: the gondola screen reloads the settings.
    if (m_context.settings.Modelo.trimmed().isEmpty())
        openScreen(QStringLiteral("TfmGondola"));
}

void TfmMenuEtq::BitBtn1Click()
{
    if (!printer_model::hasProductionLabels(m_context.settings.Modelo)) {
        platform::showMessage(QStringLiteral("Não compatível com modelo da impressora."));
        return;
    }
    openScreen(QStringLiteral("TfmProduProAlegro"));
}

void TfmMenuEtq::BitBtn2Click() { openScreen(QStringLiteral("TfmGondola")); }

void TfmMenuEtq::BitBtn3Click() { openScreen(QStringLiteral("TfrmEtiquetaArmazenaFrio")); }
