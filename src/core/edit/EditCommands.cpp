#include "core/edit/EditCommands.h"

#include "core/edit/CellEdit.h"
#include "core/roster/CellText.h"

namespace quindaro2 {

namespace {

std::optional<QString> Ask(const ShownTeam& team, const CellEditor& editor, EditDialogs& dialogs)
{
    switch (editor.dialog) {
    case CellEditor::Dialog::Name: return dialogs.EditName(team.state.Edition, editor.current);
    case CellEditor::Dialog::List: return dialogs.ChooseItem(editor.caption, editor.label, editor.choices);
    case CellEditor::Dialog::Value:
        if (const std::optional<int> value =
                dialogs.EnterValue(editor.caption, editor.label, editor.range, editor.start, editor.hint))
            return DecimalText(*value);
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

std::optional<Change> AskCellEdit(const ShownTeam& team, RecordKind grid, int column, int row, EditDialogs& dialogs)
{
    const Result<CellEditor> editor = CellEditorOf(team, grid, column, row);
    if (!editor) {
        dialogs.ShowError(editor.reason());
        return std::nullopt;
    }
    const std::optional<QString> answer = Ask(team, editor.value(), dialogs);
    if (!answer)
        return std::nullopt;
    Result<Change> change = EditCell(team, grid, column, row, *answer);
    if (!change) {
        dialogs.ShowError(change.reason());
        return std::nullopt;
    }
    return std::move(change).value();
}

} // namespace quindaro2
