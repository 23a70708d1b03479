#include "core/roster/GridFill.h"

#include "core/edition/ColumnTable.h"
#include "core/file/RomFile.h"
#include "core/roster/CellText.h"
#include "core/roster/FieldCodec.h"
#include "core/roster/GridName.h"
#include "core/roster/TeamStatistics.h"

#include <QCoreApplication>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(GridFill)
};

QString Warning(RecordKind kind)
{
    switch (kind) {
    case RecordKind::Batter: return Text::tr("バッターデータにエラーの可能性があります．");
    case RecordKind::Pitcher: return Text::tr("ピッチャーデータにエラーの可能性があります．");
    case RecordKind::Manager: return Text::tr("監督データにエラーの可能性があります．");
    }
    return {};
}

FillReport FillRecords(RecordKind kind, ShownTeam& team, const RomImage& image)
{
    const EditorState& state = team.state;
    const std::span<const ColumnDescriptor> columns = Columns(kind, state.Edition);
    const int columnCount = static_cast<int>(columns.size());
    const int rows = RecordsPerTeam(kind, state.Edition).value_or(0);
    TextGrid& grid = team.grid(kind);
    grid.reset(columnCount + 1, rows + 1);
    for (int c = 1; c <= columnCount; ++c)
        grid.setCell(c, 0, columns[static_cast<std::size_t>(c - 1)].header);

    FillReport report;
    bool suspect = false;
    for (int i = 0; i < rows; ++i) {
        grid.setCell(0, i + 1, DecimalText(i + 1));
        const RecordRead read = image.record(kind, state.Edition, state.TeamIndex, i);
        if (!read.complete())
            report.readProblems << Text::tr("%1の%2行目：%3").arg(GridName(kind)).arg(i + 1).arg(read.reason);
        if (!read)
            continue;
        for (int c = 1; c <= columnCount; ++c)
            grid.setCell(c, i + 1, GridText(state.Edition, columns[static_cast<std::size_t>(c - 1)], read.record, &suspect));
    }
    if (suspect)
        report.warning = Warning(kind);
    return report;
}

void LoadTeamColors(ShownTeam& team, const RomImage& image, FillReport& report)
{
    const Result<TeamColors> colors = image.colors(team.state.Edition, team.state.TeamIndex);
    if (!colors) {
        report.readProblems << Text::tr("チームの色：%1").arg(colors.reason());
        return;
    }
    team.state.HelmetColorCode = colors->helmet;
    team.state.UniformColorCode = colors->uniform;
}

// The batter and manager fills load the team colours before their records.
FillReport FillWithColors(RecordKind kind, ShownTeam& team, const RomImage& image)
{
    FillReport colors;
    LoadTeamColors(team, image, colors);
    FillReport report = FillRecords(kind, team, image);
    report.readProblems = colors.readProblems + report.readProblems;
    return report;
}

} // namespace

FillReport FillBatterGrid(ShownTeam& team, const RomImage& image)
{
    return FillWithColors(RecordKind::Batter, team, image);
}

FillReport FillPitcherGrid(ShownTeam& team, const RomImage& image)
{
    return FillRecords(RecordKind::Pitcher, team, image);
}

FillReport FillVisorGrid(ShownTeam& team, const RomImage& image)
{
    if (!RecordsPerTeam(RecordKind::Manager, team.state.Edition)) {
        team.VisorGrid.reset(0, 0);
        return {};
    }
    return FillWithColors(RecordKind::Manager, team, image);
}

TeamFillReport FillTeam(ShownTeam& team, const RomImage& image)
{
    TeamFillReport report;
    for (const FillReport& fill :
         {FillBatterGrid(team, image), FillPitcherGrid(team, image), FillVisorGrid(team, image)}) {
        if (!fill.warning.isEmpty())
            report.warnings << fill.warning;
        report.readProblems << fill.readProblems;
    }
    report.readProblems.removeDuplicates();  // both the batter and the manager fill read the colours
    team.statistics = ShowTeamStatistics(team.state.Edition, team.BatterGrid, team.PitcherGrid);
    team.source = image;
    return report;
}

TeamFillReport FillTeamFromFile(ShownTeam& team)
{
    const Result<RomImage> image = ReadRomFile(team.state.RomPath);
    TeamFillReport report = FillTeam(team, image ? image.value() : RomImage());
    if (!image)
        report.readProblems.prepend(image.reason());
    return report;
}

} // namespace quindaro2
