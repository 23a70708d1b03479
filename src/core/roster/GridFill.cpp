#include "core/roster/GridFill.h"

#include "core/rom/NameCodec.h"
#include "core/rom/RomFieldAccess.h"
#include "core/roster/CellText.h"
#include "core/roster/ColumnTable.h"
#include "core/roster/FieldCodec.h"
#include "core/roster/GridName.h"
#include "core/roster/TeamStatistics.h"

namespace quindaro2 {

namespace {

QString Warning(RecordKind kind)
{
    return GridName(kind) + QStringLiteral("データにエラーの可能性があります．");
}

// The text of one data cell; `suspect` is set when the decoded value is impossible.
QString CellOf(RecordKind kind, int edition, const ColumnDescriptor& column, const Record& record, bool& suspect)
{
    if (column.kind == kNameKind)
        return DecodeName(edition, record);
    const int value = DecodeField(kind, edition, record, column.kind);
    if (value < 0)
        suspect = true;
    if (column.choices)
        return value < 0 ? QString() : column.choices->texts[value];
    return DecimalText(column.kind == kTypeKind ? value >> 4 : value);
}

FillReport FillRecords(RecordKind kind, ShownTeam& team)
{
    const EditorState& state = team.state;
    const std::span<const ColumnDescriptor> columns = Columns(kind, state.Edition);
    const int rows = RecordsPerTeam(kind, state.Edition).value_or(0);
    TextGrid& grid = team.grid(kind);
    grid.reset(static_cast<int>(columns.size()) + 1, rows + 1);
    for (int c = 1; c <= static_cast<int>(columns.size()); ++c)
        grid.setCell(c, 0, columns[static_cast<std::size_t>(c - 1)].header);

    FillReport report;
    bool suspect = false;
    for (int i = 0; i < rows; ++i) {
        grid.setCell(0, i + 1, DecimalText(i + 1));
        const RecordRead read = ReadRecord(state.RomPath, kind, state.Edition, state.TeamIndex, i);
        if (!read.complete())
            report.readProblems << QStringLiteral("%1の%2行目：%3").arg(GridName(kind)).arg(i + 1).arg(read.reason);
        if (!read)
            continue;
        for (int c = 1; c <= static_cast<int>(columns.size()); ++c)
            grid.setCell(c, i + 1, CellOf(kind, state.Edition, columns[static_cast<std::size_t>(c - 1)], read.record, suspect));
    }
    if (suspect)
        report.warning = Warning(kind);
    return report;
}

void LoadTeamColors(ShownTeam& team, FillReport& report)
{
    const Result<TeamColors> colors = ReadTeamColors(team.state.RomPath, team.state.Edition, team.state.TeamIndex);
    if (!colors) {
        report.readProblems << QStringLiteral("チームの色：%1").arg(colors.reason());
        return;
    }
    team.state.HelmetColorCode = colors->helmet;
    team.state.UniformColorCode = colors->uniform;
}

// The batter and manager fills load the team colours before their records.
FillReport FillWithColors(RecordKind kind, ShownTeam& team)
{
    FillReport colors;
    LoadTeamColors(team, colors);
    FillReport report = FillRecords(kind, team);
    report.readProblems = colors.readProblems + report.readProblems;
    return report;
}

} // namespace

FillReport FillBatterGrid(ShownTeam& team)
{
    return FillWithColors(RecordKind::Batter, team);
}

FillReport FillPitcherGrid(ShownTeam& team)
{
    return FillRecords(RecordKind::Pitcher, team);
}

FillReport FillVisorGrid(ShownTeam& team)
{
    if (!RecordsPerTeam(RecordKind::Manager, team.state.Edition)) {
        team.VisorGrid.reset(0, 0);
        return {};
    }
    return FillWithColors(RecordKind::Manager, team);
}

TeamFillReport FillTeam(ShownTeam& team)
{
    TeamFillReport report;
    for (const FillReport& fill : {FillBatterGrid(team), FillPitcherGrid(team), FillVisorGrid(team)}) {
        if (!fill.warning.isEmpty())
            report.warnings << fill.warning;
        report.readProblems << fill.readProblems;
    }
    report.readProblems.removeDuplicates();  // both the batter and the manager fill read the colours
    team.statistics = ShowTeamStatistics(team.state.Edition, team.BatterGrid, team.PitcherGrid);
    return report;
}

} // namespace quindaro2
