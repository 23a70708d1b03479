#include "core/edit/CellEdit.h"

#include "core/edit/NameProblem.h"
#include "core/edit/NesPalette.h"
#include "core/edition/EditionProfile.h"
#include "core/roster/CellText.h"
#include "core/roster/FieldCodec.h"
#include "core/roster/GridName.h"
#include "core/roster/WriteBack.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(CellEdit)
};

QString RangeText(const ValueRange& range)
{
    return Text::tr("%1～%2").arg(range.minimum).arg(range.maximum);
}

// The descriptor of a data cell, or why there is none.
Result<const ColumnDescriptor*> DataColumn(const EditionProfile& profile, int team, RecordKind grid, int column, int row)
{
    const ColumnDescriptor* descriptor = profile.column(grid, column);
    if (!descriptor || !profile.isTeam(team) || row < 1 || row > profile.slots(grid))
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

// One record slot as edited and as the file holds it, both complete.
struct Slot {
    qint64 offset = 0;
    Record current;
    Record stored;
};

Result<Slot> ReadSlot(const RomDocument& document, int team, RecordKind grid, int slot)
{
    const EditionProfile& profile = document.profile();
    const RecordRead current = document.image().record(profile, grid, team, slot);
    const RecordRead stored = document.fileImage().record(profile, grid, team, slot);
    for (const RecordRead* read : {&current, &stored}) {
        if (!read->complete())
            return Result<Slot>::Failed(Text::tr("%1の%2行目のデータは ROM ファイルから読み込めませんでした（%3）")
                                            .arg(GridName(grid))
                                            .arg(slot + 1)
                                            .arg(read->reason));
    }
    return Slot{*profile.recordOffset(grid, team, slot, document.image().trainer()), current.record, stored.record};
}

QByteArray Bytes(const Record& record)
{
    return QByteArray(reinterpret_cast<const char*>(record.bytes.data()), record.size);
}

Record RecordOf(const QByteArray& bytes)
{
    Record record;
    record.size = static_cast<int>(std::min<qsizetype>(bytes.size(), kMaxRecordSize));
    std::memcpy(record.bytes.data(), bytes.constData(), static_cast<std::size_t>(record.size));
    return record;
}

ByteRun RecordRun(const Slot& slot, const Record& after)
{
    return {slot.offset, Bytes(slot.current), Bytes(after)};
}

// The text as the edit takes it, or why it is refused.
Result<QString> AcceptedText(const EditionProfile& profile, const ColumnDescriptor& column, const QString& text)
{
    if (column.isName()) {
        // A name the edition cannot store would be cut on its way into the record.
        if (const QString problem = NameProblem(profile.year, text); !problem.isEmpty())
            return Result<QString>::Failed(problem);
        return text;
    }
    if (column.choices) {
        const QStringList offered = column.choices->OfferedTexts();
        if (!offered.contains(text)) {
            //: Between the texts offered, which the refusal shows as one.
            const QString separator = Text::tr("、");
            return Result<QString>::Failed(Text::tr("「%1」に「%2」は選べません。選べるもの：%3")
                                               .arg(column.choices->shownCaption(), text, offered.join(separator)));
        }
        return text;
    }
    const std::optional<int> value = StrictInteger(text);
    const ValueRange range = column.range.value_or(ValueRange{});
    if (!value || !range.contains(*value))
        return Result<QString>::Failed(NumberRefusal(column, value ? DecimalText(*value) : text));
    return DecimalText(*value);
}

QString WithoutPadding(QString text)
{
    while (text.endsWith(u'　'))
        text.chop(1);
    return text;
}

} // namespace

Result<CellEditor> CellEditorOf(const RomDocument& document, int team, RecordKind grid, int column, int row)
{
    const EditionProfile& profile = document.profile();
    const Result<const ColumnDescriptor*> found = DataColumn(profile, team, grid, column, row);
    if (!found)
        return Result<CellEditor>::Failed(found.reason());
    const ColumnDescriptor& descriptor = *found.value();
    const RecordRead read = document.image().record(profile, grid, team, row - 1);
    if (!read)
        return Result<CellEditor>::Failed(
            Text::tr("%1の%2行目のデータは ROM ファイルから読み込めませんでした（%3）").arg(GridName(grid)).arg(row).arg(read.reason));
    const QStringList cells = RecordCells(profile, grid, read.record);

    CellEditor editor;
    editor.caption = descriptor.header;
    editor.label = cells.value(0);
    editor.current = cells.value(column - 1);
    if (descriptor.isName()) {
        editor.dialog = CellEditor::Dialog::Name;
    } else if (descriptor.choices) {
        editor.dialog = CellEditor::Dialog::List;
        editor.caption = descriptor.choices->shownCaption();
        editor.choices = descriptor.choices->OfferedTexts();
    } else {
        editor.dialog = CellEditor::Dialog::Value;
        editor.range = descriptor.range.value_or(ValueRange{});
        editor.start = ShownValue(descriptor, DecodeNumber(descriptor, read.record));
        editor.hint = descriptor.shownHint();
    }
    return editor;
}

