#include "gui/app/RosterGridView.h"

#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>

namespace quindaro2 {

namespace {

constexpr int kRowHeight = 24;
constexpr int kDefaultColumnWidth = 64;

} // namespace

RosterGridView::RosterGridView(Options options, QWidget* parent) : QTableView(parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);

    QHeaderView* rows = verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(kRowHeight);
    rows->setMinimumSectionSize(kRowHeight);
    // Just wide enough for two digits.
    rows->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("88")) + 14);
    rows->setSectionsMovable(options.rowsMovable);
    rows->setSectionsClickable(false);
    connect(rows, &QHeaderView::sectionMoved, this, &RosterGridView::undoHeaderMove);

    QHeaderView* columns = horizontalHeader();
    columns->setDefaultSectionSize(kDefaultColumnWidth);
    columns->setSectionResizeMode(options.columnsResizable ? QHeaderView::Interactive : QHeaderView::Fixed);
    columns->setSectionsMovable(false);
    columns->setSectionsClickable(false);
    columns->setHighlightSections(false);

    connect(this, &QAbstractItemView::doubleClicked, this, &RosterGridView::requestEdit);
}

void RosterGridView::fitColumns()
{
    resizeColumnsToContents();
    for (int column = 0; column < horizontalHeader()->count(); ++column)
        setColumnWidth(column, std::max(columnWidth(column), kDefaultColumnWidth));
}

void RosterGridView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        requestEdit(currentIndex());
        return;
    default:
        QTableView::keyPressEvent(event);
    }
}

void RosterGridView::requestEdit(const QModelIndex& index)
{
    if (index.isValid())
        Q_EMIT editRequested(index.column() + 1, index.row() + 1);
}

// The header only shows the drag; the model moves the row, so the header's
// own order goes back to top-to-bottom.
void RosterGridView::undoHeaderMove(int, int oldVisual, int newVisual)
{
    QHeaderView* rows = verticalHeader();
    const bool blocked = rows->blockSignals(true);
    rows->moveSection(newVisual, oldVisual);
    rows->blockSignals(blocked);
    Q_EMIT rowDragged(oldVisual + 1, newVisual + 1);
}

} // namespace quindaro2
