#include "gui/app/CellTypingEditor.h"

#include "core/edit/RomajiInput.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

namespace quindaro2 {

namespace {

constexpr auto kRefusedStyle = "border: 2px solid #d00000;";

} // namespace

CellTypingEditor::CellTypingEditor(QWidget* cellArea, const QRect& cell, const CellEditor& editor,
                                   const NameTable& names, const QString& typed, Commit commit)
    : QWidget(cellArea), editor_(editor), names_(names), commit_(std::move(commit))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    QWidget* field = nullptr;
    if (editor.dialog == CellEditor::Dialog::List) {
        list_ = new QComboBox(this);
        list_->addItems(editor.choices);
        // The first text that begins with the typed character, else the cell's own.
        int start = static_cast<int>(editor.choices.indexOf(editor.current));
        for (qsizetype i = 0; i < editor.choices.size(); ++i) {
            if (editor.choices[i].startsWith(typed, Qt::CaseInsensitive)) {
                start = static_cast<int>(i);
                break;
            }
        }
        list_->setCurrentIndex(std::max(start, 0));
        field = list_;
    } else {
        line_ = new QLineEdit(this);
        field = line_;
        if (editor.dialog == CellEditor::Dialog::Name) {
            connect(line_, &QLineEdit::textEdited, this, &CellTypingEditor::convertName);
            convertName(typed);
        } else {
            line_->setText(typed);
        }
    }
    layout->addWidget(field);
    field->installEventFilter(this);
    setFocusProxy(field);
    // Wide enough for a name or a list text even in a narrow column.
    setGeometry(cell.x(), cell.y(), std::max(cell.width(), field->sizeHint().width()),
                std::max(cell.height(), field->sizeHint().height()));
    show();
    field->setFocus();
}

QString CellTypingEditor::text() const
{
    if (list_)
        return list_->currentText();
    if (editor_.dialog == CellEditor::Dialog::Name)
        return ConvertNameInput(names_, line_->text(), true).text;
    return line_->text().trimmed();
}

void CellTypingEditor::convertName(const QString& typed)
{
    const NameInput input = ConvertNameInput(names_, typed, false);
    const QString shown = input.text + input.pending;
    if (line_->text() != shown)
        line_->setText(shown);
    Q_EMIT message(hint());
}

QString CellTypingEditor::hint() const
{
    switch (editor_.dialog) {
    case CellEditor::Dialog::Value:
        return tr("%1：範囲 %2～%3　%4")
            .arg(editor_.caption)
            .arg(editor_.range.minimum)
            .arg(editor_.range.maximum)
            .arg(editor_.hint.trimmed());
    case CellEditor::Dialog::List: return tr("%1：↑↓で選んで Enter で確定、Esc で取り消し").arg(editor_.caption);
    case CellEditor::Dialog::Name: break;
    }
    const NameInput input = ConvertNameInput(names_, line_->text(), false);
    return input.problem.isEmpty() ? tr("%1：ローマ字はかなになります．Enter で確定、Esc で取り消し").arg(editor_.caption)
                                   : input.problem;
}

bool CellTypingEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: tryCommit(false); return true;
    case Qt::Key_Tab: tryCommit(true); return true;
    case Qt::Key_Escape: finish(false, false); return true;
    default: return QWidget::eventFilter(watched, event);
    }
}

void CellTypingEditor::tryCommit(bool next)
{
    const NameInput name = editor_.dialog == CellEditor::Dialog::Name ? ConvertNameInput(names_, line_->text(), true)
                                                                       : NameInput{};
    const QString refusal = !name.problem.isEmpty() ? name.problem : commit_(text());
    if (refusal.isEmpty()) {
        finish(true, next);
        return;
    }
    refused_ = true;
    setStyleSheet(QString::fromLatin1(kRefusedStyle));
    Q_EMIT message(refusal);
}

void CellTypingEditor::finish(bool committed, bool next)
{
    if (finished_)
        return;
    finished_ = true;
    hide();
    Q_EMIT closed(committed, next);
    deleteLater();
}

} // namespace quindaro2
