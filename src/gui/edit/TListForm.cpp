#include "gui/edit/TListForm.h"

#include "gui/dialogs/JapaneseFont.h"
#include "gui/edit/FocusedButton.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>

namespace quindaro2 {

TListForm::TListForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("List"));
    setFont(JapaneseFont(12));

    Label = new QLabel(QStringLiteral("Label"), this);
    Label->setObjectName(QStringLiteral("Label"));
    Label->setFont(JapaneseFont(21));
    Label->setTextFormat(Qt::PlainText);
    Label->setAlignment(Qt::AlignCenter);
    Label->setGeometry(8, 8, 168, 32);

    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(96, 48, 75, 25);
    CancelButton = new QPushButton(tr("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setGeometry(96, 80, 75, 25);
    for (QPushButton* button : {OKButton, CancelButton})
        button->setAutoDefault(false);

    // Created after the buttons so that OK comes first in the tab order; the
    // list is no tab stop, but the arrow keys choose from it.
    ListBox = new QListWidget(this);
    ListBox->setObjectName(QStringLiteral("ListBox"));
    ListBox->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox->setFocusPolicy(Qt::ClickFocus);
    ListBox->setGeometry(8, 48, 81, 57);
    setTabOrder(OKButton, CancelButton);

    connect(OKButton, &QPushButton::clicked, this, &TListForm::OKButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ListBox, &QListWidget::itemDoubleClicked, this, &TListForm::OKButtonClick);
    // The list is no tab stop, so the arrow keys choose from anywhere in the dialog.
    for (auto [key, step] : {std::pair{Qt::Key_Up, -1}, std::pair{Qt::Key_Down, 1}}) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        connect(shortcut, &QShortcut::activated, this, [this, step = step] { StepChoice(step); });
    }

    setFixedSize(184, 112);
}

std::optional<QString> TListForm::ChooseItem(const QString& caption, const QString& label, const QStringList& choices,
                                             const QString& current)
{
    ListBox->clear();
    setWindowTitle(caption);
    Label->setText(label);
    ListBox->addItems(choices);
    ShowEveryChoice();
    const int shown = static_cast<int>(choices.indexOf(current));
    if (shown >= 0) {
        ListBox->setCurrentRow(shown, QItemSelectionModel::ClearAndSelect);
        ListBox->scrollToItem(ListBox->item(shown), QAbstractItemView::PositionAtCenter);
    } else {
        ListBox->setCurrentRow(-1);
        ListBox->clearSelection();
        ListBox->scrollToTop();
    }
    OKButton->setFocus();

    if (exec() != QDialog::Accepted)
        return std::nullopt;
    const QList<QListWidgetItem*> selected = ListBox->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return selected.front()->text();
}

// The list is as tall as its choices, so none is cut off or scrolled away;
// the dialog grows below the buttons for a long list.
void TListForm::ShowEveryChoice()
{
    const int rows = std::max(ListBox->count(), 1);
    const int height = rows * ListBox->sizeHintForRow(0) + 2 * ListBox->frameWidth();
    ListBox->setGeometry(8, 48, 81, std::max(57, height));
    setFixedSize(184, std::max(112, ListBox->geometry().bottom() + 1 + 8));
}

void TListForm::StepChoice(int step)
{
    if (ListBox->count() == 0)
        return;
    const int row = ListBox->currentRow() < 0 || !HasChoice()
                        ? (step > 0 ? 0 : ListBox->count() - 1)
                        : std::clamp(ListBox->currentRow() + step, 0, ListBox->count() - 1);
    ListBox->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

bool TListForm::HasChoice() const
{
    return !ListBox->selectedItems().isEmpty();
}

void TListForm::OKButtonClick()
{
    // Without a choice there is nothing to write, so the dialog waits for one.
    if (HasChoice())
        accept();
}

void TListForm::keyPressEvent(QKeyEvent* event)
{
    // Enter on the list takes the chosen entry.
    if (focusWidget() == ListBox && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter))
        OKButtonClick();
    else if (!PressFocusedButton(focusWidget(), event))
        QDialog::keyPressEvent(event);
}

} // namespace quindaro2
