#include "core/detect/EditionDetection.h"
#include "core/document/RomDocument.h"
#include "core/edit/CellEdit.h"
#include "core/edition/Edition.h"
#include "core/edition/EditionProfile.h"
#include "core/export/PlayerExport.h"
#include "core/file/RomFile.h"
#include "core/roster/GridFill.h"
#include "core/sample/DemoRom.h"

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

const EditionProfile& ProfileOf(const benchmark::State& state)
{
    return *FindProfile(EditionOf(state));
}

// The last team of the edition: its records lie furthest into the image.
int LastTeam(const EditionProfile& profile)
{
    return profile.teamCount() - 1;
}

QString SampleFile(int edition)
{
    const QString rom = Folder().filePath(QStringLiteral("sample%1.nes").arg(edition));
    QFile file(rom);
    const QByteArray bytes = DemoRomImage(edition);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        return {};
    return rom;
}

void Stop(benchmark::State& state, const QString& why)
{
    state.SkipWithError(why.toUtf8().constData());
}

// An Open: the file read once under its lock, the document made, and the
// first team's view computed from its bytes.
void BM_OpenAndFirstView(benchmark::State& state)
{
    const QString rom = SampleFile(EditionOf(state));
    const EditionProfile& profile = ProfileOf(state);
    for (auto _ : state) {
        Result<RomImage> image = ReadRomFile(rom);
        if (!image)
            return Stop(state, image.reason());
        const RomDocument document(rom, profile, std::move(image).value());
        const TeamView view = FillTeam(profile, document.image(), 0);
        benchmark::DoNotOptimize(view.statistics);
    }
}

// A team switch: the view of the team computed anew from the document's bytes.
void BM_TeamSwitch(benchmark::State& state)
{
    const EditionProfile& profile = ProfileOf(state);
    const RomDocument document(QStringLiteral("sample.nes"), profile, RomImage(DemoRomImage(EditionOf(state))));
    for (auto _ : state) {
        const TeamView view = FillTeam(profile, document.image(), LastTeam(profile));
        benchmark::DoNotOptimize(view.statistics);
        if (!view.readProblems.isEmpty())
            return Stop(state, view.readProblems.join(u'\n'));
    }
}

// One edit: validated, encoded into the record, made in the document and
// recorded in its history, and the shown team's view computed again.
void BM_EditApplied(benchmark::State& state)
{
    const EditionProfile& profile = ProfileOf(state);
    RomDocument document(QStringLiteral("sample.nes"), profile, RomImage(DemoRomImage(EditionOf(state))));
    const int team = LastTeam(profile);
    int homeRuns = 20;
    for (auto _ : state) {
        homeRuns = homeRuns == 20 ? 21 : 20;
        const Result<Change> change = EditCell(document, team, RecordKind::Batter, 4, 1, QString::number(homeRuns));
        if (!change)
            return Stop(state, change.reason());
        if (const Status made = document.apply({QStringLiteral("edit"), {change.value()}}); !made)
            return Stop(state, made.reason());
        const TeamView view = FillTeam(profile, document.image(), team);
        benchmark::DoNotOptimize(view.statistics);
    }
}

// Every team of the league decoded into the rows its grids show.
void BM_LeagueRows(benchmark::State& state)
{
    const EditionProfile& profile = ProfileOf(state);
    const RomImage image(DemoRomImage(EditionOf(state)));
    for (auto _ : state) {
        for (int team = 0; team < profile.teamCount(); ++team) {
            const TeamView view = FillTeam(profile, image, team);
            benchmark::DoNotOptimize(view.BatterGrid);
        }
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
    const QString rom = SampleFile(edition);
    const QString out = Folder().filePath(QStringLiteral("players%1.txt").arg(edition));
    if (rom.isEmpty())
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

QUINDARO2_PER_EDITION(BM_OpenAndFirstView);
QUINDARO2_PER_EDITION(BM_TeamSwitch);
QUINDARO2_PER_EDITION(BM_EditApplied);
QUINDARO2_PER_EDITION(BM_LeagueRows);
QUINDARO2_PER_EDITION(BM_ExportAllTeams);
QUINDARO2_PER_EDITION(BM_ExportToFile);
QUINDARO2_PER_EDITION(BM_DetectEdition);

BENCHMARK_MAIN();
