#include "core/detect/EditionEvidence.h"

#include "core/edition/Edition.h"
#include "core/rom/NameCodec.h"
#include "core/roster/FieldCodec.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace quindaro2 {

namespace {

constexpr int kByteValues = 256;
// A pass is worth at most 8 bits. A failure costs more, so that arbitrary
// bytes lose more than they gain under every check, and a true edition keeps
// most of its score through a few odd values.
constexpr double kFailureCost = 12.0;
// Colour codes index the 64 entries of the palette.
constexpr int kPaletteSize = 64;
// A team figure only has to lie strictly inside its column's range, which
// most teams of arbitrary bytes manage too: a pass says little.
constexpr double kFigureWorth = 1.0;

// The fields the four team figures average.
constexpr ColumnKind kFigureKinds[] = {ColumnKind::BattingAverage, ColumnKind::HomeRuns, ColumnKind::Running,
                                       ColumnKind::EarnedRunAverage};

// The bits a check is worth that `passing` of the 256 values of a byte pass.
double Worth(int passing)
{
    return std::log2(static_cast<double>(kByteValues) / std::max(passing, 1));
}

// The fill's own check (a list code with a choice, a number that is not
// impossible) and the range of the column's edit dialog.
bool Plausible(const ColumnDescriptor& column, const Record& record)
{
    const std::optional<int> value = DecodeColumn(column, record);
    if (!value || *value < 0)
        return false;
    return !column.range || column.range->contains(ShownValue(column, *value));
}

struct ColumnCheck {
    const ColumnDescriptor* column;
    double worth;
};

// The checks of one kind of record of an edition, worked out once.
struct RecordChecks {
    RecordKind kind = RecordKind::Batter;
    int perTeam = 0;
    std::vector<ColumnCheck> columns;  // every column but the name
    std::vector<const ColumnDescriptor*> figures;
};

struct EditionChecks {
    int edition = 0;
    int nameLength = 0;
    std::uint8_t spaceCode = 0;
    std::array<bool, kByteValues> storedCode{};
    double nameCodeWorth = 0;
    std::vector<RecordChecks> records;
};

bool IsFigure(ColumnKind kind)
{
    return std::find(std::begin(kFigureKinds), std::end(kFigureKinds), kind) != std::end(kFigureKinds);
}

// How many of the byte's values pass the column's check, the other bytes of
// the record being zero.
int PassingValues(const ColumnDescriptor& column, int recordSize)
{
    Record record;
    record.size = recordSize;
    int passing = 0;
    for (int value = 0; value < kByteValues; ++value) {
        record[column.byte] = static_cast<std::uint8_t>(value);
        passing += Plausible(column, record) ? 1 : 0;
    }
    return passing;
}

EditionChecks ChecksOf(const EditionProfile& profile)
{
    EditionChecks checks;
    checks.edition = profile.year;
    checks.nameLength = profile.names.length;
    checks.spaceCode = profile.names.spaceCode;
    int stored = 0;
    for (int code = 0; code < kByteValues; ++code) {
        checks.storedCode[static_cast<std::size_t>(code)] = IsStoredCode(profile.year, code);
        stored += checks.storedCode[static_cast<std::size_t>(code)] ? 1 : 0;
    }
    checks.nameCodeWorth = Worth(stored);
    for (const RecordKind kind : {RecordKind::Batter, RecordKind::Pitcher, RecordKind::Manager}) {
        const std::optional<int> perTeam = RecordsPerTeam(kind, profile.year);
        const std::optional<int> size = RecordSize(kind, profile.year);
        if (!perTeam || !size)
            continue;
        RecordChecks record{kind, *perTeam, {}, {}};
        for (const ColumnDescriptor& column : Columns(kind, profile.year)) {
            if (column.isName())
                continue;
            record.columns.push_back({&column, Worth(PassingValues(column, *size))});
            if (IsFigure(column.kind) && column.range)
                record.figures.push_back(&column);
        }
        checks.records.push_back(std::move(record));
    }
    return checks;
}

const EditionChecks& ChecksOf(int edition)
{
    static const std::vector<EditionChecks> all = [] {
        std::vector<EditionChecks> list;
        for (const EditionProfile& profile : Profiles())
            list.push_back(ChecksOf(profile));
        return list;
    }();
    return all[static_cast<std::size_t>(EditionIndex(edition))];
}

// Filler, not a player: real records never repeat one byte throughout.
bool Blank(const Record& record)
{
    return std::all_of(record.bytes.begin() + 1, record.bytes.begin() + record.size,
                       [&](std::uint8_t byte) { return byte == record[0]; });
}

void WeighName(const EditionChecks& checks, const Record& record, Evidence& evidence)
{
    bool written = false;
    for (int i = 0; i < checks.nameLength; ++i) {
        const std::uint8_t code = record[1 + i];
        evidence.add(checks.storedCode[code], checks.nameCodeWorth);
        written = written || code != checks.spaceCode;
    }
    evidence.add(written, 0.0);
}

// A record that is missing, cut short or blank fails every check it would have had.
void FailRecord(const EditionChecks& checks, const RecordChecks& record, Evidence& evidence)
{
    for (int i = 0; i < checks.nameLength; ++i)
        evidence.add(false, checks.nameCodeWorth);
    evidence.add(false, 0.0);
    for (const ColumnCheck& column : record.columns)
        evidence.add(false, column.worth);
}

// Each figure's mean over the team's records lies strictly inside its
// column's range; a roster with a record that could not be weighed has none.
void WeighFigures(const RecordChecks& record, const std::vector<std::int64_t>& sums, bool whole, Evidence& evidence)
{
    for (std::size_t f = 0; f < record.figures.size(); ++f) {
        const ValueRange& range = *record.figures[f]->range;
        const std::int64_t sum = sums[f];
        evidence.add(whole && sum > std::int64_t{range.minimum} * record.perTeam
                         && sum < std::int64_t{range.maximum} * record.perTeam,
                     kFigureWorth);
    }
}

void WeighRecords(const RomImage& image, const EditionChecks& checks, const RecordChecks& record, int team,
                  Evidence& evidence)
{
    std::vector<std::int64_t> sums(record.figures.size(), 0);
    bool whole = true;
    for (int slot = 0; slot < record.perTeam; ++slot) {
        const RecordRead read = image.record(record.kind, checks.edition, team, slot);
        if (!read.complete() || Blank(read.record)) {
            FailRecord(checks, record, evidence);
            whole = false;
            continue;
        }
        WeighName(checks, read.record, evidence);
        for (const ColumnCheck& column : record.columns)
            evidence.add(Plausible(*column.column, read.record), column.worth);
        for (std::size_t f = 0; f < record.figures.size(); ++f)
            sums[f] += DecodeNumber(*record.figures[f], read.record);
    }
    WeighFigures(record, sums, whole, evidence);
}

// Every colour code is a palette entry, and the codes are not one byte
// repeated, which is filler rather than a table of team colours.
void WeighColors(const RomImage& image, int edition, int teams, Evidence& evidence)
{
    std::vector<int> codes;
    int missing = 0;
    for (int team = 0; team < teams; ++team) {
        const Result<TeamColors> colors = image.colors(edition, team);
        if (colors) {
            codes.push_back(colors->helmet);
            codes.push_back(colors->uniform);
        } else {
            missing += 2;
        }
    }
    const double worth = Worth(kPaletteSize);
    const bool repeated = std::all_of(codes.begin(), codes.end(), [&](int code) { return code == codes.front(); });
    for (const int code : codes)
        evidence.add(!repeated && code < kPaletteSize, worth);
    for (int i = 0; i < missing; ++i)
        evidence.add(false, worth);
}

} // namespace

void Evidence::add(bool passed, double worth)
{
    ++checks;
    possible += worth;
    if (passed) {
        bits += worth;
    } else {
        bits -= kFailureCost;
        ++failures;
    }
}

double Evidence::percent() const
{
    return possible > 0 ? std::clamp(100.0 * bits / possible, 0.0, 100.0) : 0.0;
}

Evidence WeighEdition(const RomImage& image, const EditionProfile& profile)
{
    const EditionChecks& checks = ChecksOf(profile.year);
    Evidence evidence;
    for (int team = 0; team < profile.teamCount(); ++team) {
        for (const RecordChecks& record : checks.records)
            WeighRecords(image, checks, record, team, evidence);
    }
    WeighColors(image, profile.year, profile.teamCount(), evidence);
    return evidence;
}

} // namespace quindaro2
