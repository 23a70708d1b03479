#include "FuzzSupport.h"
#include "FuzzTargets.h"

#include "core/sample/DemoRom.h"
#include "core/edition/Edition.h"
#include "core/edition/EditionLayout.h"
#include "core/rom/NameCodec.h"
#include "core/roster/CellText.h"
#include "core/roster/FieldCodec.h"
#include "core/edition/ColumnTable.h"
#include "core/roster/GridFill.h"
#include "core/roster/ShownTeam.h"
#include "core/roster/TeamStatistics.h"
#include "core/roster/WriteBack.h"

#include <array>
#include <vector>

namespace quindaro2::fuzz {

namespace {

constexpr std::array<RecordKind, 3> kGrids{RecordKind::Batter, RecordKind::Pitcher, RecordKind::Manager};

const QByteArray& PlausibleRom(int edition)
{
    static std::array<QByteArray, kEditionCount> images;
    QByteArray& image = images[static_cast<std::size_t>(EditionIndex(edition))];
    if (image.isEmpty())
        image = DemoRomImage(edition);
    return image;
}

struct Edit {
    RecordKind grid = RecordKind::Batter;
    int column = 0;
    int row = 0;
    QString text;
};

// A cell text as a user, a row move or a damaged grid could leave it.
QString TextFor(FuzzInput& input, RecordKind grid, int edition, int column)
{
    const ColumnDescriptor* descriptor = Column(grid, edition, column);
    switch (input.byte() % 6) {
    case 0: return input.utf16(6);
    case 1: return QString::number(static_cast<std::int16_t>(input.uint16()));
    case 2: {
        const ValueRange range = descriptor && descriptor->range ? *descriptor->range : ValueRange{0, 255, 1};
        return QString::number(range.minimum + input.uint16() % (range.maximum - range.minimum + 1));
    }
    case 3: return BattingSideText(input.byte() % 13) + PitchingFormText(input.byte() % 13);
    case 4: {
        const QString table = CharTable(edition);
        QString name;
        for (int i = input.byte() % 7; i > 0; --i)
            name += table[input.byte() % table.size()];
        return name;
    }
    default: return QString::fromLatin1(input.bytes(input.byte() % 8));
    }
}

// Whether every number cell holds a value its edit dialog would accept; only
// then must a second save of what the first one wrote change nothing.
bool AllAccepted(const ShownTeam& team)
{
    for (const RecordKind kind : kGrids) {
        const TextGrid& grid = team.grid(kind);
        for (int c = 1; c < grid.columnCount(); ++c) {
            const ColumnDescriptor* column = Column(kind, team.state.Edition, c);
            if (!column || !column->range)
                continue;
            for (int row = 1; row < grid.rowCount(); ++row) {
                if (!column->range->contains(LeadingInteger(grid.cell(c, row))))
                    return false;
            }
        }
    }
    return team.state.HelmetColorCode >= 0 && team.state.HelmetColorCode <= 0xFF && team.state.UniformColorCode >= 0
           && team.state.UniformColorCode <= 0xFF;
}

bool RecordComplete(const QByteArray& rom, RecordKind kind, int edition, int team, int slot)
{
    const std::optional<qint64> at = RecordOffset(kind, edition, team, slot, 0);
    return at && *at + RecordSize(kind, edition).value_or(0) <= rom.size();
}

bool ExpectedToSucceed(const ShownTeam& team, const QByteArray& source)
{
    const int edition = team.state.Edition;
    for (const RecordKind kind : kGrids) {
        for (int slot = 0; slot < RecordsPerTeam(kind, edition).value_or(0); ++slot) {
            if (!RecordComplete(source, kind, edition, team.state.TeamIndex, slot))
                return false;
        }
    }
    const std::optional<TeamColorOffsets> colors = ColorOffsets(edition, team.state.TeamIndex, 0);
    if (!colors || colors->helmet >= source.size() || colors->uniform >= source.size())
        return false;
    // The 1991 type shares its byte with the fielding position: a new value of
    // either needs a position that is a whole number.
    int typeColumn = 0;
    int positionColumn = 0;
    if (ColumnOfKind(RecordKind::Batter, edition, ColumnKind::Type, &typeColumn)
        && ColumnOfKind(RecordKind::Batter, edition, ColumnKind::Position, &positionColumn)) {
        const std::span<const ColumnDescriptor> columns = Columns(RecordKind::Batter, edition);
        for (int row = 1; row < team.BatterGrid.rowCount(); ++row) {
            const Record stored = RomImage(source).record(RecordKind::Batter, edition, team.state.TeamIndex, row - 1).record;
            const auto changed = [&](int column) {
                return team.BatterGrid.cell(column, row)
                    != GridText(edition, columns[static_cast<std::size_t>(column - 1)], stored);
            };
            if ((changed(positionColumn) || changed(typeColumn)) && !StrictInteger(team.BatterGrid.cell(positionColumn, row)))
                return false;
        }
    }
    return true;
}

// Whether a name cell holds, within the name's length, a character that the
// edition has no code for. A write-back may refuse such a name rather than
// store it cut short.
bool SomeNameUnstorable(const ShownTeam& team)
{
    const int edition = team.state.Edition;
    const QString table = CharTable(edition);
    for (const RecordKind kind : kGrids) {
        const TextGrid& grid = team.grid(kind);
        for (int row = 1; row < grid.rowCount(); ++row) {
            const QString name = grid.cell(1, row).left(NameLength(edition));
            for (const QChar c : name) {
                if (!table.contains(c))
                    return true;
            }
        }
    }
    return false;
}

// The bytes a write-back of the team may change: its records and its colours.
std::vector<bool> TeamOffsets(int edition, int team, qsizetype size)
{
    std::vector<bool> mine(static_cast<std::size_t>(size), false);
    const auto mark = [&](qint64 from, qint64 length) {
        for (qint64 i = from; i < from + length && i < size; ++i)
            mine[static_cast<std::size_t>(i)] = true;
    };
    for (const RecordKind kind : kGrids) {
        for (int slot = 0; slot < RecordsPerTeam(kind, edition).value_or(0); ++slot)
            mark(RecordOffset(kind, edition, team, slot, 0).value_or(0), RecordSize(kind, edition).value_or(0));
    }
    if (const std::optional<TeamColorOffsets> colors = ColorOffsets(edition, team, 0)) {
        mark(colors->helmet, 1);
        mark(colors->uniform, 1);
    }
    return mine;
}

QString FirstDifference(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return QStringLiteral("sizes %1 and %2").arg(a.size()).arg(b.size());
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i] != b[i])
            return QStringLiteral("offset 0x%1: %2 -> %3")
                .arg(i, 0, 16)
                .arg(static_cast<std::uint8_t>(a[i]))
                .arg(static_cast<std::uint8_t>(b[i]));
    }
    return {};
}

} // namespace

