#include "core/roster/WriteBack.h"

#include "core/edition/ColumnTable.h"
#include "core/rom/NameCodec.h"
#include "core/roster/CellText.h"
#include "core/roster/FieldCodec.h"
#include "core/roster/GridName.h"

#include <QCoreApplication>

#include <vector>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(WriteBack)
};

// The encoded records of one kind, slot by slot, or why they cannot be built.
Result<std::vector<Record>> EncodeRows(const ShownTeam& team, RecordKind kind, const RomImage& image)
{
    const EditorState& state = team.state;
    const int edition = state.Edition;
    const std::span<const ColumnDescriptor> columns = Columns(kind, edition);
    const TextGrid& grid = team.grid(kind);
    const int slots = RecordsPerTeam(kind, edition).value_or(0);
    int positionColumn = 0;
    ColumnOfKind(kind, edition, ColumnKind::Position, &positionColumn);
    int typeColumn = 0;
    const bool typeHoldsPosition = kind == RecordKind::Batter && ColumnOfKind(kind, edition, ColumnKind::Type, &typeColumn);

    std::vector<Record> records;
    for (int slot = 0; slot < slots; ++slot) {
        const int row = slot + 1;
        RecordRead read = image.record(kind, edition, state.TeamIndex, slot);
        if (!read.complete())
            return Result<std::vector<Record>>::Failed(
                Text::tr("%1の%2行目のデータを読み込めません（%3）").arg(GridName(kind)).arg(row).arg(read.reason));
        const Record& stored = read.record;
        Record record = stored;
        const auto changed = [&](int c) {
            return grid.cell(c, row) != GridText(edition, columns[static_cast<std::size_t>(c - 1)], stored);
        };
        // The 1991 type shares its byte with the fielding position: a new
        // value of either needs a position that is a whole number.
        const QString& positionText = grid.cell(positionColumn, row);
        const std::optional<int> position = StrictInteger(positionText);
        if (typeHoldsPosition && (changed(positionColumn) || changed(typeColumn)) && !position)
            return Result<std::vector<Record>>::Failed(Text::tr("'%1' は数値ではありません").arg(positionText));
        for (int c = 1; c <= static_cast<int>(columns.size()); ++c) {
            const ColumnDescriptor& column = columns[static_cast<std::size_t>(c - 1)];
            const QString& text = grid.cell(c, row);
            // A cell that reads as the stored bytes do keeps them: a name with
            // codes no character stands for, a value outside the edit range.
            if (!changed(c))
                continue;
            if (column.isName()) {
                if (!EncodeName(edition, text, record))
                    return Result<std::vector<Record>>::Failed(
                        Text::tr("%1の%2行目の名前「%3」には、この版の名前に使えない文字があります")
                            .arg(GridName(kind))
                            .arg(row)
                            .arg(text));
                continue;
            }
            if (column.choices) {
                EncodeColumn(column, column.choices->IndexOfText(text), record);
                continue;
            }
            std::int64_t value = LeadingInteger(text);
            if (column.kind == ColumnKind::Type && typeHoldsPosition) {
                value = *position + 16 * value;
            } else if (column.kind == ColumnKind::Type) {
                value = 16 * value + 1;
            }
            // The arithmetic is 32-bit: only the low 8 bits of the sum are stored.
            EncodeColumn(column, static_cast<int>(value), record);
        }
        records.push_back(record);
    }
    return records;
}

int StoreRows(RomImage& image, RecordKind kind, const ShownTeam& team, const std::vector<Record>& records)
{
    for (int slot = 0; slot < static_cast<int>(records.size()); ++slot) {
        // Every slot was read completely, so each lies inside the image.
        if (!image.setRecord(kind, team.state.Edition, team.state.TeamIndex, slot, records[static_cast<std::size_t>(slot)]))
            return slot;
    }
    return static_cast<int>(records.size());
}

} // namespace

WriteBackResult WriteBackTeam(const ShownTeam& team, RomImage& image)
{
    const EditorState& state = team.state;
    WriteBackResult result;

    Result<std::vector<Record>> batters = EncodeRows(team, RecordKind::Batter, image);
    Result<std::vector<Record>> pitchers = EncodeRows(team, RecordKind::Pitcher, image);
    Result<std::vector<Record>> manager = EncodeRows(team, RecordKind::Manager, image);
    for (const auto* rows : {&batters, &pitchers, &manager}) {
        if (!*rows) {
            result.error = rows->reason();
            return result;
        }
    }
    // The colour bytes are written from the editor state, but only where the
    // image has them: a write must not lengthen the file.
    if (const Result<TeamColors> stored = image.colors(state.Edition, state.TeamIndex); !stored) {
        result.error = Text::tr("チームの色を読み込めません（%1）").arg(stored.reason());
        return result;
    }

    result.battersWritten = StoreRows(image, RecordKind::Batter, team, batters.value());
    result.pitchersWritten = StoreRows(image, RecordKind::Pitcher, team, pitchers.value());
    const TeamColors colors{static_cast<std::uint8_t>(state.HelmetColorCode & 0xFF),
                            static_cast<std::uint8_t>(state.UniformColorCode & 0xFF)};
    result.colorsWritten = image.setColors(state.Edition, state.TeamIndex, colors).ok();
    result.managerWritten = StoreRows(image, RecordKind::Manager, team, manager.value()) > 0;
    return result;
}

} // namespace quindaro2
