#include "cli/DemoRom.h"
#include "core/export/PlayerExport.h"
#include "core/rom/Edition.h"
#include "core/rom/EditionLayout.h"
#include "core/roster/GridFill.h"
#include "core/roster/ShownTeam.h"
#include "core/roster/TeamStatistics.h"
#include "core/roster/WriteBack.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstdlib>

namespace quindaro2 {
namespace {

QTemporaryDir& Folder()
{
    static QTemporaryDir folder;
    if (!folder.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        std::abort();
    }
    return folder;
}

// A sample ROM of the edition, written once per run.
const QString& RomOf(int edition)
{
    static std::array<QString, kEditionCount> paths;
    QString& path = paths[static_cast<std::size_t>(EditionIndex(edition))];
    if (path.isEmpty()) {
        path = Folder().filePath(QStringLiteral("sample%1.nes").arg(edition));
        QFile file(path);
        const QByteArray image = cli::DemoRomImage(edition);
        if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size()) {
            std::fprintf(stderr, "cannot write the sample ROM\n");
            std::abort();
        }
    }
    return path;
}

// The last team of the edition: its records lie furthest into the file.
ShownTeam TeamOf(int edition)
{
    ShownTeam team;
    team.state.RomPath = RomOf(edition);
    team.state.SaveTarget = team.state.RomPath;
    team.state.Edition = edition;
    team.state.TeamIndex = TeamCount(edition) - 1;
    return team;
}

int EditionOf(const benchmark::State& state)
{
    return static_cast<int>(state.range(0));
}

void Stop(benchmark::State& state, const QString& why)
{
    state.SkipWithError(why.toUtf8().constData());
}

template <FillReport (*Fill)(ShownTeam&)>
void FillOneGrid(benchmark::State& state)
{
    ShownTeam team = TeamOf(EditionOf(state));
    for (auto _ : state) {
        const FillReport report = Fill(team);
        benchmark::DoNotOptimize(report.warning);
        if (!report.readProblems.isEmpty())
            return Stop(state, report.readProblems.join(u'\n'));
    }
}

void BM_FillBatterGrid(benchmark::State& state)
{
    FillOneGrid<FillBatterGrid>(state);
}

void BM_FillPitcherGrid(benchmark::State& state)
{
    FillOneGrid<FillPitcherGrid>(state);
}

void BM_FillVisorGrid(benchmark::State& state)
{
    FillOneGrid<FillVisorGrid>(state);
}

void BM_ShowTeamStatistics(benchmark::State& state)
{
    ShownTeam team = TeamOf(EditionOf(state));
    const TeamFillReport report = FillTeam(team);
    if (!report.readProblems.isEmpty())
        return Stop(state, report.readProblems.join(u'\n'));
    for (auto _ : state) {
        TeamStatistics figures = ShowTeamStatistics(team.state.Edition, team.BatterGrid, team.PitcherGrid);
        benchmark::DoNotOptimize(figures);
    }
}

// Into a scratch copy of the sample ROM; every round writes the same bytes.
void BM_WriteBackTeam(benchmark::State& state)
{
    const int edition = EditionOf(state);
    ShownTeam team = TeamOf(edition);
    const TeamFillReport report = FillTeam(team);
    const QString copy = Folder().filePath(QStringLiteral("scratch%1.nes").arg(edition));
    QFile::remove(copy);
    if (!report.readProblems.isEmpty() || !QFile::copy(team.state.RomPath, copy))
        return Stop(state, QStringLiteral("cannot prepare the scratch copy"));
    for (auto _ : state) {
        const WriteBackResult result = WriteBackTeam(team, copy);
        if (!result.ok())
            return Stop(state, result.error);
    }
}

void BM_ExportOneFile(benchmark::State& state)
{
    const int edition = EditionOf(state);
    const QString out = Folder().filePath(QStringLiteral("players%1.txt").arg(edition));
    for (auto _ : state) {
        const ExportResult result = ExportPlayerData(RomOf(edition), edition, out, ExportMode::OneFile);
        if (!result.ok())
            return Stop(state, result.error);
    }
}

} // namespace
} // namespace quindaro2

#define QUINDARO2_PER_EDITION(name)                                                                       \
    BENCHMARK(quindaro2::name)                                                                            \
        ->Name(#name)                                                                                     \
        ->DenseRange(quindaro2::kFirstEdition, quindaro2::kLastEdition)                                   \
        ->Unit(benchmark::kMicrosecond)

QUINDARO2_PER_EDITION(BM_FillBatterGrid);
QUINDARO2_PER_EDITION(BM_FillPitcherGrid);
QUINDARO2_PER_EDITION(BM_FillVisorGrid);
QUINDARO2_PER_EDITION(BM_ShowTeamStatistics);
QUINDARO2_PER_EDITION(BM_WriteBackTeam);
QUINDARO2_PER_EDITION(BM_ExportOneFile);

BENCHMARK_MAIN();
