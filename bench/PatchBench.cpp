// Creating a BPS patch for the four kinds of change users share, on the 1993
// sample with program-like filler: one cell, one team rewritten, every team's
// rows rotated, 64 KiB of random changes; and a 16 MiB pair. The counter
// "patch_bytes" is the size of the patch made.
#include "core/edition/EditionProfile.h"
#include "core/patch/BpsPatch.h"
#include "core/sample/DemoRom.h"

#include <QByteArray>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace quindaro2 {
namespace {

constexpr int kEdition = 1993;

const EditionProfile& Profile()
{
    return *FindProfile(kEdition);
}

QByteArray Original()
{
    return DemoRomImage(kEdition);
}

constexpr RecordKind kKinds[] = {RecordKind::Batter, RecordKind::Pitcher, RecordKind::Manager};

// Copies the records of `team` in `from` over those of the same team in `into`.
void CopyTeam(QByteArray& into, const QByteArray& from, int team)
{
    for (const RecordKind kind : kKinds) {
        const std::optional<RosterShape> shape = Profile().roster(kind);
        for (int index = 0; shape && index < shape->perTeam; ++index) {
            const qint64 at = *Profile().recordOffset(kind, team, index, 0);
            into.replace(at, shape->recordSize, from.mid(at, shape->recordSize));
        }
    }
}

QByteArray OneCell()
{
    QByteArray bytes = Original();
    const qint64 at = *Profile().recordOffset(RecordKind::Batter, 3, 4, 0);
    bytes[at + 1] = static_cast<char>(bytes[at + 1] ^ 0x21);
    return bytes;
}

QByteArray OneTeam()
{
    QByteArray bytes = Original();
    CopyTeam(bytes, DemoRomImage(kEdition, {7, false, false}), 5);
    return bytes;
}

// Every team's batters and pitchers moved down one row, the last to the top.
QByteArray RowsRotated()
{
    const QByteArray original = Original();
    QByteArray bytes = original;
    for (int team = 0; team < Profile().teamCount(); ++team) {
        for (const RecordKind kind : {RecordKind::Batter, RecordKind::Pitcher}) {
            const RosterShape shape = *Profile().roster(kind);
            for (int index = 0; index < shape.perTeam; ++index) {
                const qint64 from = *Profile().recordOffset(kind, team, index, 0);
                const qint64 to = *Profile().recordOffset(kind, team, (index + 1) % shape.perTeam, 0);
                bytes.replace(to, shape.recordSize, original.mid(from, shape.recordSize));
            }
        }
    }
    return bytes;
}

// `count` distinct places past the header, each changed to another random byte.
QByteArray RandomChanges(QByteArray bytes, qsizetype count, std::uint32_t seed)
{
    std::mt19937 random(seed);
    std::vector<qsizetype> places(static_cast<std::size_t>(bytes.size() - 16));
    std::iota(places.begin(), places.end(), 16);
    std::shuffle(places.begin(), places.end(), random);
    for (qsizetype i = 0; i < count; ++i) {
        char& byte = bytes[places[static_cast<std::size_t>(i)]];
        byte = static_cast<char>(byte ^ (1 + random() % 255));
    }
    return bytes;
}

QByteArray Big(std::uint32_t seed)
{
    QByteArray bytes(qsizetype(16) << 20, '\0');
    std::mt19937 random(seed);
    for (char& byte : bytes)
        byte = static_cast<char>(random() % 64);  // compressible, like program code
    return bytes;
}

// A 16 MiB file with some blocks moved, some rewritten and scattered bytes changed.
QByteArray BigEdited(const QByteArray& original)
{
    QByteArray bytes = original;
    std::mt19937 random(3);
    for (int i = 0; i < 64; ++i) {
        const qsizetype from = random() % (bytes.size() - 65536);
        const qsizetype to = random() % (bytes.size() - 65536);
        bytes.replace(to, 4096, original.mid(from, 4096));
    }
    return RandomChanges(bytes, 4096, 9);
}

void MakePatch(benchmark::State& state, const QByteArray& original, const QByteArray& modified)
{
    qsizetype size = 0;
    for (auto _ : state) {
        const Result<QByteArray> patch = CreateBpsPatch(original, modified);
        if (!patch) {
            state.SkipWithError("no patch");
            return;
        }
        size = patch.value().size();
        benchmark::DoNotOptimize(size);
    }
    const Result<QByteArray> applied = ApplyBpsPatch(original, CreateBpsPatch(original, modified).value());
    if (!applied || applied.value() != modified)
        state.SkipWithError("the patch does not give the modified file");
    state.counters["patch_bytes"] = static_cast<double>(size);
}

void BM_BpsOneCell(benchmark::State& state)
{
    MakePatch(state, Original(), OneCell());
}

void BM_BpsOneTeam(benchmark::State& state)
{
    MakePatch(state, Original(), OneTeam());
}

void BM_BpsRowsRotated(benchmark::State& state)
{
    MakePatch(state, Original(), RowsRotated());
}

void BM_BpsRandomChanges(benchmark::State& state)
{
    MakePatch(state, Original(), RandomChanges(Original(), 65536, 5));
}

void BM_Bps16MiB(benchmark::State& state)
{
    const QByteArray original = Big(1);
    MakePatch(state, original, BigEdited(original));
}

} // namespace
} // namespace quindaro2

BENCHMARK(quindaro2::BM_BpsOneCell)->Name("BM_BpsOneCell")->Unit(benchmark::kMicrosecond);
BENCHMARK(quindaro2::BM_BpsOneTeam)->Name("BM_BpsOneTeam")->Unit(benchmark::kMicrosecond);
BENCHMARK(quindaro2::BM_BpsRowsRotated)->Name("BM_BpsRowsRotated")->Unit(benchmark::kMicrosecond);
BENCHMARK(quindaro2::BM_BpsRandomChanges)->Name("BM_BpsRandomChanges")->Unit(benchmark::kMicrosecond);
BENCHMARK(quindaro2::BM_Bps16MiB)->Name("BM_Bps16MiB")->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
