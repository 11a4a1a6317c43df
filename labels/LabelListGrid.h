#pragma once

#include <QList>
#include <QStringList>
#include <QTableWidget>

// The label list of the thermal label screens: one label per row in print order, always
// one empty row at the end into which the next label is written, no title row. Cells can
// be edited and are printed as they stand. Columns beyond the shown widths are kept with
// each row but not shown.
class LabelListGrid : public QTableWidget {
    Q_OBJECT

public:
    LabelListGrid(const QList<int> &shownWidths, int columnCount, QWidget *parent = nullptr);

    int labelCount() const { return rowCount() - 1; }
    QList<QStringList> labels() const;

    // Writes the cells into the empty last row and appends a new empty row.
    void appendLabel(const QStringList &cells);
    // Back to the single empty row.
    void clearLabels();
    // Asks, then removes the current row; the empty last row always stays.
    void deleteCurrentLabel();

signals:
    void labelCountChanged(int count);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void addEmptyRow();
};