int FuzzWriteBack(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const int edition = kFirstEdition + input.byte() % kEditionCount;
    const int teamIndex = input.byte() % TeamCount(edition);
    const std::uint8_t flags = input.byte();

    QByteArray source = PlausibleRom(edition);
    ShownTeam team;
    team.state.Edition = edition;
    team.state.TeamIndex = teamIndex;
    const TeamFillReport filled = FillTeam(team, RomImage(source));
    Require(filled.readProblems.isEmpty() && filled.warnings.isEmpty(), "a plausible team fills without a problem",
            [&] { return filled.readProblems.join(u'\n') + filled.warnings.join(u'\n'); });

    // The user's edits, and whatever else may happen to the grids.
    bool edited = false;
    if ((flags & 1) != 0) {
        team.state.HelmetColorCode = static_cast<std::int32_t>(input.uint32());
        team.state.UniformColorCode = static_cast<std::int32_t>(input.uint32());
        edited = true;
    }
    for (int count = 0; count < 24 && !input.empty(); ++count) {
        const RecordKind grid = kGrids[input.byte() % kGrids.size()];
        TextGrid& cells = team.grid(grid);
        const int column = input.byte() % (cells.columnCount() + 2);
        const int row = input.byte() % (cells.rowCount() + 2);
        cells.setCell(column, row, TextFor(input, grid, edition, column));
        edited = true;
    }
    const TeamStatistics figures = ShowTeamStatistics(edition, team.BatterGrid, team.PitcherGrid);
    Require(!figures.AverageLabel.isEmpty() && !figures.ErrorLabel.isEmpty(), "the team figures are shown");

    // The ROM may have been cut short since the team was read from it.
    if ((flags & 2) != 0)
        source.truncate(static_cast<qsizetype>(input.uint32() % static_cast<std::uint32_t>(source.size())));

    const bool expected = ExpectedToSucceed(team, source);
    RomImage image(source);
    const WriteBackResult result = WriteBackTeam(team, image);
    const QByteArray written = image.bytes();
    Require(result.ok() || !expected || SomeNameUnstorable(team),
            "a write-back fails only when a record, a colour, a 1991 position or a name is unusable",
            [&] { return result.error; });
    Require(!result.ok() || expected, "a write-back fails when a record, a colour or a 1991 position is unusable");
    if (!result.ok()) {
        Require(written == source, "a failed write-back leaves the copy byte-identical", [&] { return FirstDifference(source, written); });
        return 0;
    }
    Require(written.size() == source.size(), "a write-back does not change the file's size");
    const std::vector<bool> mine = TeamOffsets(edition, teamIndex, source.size());
    for (qsizetype i = 0; i < source.size(); ++i) {
        if (!mine[static_cast<std::size_t>(i)] && source[i] != written[i])
            Violation("a write-back changes only the shown team's records and colours", FirstDifference(source, written));
    }
    if (!edited) {
        Require(written == source, "writing back an unedited team changes no byte", [&] { return FirstDifference(source, written); });
        return 0;
    }
    if (!AllAccepted(team))
        return 0;

    // Open what was saved and save it again: nothing may move.
    ShownTeam reopened;
    reopened.state = team.state;
    const TeamFillReport refilled = FillTeam(reopened, image);
    Require(refilled.readProblems.isEmpty(), "a saved team can be read again", [&] { return refilled.readProblems.join(u'\n'); });
    RomImage again = image;
    const WriteBackResult rewritten = WriteBackTeam(reopened, again);
    Require(rewritten.ok(), "a reopened team can be written back", [&] { return rewritten.error; });
    const QByteArray twice = again.bytes();
    Require(twice == written, "saving a reopened team again changes no byte", [&] { return FirstDifference(written, twice); });
    return 0;
}

} // namespace quindaro2::fuzz
