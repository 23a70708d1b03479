#include "core/document/RomDocument.h"
#include "core/edition/Edition.h"
#include "core/edition/EditionProfile.h"
#include "core/league/LeagueComparison.h"
#include "core/league/LeagueTableModel.h"
#include "core/sample/DemoRom.h"

#include <benchmark/benchmark.h>

namespace quindaro2 {
namespace {

const EditionProfile& ProfileOf(const benchmark::State& state)
{
    return *FindProfile(static_cast<int>(state.range(0)));
}

// Every player of the league from the document's bytes, as the league view
// builds it after each change.
void BM_LeagueTable(benchmark::State& state)
{
    const EditionProfile& profile = ProfileOf(state);
    const RomDocument document(QStringLiteral("sample.nes"), profile, RomImage(DemoRomImage(profile.year)));
    for (auto _ : state) {
        const LeagueTable table = BuildLeagueTable(profile, document.image());
        benchmark::DoNotOptimize(table.rows.data());
    }
}

// One keystroke of a romaji search: the view's model filters again, sorted
// by home runs, for the next prefix of the name typed; the empty one, after
// the field is cleared, shows and sorts every player.
void BM_LeagueKeystroke(benchmark::State& state)
{
    const EditionProfile& profile = ProfileOf(state);
    const RomDocument document(QStringLiteral("sample.nes"), profile, RomImage(DemoRomImage(profile.year)));
    LeagueTableModel model;
    model.setDocument(&document);
    model.sort(LeagueTableModel::kFixedColumns + 3, Qt::DescendingOrder);
    const QString typed = QStringLiteral("tanaka");
    qsizetype length = 0;
    for (auto _ : state) {
        length = (length + 1) % (typed.size() + 1);
        model.setFilter({typed.left(length), {}, {}});
        benchmark::DoNotOptimize(model.rowCount());
    }
}

// Two ROMs of the edition compared cell by cell, both leagues built.
void BM_LeagueCompare(benchmark::State& state)
{
    const EditionProfile& profile = ProfileOf(state);
    const RomImage a(DemoRomImage(profile.year));
    const RomImage b(DemoRomImage(profile.year, {7, false, false}));
    for (auto _ : state) {
        const std::vector<LeagueDifference> differences =
            CompareLeagues(profile, BuildLeagueTable(profile, a), BuildLeagueTable(profile, b));
        benchmark::DoNotOptimize(differences.data());
    }
}

} // namespace
} // namespace quindaro2

#define QUINDARO2_LEAGUE_PER_EDITION(name)                                                                \
    BENCHMARK(quindaro2::name)                                                                            \
        ->Name(#name)                                                                                     \
        ->DenseRange(quindaro2::kFirstEdition, quindaro2::kLastEdition)                                   \
        ->Unit(benchmark::kMicrosecond)

QUINDARO2_LEAGUE_PER_EDITION(BM_LeagueTable);
QUINDARO2_LEAGUE_PER_EDITION(BM_LeagueKeystroke);
QUINDARO2_LEAGUE_PER_EDITION(BM_LeagueCompare);