Result<Change> EditCell(const RomDocument& document, int team, RecordKind grid, int column, int row, const QString& text)
{
    return EditRowCells(document, team, grid, row, {{column, text}});
}

Result<Change> EditRowCells(const RomDocument& document, int team, RecordKind grid, int row,
                            const std::vector<std::pair<int, QString>>& edits)
{
    const EditionProfile& profile = document.profile();
    if (edits.empty())
        return Refused(Text::tr("%1の %2 行目に変えるセルがありません").arg(GridName(grid)).arg(row));
    std::vector<std::pair<int, QString>> accepted;
    for (const auto& [column, text] : edits) {
        const Result<const ColumnDescriptor*> found = DataColumn(profile, team, grid, column, row);
        if (!found)
            return Refused(found.reason());
        Result<QString> taken = AcceptedText(profile, *found.value(), text);
        if (!taken)
            return Refused(taken.reason());
        accepted.emplace_back(column, std::move(taken).value());
    }
    const Result<Slot> slot = ReadSlot(document, team, grid, row - 1);
    if (!slot)
        return Refused(slot.reason());

    QStringList cells = RecordCells(profile, grid, slot->current);
    for (const auto& [column, text] : accepted)
        cells[column - 1] = text;
    const Result<Record> rebuilt = WriteBackRecord(profile, grid, slot->stored, cells);
    if (!rebuilt)
        return Refused(rebuilt.reason());
    const auto& [column, text] = accepted.front();
    return Change{team, CellChange{grid, column, row, text}, {RecordRun(slot.value(), rebuilt.value())}};
}

Result<Change> MoveRow(const RomDocument& document, int team, RecordKind grid, int from, int to)
{
    const EditionProfile& profile = document.profile();
    const int rows = profile.slots(grid);
    if (grid == RecordKind::Manager || !profile.isTeam(team) || from < 1 || to < 1 || from > rows || to > rows)
        return Refused(Text::tr("%1の %2 行目を %3 行目へは動かせません").arg(GridName(grid)).arg(from).arg(to));
    if (from == to)
        return Refused(Text::tr("%1の %2 行目はそこにあります").arg(GridName(grid)).arg(from));

    const int first = std::min(from, to) - 1;
    const int last = std::max(from, to) - 1;
    std::vector<Slot> slots;
    std::vector<QStringList> cells;
    for (int slot = first; slot <= last; ++slot) {
        Result<Slot> read = ReadSlot(document, team, grid, slot);
        if (!read)
            return Refused(read.reason());
        cells.push_back(RecordCells(profile, grid, read->current));
        slots.push_back(std::move(read).value());
    }
    // The moved row's cells go to their new place and the rows between shift by one.
    if (from < to)
        std::rotate(cells.begin(), cells.begin() + 1, cells.end());
    else
        std::rotate(cells.rbegin(), cells.rbegin() + 1, cells.rend());

    Change change{team, RowMove{grid, from, to}, {}};
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const Result<Record> rebuilt = WriteBackRecord(profile, grid, slots[i].stored, cells[i]);
        if (!rebuilt)
            return Refused(Text::tr("%1の %2 行目を %3 行目へは動かせません：%4")
                               .arg(GridName(grid))
                               .arg(from)
                               .arg(to)
                               .arg(rebuilt.reason()));
        change.runs.push_back(RecordRun(slots[i], rebuilt.value()));
    }
    return change;
}

Result<Change> SetTeamColor(const RomDocument& document, int team, TeamColor color, int code)
{
    if (code < 0 || code >= kNesPaletteSize)
        return Refused(Text::tr("色コード %1 はパレットにありません（0～%2）").arg(code).arg(kNesPaletteSize - 1));
    const EditionProfile& profile = document.profile();
    const Result<TeamColors> colors = document.image().colors(profile, team);
    if (!colors)
        return Refused(Text::tr("チームの色を読み込めません（%1）").arg(colors.reason()));
    const TeamColorOffsets at = *profile.colorOffsets(team, document.image().trainer());
    const bool helmet = color == TeamColor::Helmet;
    const char before = static_cast<char>(helmet ? colors->helmet : colors->uniform);
    return Change{team, ColorChange{color}, {{helmet ? at.helmet : at.uniform, QByteArray(1, before),
                                              QByteArray(1, static_cast<char>(code))}}};
}

QString StoredNote(const EditionProfile& profile, const Change& change)
{
    const auto* cell = std::get_if<CellChange>(&change.subject);
    const ColumnDescriptor* column = cell ? profile.column(cell->grid, cell->column) : nullptr;
    if (!column || change.runs.size() != 1)
        return {};
    const QString stored = GridText(profile, *column, RecordOf(change.runs.front().after));
    if (WithoutPadding(stored) == WithoutPadding(cell->entered))
        return {};
    QString header = column->header;
    header.remove(u'　');
    return Text::tr("%1 %2 は %3 として記録されます").arg(header, cell->entered, stored);
}

} // namespace quindaro2
