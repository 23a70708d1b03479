// Timings of editing at typing speed: one typed value committed and its team
// shown again, and a pasted block validated and applied.
#include "core/document/RomDocument.h"
#include "core/edit/CellEdit.h"
#include "core/edit/CellPaste.h"
#include "core/edition/Edition.h"
#include "core/edition/EditionProfile.h"
#include "core/roster/GridFill.h"
#include "core/sample/DemoRom.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace quindaro2 {
namespace {

constexpr int kPastedRows = 20;
constexpr int kPastedColumns = 10;

// What a commit from the cell editor does: the editor's facts, the one
// validation, the step, and the team's grids computed again for the view.
void BM_TypedValueCommitted(benchmark::State& state)
{
    const int edition = static_cast<int>(state.range(0));
    const EditionProfile& profile = *FindProfile(edition);
    RomDocument document(QStringLiteral("sample.nes"), profile, RomImage(DemoRomImage(edition)));
    const int team = profile.teamCount() - 1;
    int value = 20;
    for (auto _ : state) {
        value = value == 20 ? 21 : 20;
        const Result<CellEditor> editor = CellEditorOf(document, team, RecordKind::Batter, 4, 2);
        const Result<Change> change = EditCell(document, team, RecordKind::Batter, 4, 2, QString::number(value));
        if (!editor || !change || !document.apply({QStringLiteral("typed"), {change.value()}}))
            return state.SkipWithError("the typed value was refused");
        const TeamView view = FillTeam(profile, document.image(), team);
        benchmark::DoNotOptimize(view.statistics);
    }
}

// A block of up to 20 rows of 10 cells copied from one team and pasted onto
// another: the batters' rows, then the pitchers' for the rest (the early
// editions hold 16 or 18 in all; the counter says how many), each part
// validated as a whole and applied as one step, and the team shown again.
void BM_PasteBlock(benchmark::State& state)
{
    const int edition = static_cast<int>(state.range(0));
    const EditionProfile& profile = *FindProfile(edition);
    RomDocument document(QStringLiteral("sample.nes"), profile, RomImage(DemoRomImage(edition)));
    const TeamView source = FillTeam(profile, document.image(), 0);
    const int target = profile.teamCount() - 1;
    struct Part {
        RecordKind grid;
        QString block;
    };
    std::vector<Part> parts;
    int rows = 0;
    for (RecordKind grid : {RecordKind::Batter, RecordKind::Pitcher}) {
        const TextGrid& cells = source.grid(grid);
        const int take = std::min(kPastedRows - rows, cells.rowCount() - 1);
        const int columns = std::min(kPastedColumns, cells.columnCount() - 1);
        if (take > 0)
            parts.push_back({grid, CellBlockText(cells, 1, 1, columns, take)});
        rows += take;
    }
    // A label, not a counter: the CSV report wants every counter in every benchmark.
    state.SetLabel(std::to_string(rows) + " rows");
    for (auto _ : state) {
        for (const Part& part : parts) {
            const PastePlan plan = PlanPaste(document, target, part.grid, 1, 1, part.block);
            if (!plan.ok() || !document.apply(plan.step))
                return state.SkipWithError("the block was refused");
        }
        const TeamView view = FillTeam(profile, document.image(), target);
        benchmark::DoNotOptimize(view.statistics);
        state.PauseTiming();
        for (std::size_t i = 0; i < parts.size(); ++i)
            (void)document.undo();
        state.ResumeTiming();
    }
}

} // namespace
} // namespace quindaro2

BENCHMARK(quindaro2::BM_TypedValueCommitted)
    ->Name("BM_TypedValueCommitted")
    ->DenseRange(quindaro2::kFirstEdition, quindaro2::kLastEdition)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(quindaro2::BM_PasteBlock)
    ->Name("BM_PasteBlock")
    ->DenseRange(quindaro2::kFirstEdition, quindaro2::kLastEdition)
    ->Unit(benchmark::kMicrosecond);
