#pragma once

#include <QTableView>

namespace quindaro2 {

// A roster grid: a fixed heading row and row-number column, 24-pixel rows, no
// in-place editing. Double-click, Enter or F2 on a cell asks for its edit
// command; rows may be dragged by their row-number cell.
class RosterGridView : public QTableView {
    Q_OBJECT

public:
    struct Options {
        bool rowsMovable = false;
        bool columnsResizable = true;
    };

    RosterGridView(Options options, QWidget* parent = nullptr);

    // Columns as wide as their texts, never narrower than the default 64 pixels.
    void fitColumns();

Q_SIGNALS:
    // Grid coordinates: row 1 and column 1 are the first data cell.
    void editRequested(int column, int row);
    // Grid data row `from` was dropped at row `to`, or moved there by Ctrl+Shift+Up or Down.
    void rowDragged(int from, int to);
    // A character typed on the cell (column, row), which starts an editor in it.
    void typingStarted(int column, int row, const QString& text);
    // Ctrl+C on the selected cells: grid coordinates of the block's corners.
    void copyRequested(int firstColumn, int firstRow, int lastColumn, int lastRow);
    // Ctrl+V with the current cell at (column, row).
    void pasteRequested(int column, int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void requestEdit(const QModelIndex& index);
    void undoHeaderMove(int logical, int oldVisual, int newVisual);
    void moveCurrentRow(int by);
    void requestCopy();

    bool rowsMovable_ = false;
    // The last drag of a row ended below the last row.
    bool droppedPastEnd_ = false;
};

} // namespace quindaro2
