#include "LabelListGrid.h"

#include "platform/Messages.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace {
// The list keeps its last rows in view once it is longer than this.
constexpr int kVisibleRows = 8;
}

LabelListGrid::LabelListGrid(const QList<int> &shownWidths, int columnCount, QWidget *parent)
    : QTableWidget(0, columnCount, parent)
{
    // The column widths are those of the stores' screens, made for 8-point Arial; text
    // too long for its cell is cut, not shortened with dots.
    setFont(QFont(QStringLiteral("Arial"), 8));
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    for (int column = 0; column < columnCount; ++column) {
        if (column < shownWidths.size())
            setColumnWidth(column, shownWidths.at(column));
        else
            setColumnHidden(column, true);
    }
    addEmptyRow();
}

QList<QStringList> LabelListGrid::labels() const
{
    QList<QStringList> rows;
    for (int row = 0; row < labelCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < columnCount(); ++column) {
            const QTableWidgetItem *cell = item(row, column);
            cells.append(cell ? cell->text() : QString());
        }
        rows.append(cells);
    }
    return rows;
}

void LabelListGrid::appendLabel(const QStringList &cells)
{
    const int row = rowCount() - 1;
    for (int column = 0; column < columnCount(); ++column)
        setItem(row, column, new QTableWidgetItem(cells.value(column)));
    addEmptyRow();
    if (rowCount() > kVisibleRows)
        scrollToItem(item(rowCount() - 1, 0), QAbstractItemView::PositionAtBottom);
    emit labelCountChanged(labelCount());
}

void LabelListGrid::clearLabels()
{
    setRowCount(0);
    addEmptyRow();
    emit labelCountChanged(0);
}

void LabelListGrid::deleteCurrentLabel()
{
    if (!platform::askYesNo(QStringLiteral("Excluir a etiqueta selecionada ?"), QStringLiteral("Exclusão"),
                            platform::MessageIcon::Error))
        return;
    const int row = currentRow();
    if (row >= 0 && row < labelCount())
        removeRow(row);
    emit labelCountChanged(labelCount());
}

void LabelListGrid::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete && state() != QAbstractItemView::EditingState) {
        deleteCurrentLabel();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void LabelListGrid::addEmptyRow()
{
    const int row = rowCount();
    insertRow(row);
    for (int column = 0; column < columnCount(); ++column)
        setItem(row, column, new QTableWidgetItem);
}
