#include "core/sample/DemoRom.h"
#include "core/detect/EditionDetection.h"
#include "core/edition/Edition.h"
#include "core/edition/EditionLayout.h"
#include "core/export/PlayerExport.h"
#include "core/roster/GridFill.h"
#include "core/roster/ShownTeam.h"
#include "core/roster/WriteBack.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

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

int EditionOf(const benchmark::State& state)
{
    return static_cast<int>(state.range(0));
}

// The last team of the edition: its records lie furthest into the image.
ShownTeam TeamOf(int edition)
{
    ShownTeam team;
    team.state.Edition = edition;
    team.state.TeamIndex = TeamCount(edition) - 1;
    return team;
}

void Stop(benchmark::State& state, const QString& why)
{
    state.SkipWithError(why.toUtf8().constData());
}

// The four steps after an Open or a team switch, on the image just read.
void BM_FillTeam(benchmark::State& state)
{
    const RomImage image(DemoRomImage(EditionOf(state)));
    ShownTeam team = TeamOf(EditionOf(state));
    for (auto _ : state) {
        const TeamFillReport report = FillTeam(team, image);
        benchmark::DoNotOptimize(team.statistics);
        if (!report.readProblems.isEmpty())
            return Stop(state, report.readProblems.join(u'\n'));
    }
}

// A Save's write-back of one edited team into the image read for it.
void BM_WriteBackTeam(benchmark::State& state)
{
    const RomImage read(DemoRomImage(EditionOf(state)));
    ShownTeam team = TeamOf(EditionOf(state));
    if (!FillTeam(team, read).readProblems.isEmpty())
        return Stop(state, QStringLiteral("the sample cannot be read"));
    team.BatterGrid.setCell(4, 1, QStringLiteral("30"));
    for (auto _ : state) {
        RomImage image = read;
        const WriteBackResult result = WriteBackTeam(team, image);
        if (!result.ok())
            return Stop(state, result.error);
        benchmark::DoNotOptimize(image);
    }
}

// Every team of the edition as the text of one file, in memory.
void BM_ExportAllTeams(benchmark::State& state)
{
    const int edition = EditionOf(state);
    const RomImage image(DemoRomImage(edition));
    for (auto _ : state) {
        const Result<std::vector<ExportFile>> files =
            PlayerExportFiles(image, QStringLiteral("sample.nes"), edition, QStringLiteral("players.txt"), ExportMode::OneFile);
        if (!files)
            return Stop(state, files.reason());
        benchmark::DoNotOptimize(files->front().bytes);
    }
}

// The whole export as the editor runs it: the ROM file read, the text file replaced.
void BM_ExportToFile(benchmark::State& state)
{
    const int edition = EditionOf(state);
    const QString rom = Folder().filePath(QStringLiteral("sample%1.nes").arg(edition));
    const QString out = Folder().filePath(QStringLiteral("players%1.txt").arg(edition));
    QFile file(rom);
    const QByteArray bytes = DemoRomImage(edition);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        return Stop(state, QStringLiteral("cannot write the sample ROM"));
    for (auto _ : state) {
        const ExportResult result = ExportPlayerData(rom, edition, out, ExportMode::OneFile);
        if (!result.ok())
            return Stop(state, result.error);
    }
}

// The edition detection of one ROM as the edition dialog runs it, on an
// image whose bytes around the rosters are random like program code.
void BM_DetectEdition(benchmark::State& state)
{
    const int edition = EditionOf(state);
    const RomImage image(DemoRomImage(edition, {1, true, false}));
    for (auto _ : state) {
        const Detection detection = DetectEdition(image);
        if (detection.edition != edition)
            return Stop(state, QStringLiteral("detected %1").arg(detection.edition.value_or(0)));
        benchmark::DoNotOptimize(detection.margin);
    }
}

} // namespace
} // namespace quindaro2

#define QUINDARO2_PER_EDITION(name)                                                                       \
    BENCHMARK(quindaro2::name)                                                                            \
        ->Name(#name)                                                                                     \
        ->DenseRange(quindaro2::kFirstEdition, quindaro2::kLastEdition)                                   \
        ->Unit(benchmark::kMicrosecond)

QUINDARO2_PER_EDITION(BM_FillTeam);
QUINDARO2_PER_EDITION(BM_WriteBackTeam);
QUINDARO2_PER_EDITION(BM_ExportAllTeams);
QUINDARO2_PER_EDITION(BM_ExportToFile);
QUINDARO2_PER_EDITION(BM_DetectEdition);

BENCHMARK_MAIN();
