#include "core/edit/EditCommands.h"

#include "core/edit/CellEdit.h"

namespace quindaro2 {

namespace {

std::optional<QString> Ask(int edition, const CellEditor& editor, const AnswerCheck& check,
                           EditDialogs& dialogs)
{
    switch (editor.dialog) {
    case CellEditor::Dialog::Name: return dialogs.EditName(edition, editor.current, check);
    case CellEditor::Dialog::List:
        return dialogs.ChooseItem(editor.caption, editor.label, editor.choices, editor.current);
    case CellEditor::Dialog::Value:
        return dialogs.EnterValue(editor.caption, editor.label, editor.range, editor.start, editor.hint, check);
    }
    return std::nullopt;
}

} // namespace

std::optional<Change> AskCellEdit(const RomDocument& document, int team, RecordKind grid, int column, int row,
                                  EditDialogs& dialogs)
{
    const Result<CellEditor> editor = CellEditorOf(document, team, grid, column, row);
    if (!editor) {
        dialogs.ShowError(editor.reason());
        return std::nullopt;
    }
    // The dialogs refuse with the very reasons of the edit itself.
    const AnswerCheck check = [&](const QString& answer) {
        const Result<Change> change = EditCell(document, team, grid, column, row, answer);
        return change ? QString() : change.reason();
    };
    const std::optional<QString> answer = Ask(document.edition(), editor.value(), check, dialogs);
    if (!answer)
        return std::nullopt;
    Result<Change> change = EditCell(document, team, grid, column, row, *answer);
    if (!change) {
        dialogs.ShowError(change.reason());
        return std::nullopt;
    }
    return std::move(change).value();
}

} // namespace quindaro2
