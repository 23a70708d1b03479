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
    // Grid data row `from` was dropped at row `to`.
    void rowDragged(int from, int to);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void requestEdit(const QModelIndex& index);
    void undoHeaderMove(int logical, int oldVisual, int newVisual);
};

} // namespace quindaro2
