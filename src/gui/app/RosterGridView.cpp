#include "gui/app/RosterGridView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

namespace quindaro2 {

namespace {

constexpr int kRowHeight = 24;
constexpr int kDefaultColumnWidth = 64;

} // namespace

RosterGridView::RosterGridView(Options options, QWidget* parent) : QTableView(parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A block of cells is selected for a copy.
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);

    QHeaderView* rows = verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(kRowHeight);
    rows->setMinimumSectionSize(kRowHeight);
    // Just wide enough for two digits.
    rows->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("88")) + 14);
    rows->setSectionsMovable(options.rowsMovable);
    rowsMovable_ = options.rowsMovable;
    rows->viewport()->installEventFilter(this);
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
    if (event->matches(QKeySequence::Copy)) {
        requestCopy();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        if (currentIndex().isValid())
            Q_EMIT pasteRequested(currentIndex().column() + 1, currentIndex().row() + 1);
        return;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == (Qt::ControlModifier | Qt::ShiftModifier)
        && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        moveCurrentRow(event->key() == Qt::Key_Up ? -1 : 1);
        return;
    }
    const QString text = event->text();
    if (!(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) && !text.isEmpty()
        && text.front().isPrint() && text.front() != u' ' && currentIndex().isValid()) {
        Q_EMIT typingStarted(currentIndex().column() + 1, currentIndex().row() + 1, text);
        return;
    }
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

void RosterGridView::moveCurrentRow(int by)
{
    const QModelIndex current = currentIndex();
    if (!rowsMovable_ || !current.isValid())
        return;
    const int to = current.row() + by;
    if (to < 0 || to >= model()->rowCount())
        return;
    Q_EMIT rowDragged(current.row() + 1, to + 1);
}

void RosterGridView::requestCopy()
{
    const QItemSelection selection = selectionModel()->selection();
    if (selection.isEmpty()) {
        if (currentIndex().isValid())
            Q_EMIT copyRequested(currentIndex().column() + 1, currentIndex().row() + 1, currentIndex().column() + 1,
                                 currentIndex().row() + 1);
        return;
    }
    const QItemSelectionRange& block = selection.front();
    Q_EMIT copyRequested(block.left() + 1, block.top() + 1, block.right() + 1, block.bottom() + 1);
}

// The header takes a drop below the last row as one above it; the release
// says where the row really went.
bool RosterGridView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == verticalHeader()->viewport() && event->type() == QEvent::MouseButtonPress)
        droppedPastEnd_ = false;
    if (watched == verticalHeader()->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const QHeaderView* rows = verticalHeader();
        const int last = rows->count() - 1;
        const int y = static_cast<QMouseEvent*>(event)->position().toPoint().y();
        droppedPastEnd_ = last >= 0 && y >= rows->sectionViewportPosition(rows->logicalIndex(last))
                                           + rows->sectionSize(rows->logicalIndex(last)) / 2;
    }
    return QTableView::eventFilter(watched, event);
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
    const int to = droppedPastEnd_ ? rows->count() - 1 : newVisual;
    droppedPastEnd_ = false;
    if (to != oldVisual)
        Q_EMIT rowDragged(oldVisual + 1, to + 1);
}

} // namespace quindaro2
