#include "core/edit/CellEdit.h"

#include "core/edit/NameProblem.h"
#include "core/edit/NesPalette.h"
#include "core/edition/ColumnTable.h"
#include "core/roster/CellText.h"
#include "core/roster/GridName.h"

#include <QCoreApplication>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(CellEdit)
};

QString RangeText(const ValueRange& range)
{
    return Text::tr("%1～%2").arg(range.minimum).arg(range.maximum);
}

bool IsDataCell(const TextGrid& cells, int column, int row)
{
    return row >= 1 && column >= 1 && row < cells.rowCount() && column < cells.columnCount();
}

// The descriptor of a data cell, or why there is none.
Result<const ColumnDescriptor*> DataColumn(const ShownTeam& team, RecordKind grid, int column, int row)
{
    const ColumnDescriptor* descriptor = Column(grid, team.state.Edition, column);
    if (!descriptor || !IsDataCell(team.grid(grid), column, row))
        return Result<const ColumnDescriptor*>::Failed(
            Text::tr("%1の %2 列 %3 行目のセルはありません").arg(GridName(grid)).arg(column).arg(row));
    return descriptor;
}

Result<Change> Refused(const QString& reason)
{
    return Result<Change>::Failed(reason);
}

QString NumberRefusal(const ColumnDescriptor& column, const QString& text)
{
    const QString range = RangeText(column.range.value_or(ValueRange{}));
    // Digits that do not fit a number are a number all the same, only far too large.
    bool digits = !text.isEmpty();
    for (qsizetype i = 0; i < text.size(); ++i)
        digits = digits && (text[i].isDigit() || (i == 0 && (text[i] == u'-' || text[i] == u'+') && text.size() > 1));
    if (digits)
        return Text::tr("「%1」の値 %2 は範囲外です。範囲：%3").arg(column.header, text, range);
    return Text::tr("「%1」の値「%2」は整数ではありません。範囲：%3").arg(column.header, text, range);
}

} // namespace

Result<CellEditor> CellEditorOf(const ShownTeam& team, RecordKind grid, int column, int row)
{
    const Result<const ColumnDescriptor*> found = DataColumn(team, grid, column, row);
    if (!found)
        return Result<CellEditor>::Failed(found.reason());
    const ColumnDescriptor& descriptor = *found.value();
    const EditorState& state = team.state;
    const TextGrid& cells = team.grid(grid);

    const RecordRead read = team.source.record(grid, state.Edition, state.TeamIndex, row - 1);
    if (!read)
        return Result<CellEditor>::Failed(
            Text::tr("%1の%2行目のデータは ROM ファイルから読み込めませんでした（%3）").arg(GridName(grid)).arg(row).arg(read.reason));

    CellEditor editor;
    editor.caption = descriptor.header;
    editor.label = cells.cell(1, row);
    editor.current = cells.cell(column, row);
    if (descriptor.isName()) {
        editor.dialog = CellEditor::Dialog::Name;
    } else if (descriptor.choices) {
        editor.dialog = CellEditor::Dialog::List;
        editor.caption = descriptor.choices->shownCaption();
        editor.choices = descriptor.choices->OfferedTexts();
    } else {
        const std::optional<int> start = StrictInteger(editor.current);
        if (!start)
            return Result<CellEditor>::Failed(Text::tr("'%1' は数値ではありません").arg(editor.current));
        editor.dialog = CellEditor::Dialog::Value;
        editor.range = descriptor.range.value_or(ValueRange{});
        editor.start = *start;
        editor.hint = descriptor.shownHint();
    }
    return editor;
}

Result<Change> EditCell(const ShownTeam& team, RecordKind grid, int column, int row, const QString& text)
{
    const Result<const ColumnDescriptor*> found = DataColumn(team, grid, column, row);
    if (!found)
        return Refused(found.reason());
    const ColumnDescriptor& descriptor = *found.value();
    const int edition = team.state.Edition;
    CellChange change{grid, column, row, team.grid(grid).cell(column, row), text};

    if (descriptor.isName()) {
        // A name the edition cannot store would be cut by the next Save.
        if (const QString problem = NameProblem(edition, text); !problem.isEmpty())
            return Refused(problem);
        return Change(change);
    }
    if (descriptor.choices) {
        const QStringList offered = descriptor.choices->OfferedTexts();
        if (!offered.contains(text)) {
            //: Between the texts offered, which the refusal shows as one.
            const QString separator = Text::tr("、");
            return Refused(Text::tr("「%1」に「%2」は選べません。選べるもの：%3")
                               .arg(descriptor.choices->shownCaption(), text, offered.join(separator)));
        }
        return Change(change);
    }
    const std::optional<int> value = StrictInteger(text);
    const ValueRange range = descriptor.range.value_or(ValueRange{});
    if (!value || !range.contains(*value))
        return Refused(NumberRefusal(descriptor, value ? DecimalText(*value) : text));
    change.after = DecimalText(*value);
    return Change(change);
}

Result<Change> MoveRow(const ShownTeam& team, RecordKind grid, int from, int to)
{
    const int rows = team.grid(grid).rowCount();
    if (grid == RecordKind::Manager || from < 1 || to < 1 || from >= rows || to >= rows)
        return Refused(Text::tr("%1の %2 行目を %3 行目へは動かせません").arg(GridName(grid)).arg(from).arg(to));
    if (from == to)
        return Refused(Text::tr("%1の %2 行目はそこにあります").arg(GridName(grid)).arg(from));
    return Change(RowMove{grid, from, to});
}

Result<Change> SetTeamColor(const ShownTeam& team, TeamColor color, int code)
{
    if (code < 0 || code >= kNesPaletteSize)
        return Refused(Text::tr("色コード %1 はパレットにありません（0～%2）").arg(code).arg(kNesPaletteSize - 1));
    const EditorState& state = team.state;
    const int before = color == TeamColor::Helmet ? state.HelmetColorCode : state.UniformColorCode;
    return Change(ColorChange{color, before, code});
}

} // namespace quindaro2
