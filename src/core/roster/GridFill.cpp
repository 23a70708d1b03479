#include "core/roster/GridFill.h"

#include "core/edition/EditionProfile.h"
#include "core/roster/CellText.h"
#include "core/roster/FieldCodec.h"
#include "core/roster/GridName.h"

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

GridFill FillRecords(const EditionProfile& profile, RecordKind kind, const RomImage& image, int team)
{
    GridFill fill;
    const std::span<const ColumnDescriptor> columns = profile.columns(kind);
    const int columnCount = static_cast<int>(columns.size());
    const int rows = profile.slots(kind);
    fill.grid.reset(columnCount + 1, rows + 1);
    for (int c = 1; c <= columnCount; ++c)
        fill.grid.setCell(c, 0, columns[static_cast<std::size_t>(c - 1)].header);

    bool suspect = false;
    for (int i = 0; i < rows; ++i) {
        fill.grid.setCell(0, i + 1, DecimalText(i + 1));
        const RecordRead read = image.record(profile, kind, team, i);
        if (!read.complete())
            fill.readProblems << Text::tr("%1の%2行目：%3").arg(GridName(kind)).arg(i + 1).arg(read.reason);
        if (!read)
            continue;
        for (int c = 1; c <= columnCount; ++c)
            fill.grid.setCell(c, i + 1, GridText(profile, columns[static_cast<std::size_t>(c - 1)], read.record, &suspect));
    }
    if (suspect)
        fill.warning = Warning(kind);
    return fill;
}

} // namespace

GridFill FillBatterGrid(const EditionProfile& profile, const RomImage& image, int team)
{
    return FillRecords(profile, RecordKind::Batter, image, team);
}

GridFill FillPitcherGrid(const EditionProfile& profile, const RomImage& image, int team)
{
    return FillRecords(profile, RecordKind::Pitcher, image, team);
}

GridFill FillVisorGrid(const EditionProfile& profile, const RomImage& image, int team)
{
    if (!profile.managers)
        return {};
    return FillRecords(profile, RecordKind::Manager, image, team);
}

TeamView FillTeam(const EditionProfile& profile, const RomImage& image, int team)
{
    TeamView view;
    view.team = team;
    if (const Result<TeamColors> colors = image.colors(profile, team)) {
        view.HelmetColorCode = colors->helmet;
        view.UniformColorCode = colors->uniform;
    } else {
        view.readProblems << Text::tr("チームの色：%1").arg(colors.reason());
    }
    const auto take = [&](RecordKind kind, GridFill fill) {
        view.grid(kind) = std::move(fill.grid);
        if (!fill.warning.isEmpty())
            view.warnings << fill.warning;
        view.readProblems << fill.readProblems;
    };
    take(RecordKind::Batter, FillBatterGrid(profile, image, team));
    take(RecordKind::Pitcher, FillPitcherGrid(profile, image, team));
    take(RecordKind::Manager, FillVisorGrid(profile, image, team));
    view.statistics = ShowTeamStatistics(profile, image, team);
    return view;
}

} // namespace quindaro2
