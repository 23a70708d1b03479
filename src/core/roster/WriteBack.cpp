#include "core/roster/WriteBack.h"

#include "core/rom/NameCodec.h"
#include "core/rom/RomFieldAccess.h"
#include "core/roster/CellText.h"
#include "core/roster/ColumnTable.h"
#include "core/roster/FieldCodec.h"
#include "core/roster/GridName.h"

#include <vector>

namespace quindaro2 {

namespace {

// The encoded records of one kind, slot by slot, or why they cannot be built.
Result<std::vector<Record>> EncodeRows(const ShownTeam& team, RecordKind kind)
{
    const EditorState& state = team.state;
    const int edition = state.Edition;
    const std::span<const ColumnDescriptor> columns = Columns(kind, edition);
    const TextGrid& grid = team.grid(kind);
    const int slots = RecordsPerTeam(kind, edition).value_or(0);
    int positionColumn = 0;
    ColumnOfKind(kind, edition, kPositionKind, &positionColumn);

    std::vector<Record> records;
    for (int slot = 0; slot < slots; ++slot) {
        const int row = slot + 1;
        RecordRead read = ReadRecord(state.RomPath, kind, edition, state.TeamIndex, slot);
        if (!read.complete())
            return Result<std::vector<Record>>::Failed(
                QStringLiteral("%1の%2行目のデータを読み込めません（%3）").arg(GridName(kind)).arg(row).arg(read.reason));
        Record& record = read.record;
        for (int c = 1; c <= static_cast<int>(columns.size()); ++c) {
            const ColumnDescriptor& column = columns[static_cast<std::size_t>(c - 1)];
            const QString& text = grid.cell(c, row);
            if (column.kind == kNameKind) {
                // A name left as the ROM shows it keeps its bytes, also codes
                // that no character or only a repeated one stands for.
                if (text == DecodeName(edition, record))
                    continue;
                if (!EncodeName(edition, text, record))
                    return Result<std::vector<Record>>::Failed(
                        QStringLiteral("%1の%2行目の名前「%3」には、この版の名前に使えない文字があります")
                            .arg(GridName(kind))
                            .arg(row)
                            .arg(text));
                continue;
            }
            if (column.choices) {
                EncodeField(kind, edition, column.choices->IndexOfText(text), record, column.kind);
                continue;
            }
            std::int64_t value = LeadingInteger(text);
            if (column.kind == kTypeKind && kind == RecordKind::Batter) {
                // The type shares its byte with the fielding position: high and low four bits.
                const QString& positionText = grid.cell(positionColumn, row);
                const std::optional<int> position = StrictInteger(positionText);
                if (!position)
                    return Result<std::vector<Record>>::Failed(
                        QStringLiteral("'%1' は数値ではありません").arg(positionText));
                value = *position + 16 * value;
            } else if (column.kind == kTypeKind) {
                value = 16 * value + 1;
            }
            // The arithmetic is 32-bit: only the low 8 bits of the sum are stored.
            EncodeField(kind, edition, static_cast<int>(value), record, column.kind);
        }
        records.push_back(record);
    }
    return records;
}

Status WriteRows(const QString& target, RecordKind kind, const ShownTeam& team, const std::vector<Record>& records,
                 int& written)
{
    for (int slot = 0; slot < static_cast<int>(records.size()); ++slot) {
        const Status status = WriteRecord(target, kind, team.state.Edition, team.state.TeamIndex, slot,
                                          records[static_cast<std::size_t>(slot)]);
        if (!status)
            return Status::Failed(
                QStringLiteral("%1の%2行目を書き込めません（%3）").arg(GridName(kind)).arg(slot + 1).arg(status.reason()));
        ++written;
    }
    return Status::Ok();
}

} // namespace

WriteBackResult WriteBackTeam(const ShownTeam& team, const QString& target)
{
    const EditorState& state = team.state;
    WriteBackResult result;

    Result<std::vector<Record>> batters = EncodeRows(team, RecordKind::Batter);
    Result<std::vector<Record>> pitchers = EncodeRows(team, RecordKind::Pitcher);
    Result<std::vector<Record>> manager = EncodeRows(team, RecordKind::Manager);
    for (const auto* rows : {&batters, &pitchers, &manager}) {
        if (!*rows) {
            result.error = rows->reason();
            return result;
        }
    }
    // The colour bytes are written from the editor state, but only where the
    // opened ROM has them: a write must not lengthen the file.
    if (const Result<TeamColors> stored = ReadTeamColors(state.RomPath, state.Edition, state.TeamIndex); !stored) {
        result.error = QStringLiteral("チームの色を読み込めません（%1）").arg(stored.reason());
        return result;
    }

    int managers = 0;
    Status status = WriteRows(target, RecordKind::Batter, team, batters.value(), result.battersWritten);
    if (status)
        status = WriteRows(target, RecordKind::Pitcher, team, pitchers.value(), result.pitchersWritten);
    if (status) {
        const TeamColors colors{static_cast<std::uint8_t>(state.HelmetColorCode & 0xFF),
                                static_cast<std::uint8_t>(state.UniformColorCode & 0xFF)};
        status = WriteTeamColors(target, state.Edition, state.TeamIndex, colors);
        result.colorsWritten = status.ok();
        if (!status)
            status = Status::Failed(QStringLiteral("チームの色を書き込めません（%1）").arg(status.reason()));
    }
    if (status)
        status = WriteRows(target, RecordKind::Manager, team, manager.value(), managers);
    result.managerWritten = managers > 0;
    if (!status)
        result.error = status.reason();
    return result;
}

} // namespace quindaro2
