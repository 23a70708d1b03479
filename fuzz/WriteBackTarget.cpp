#include "FuzzSupport.h"
#include "FuzzTargets.h"

#include "core/document/RomDocument.h"
#include "core/edit/CellEdit.h"
#include "core/edition/ColumnTable.h"
#include "core/edition/Edition.h"
#include "core/edition/EditionProfile.h"
#include "core/rom/NameCodec.h"
#include "core/roster/GridFill.h"
#include "core/sample/DemoRom.h"

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

// A cell text as a user, a paste or a damaged file could give it.
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

// The bytes an edit of the team may change: its records and its colours.
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

// Arbitrary edits, row moves and colours of a plausible team through the
// document: a refused one changes nothing, an accepted one only the team's
// bytes, a cell then shows what its bytes read as and entering that text
// again changes nothing, and undo and redo walk the same bytes back and forth.
int FuzzWriteBack(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const int edition = kFirstEdition + input.byte() % kEditionCount;
    const EditionProfile& profile = *FindProfile(edition);
    const int teamIndex = input.byte() % profile.teamCount();

    const QByteArray source = PlausibleRom(edition);
    RomDocument document(QStringLiteral("fuzz.nes"), profile, RomImage(source));
    const TeamView filled = FillTeam(profile, document.image(), teamIndex);
    Require(filled.readProblems.isEmpty() && filled.warnings.isEmpty(), "a plausible team fills without a problem",
            [&] { return filled.readProblems.join(u'\n') + filled.warnings.join(u'\n'); });
    const std::vector<bool> mine = TeamOffsets(edition, teamIndex, source.size());

    std::vector<QByteArray> states{source};
    for (int count = 0; count < 24 && !input.empty(); ++count) {
        const RecordKind grid = kGrids[input.byte() % kGrids.size()];
        const int rows = profile.slots(grid) + 2;
        const int columns = static_cast<int>(profile.columns(grid).size()) + 2;
        Result<Change> change = Result<Change>::Failed(QString());
        switch (input.byte() % 4) {
        case 0: change = MoveRow(document, teamIndex, grid, input.byte() % rows, input.byte() % rows); break;
        case 1:
            change = SetTeamColor(document, teamIndex, input.byte() % 2 ? TeamColor::Helmet : TeamColor::Uniform,
                                  static_cast<std::int8_t>(input.byte()));
            break;
        default: {
            const int column = input.byte() % columns;
            const int row = input.byte() % rows;
            change = EditCell(document, teamIndex, grid, column, row, TextFor(input, grid, edition, column));
        }
        }
        if (!change) {
            Require(document.image().bytes() == states.back(), "a refused edit changes nothing");
            continue;
        }
        Require(document.apply({QString(), {change.value()}}).ok(), "an accepted edit fits the bytes it was made for");
        const QByteArray written = document.image().bytes();
        Require(written.size() == source.size(), "an edit does not change the file's size");
        for (qsizetype i = 0; i < source.size(); ++i) {
            if (!mine[static_cast<std::size_t>(i)] && states.back()[i] != written[i])
                Violation("an edit changes only its team's records and colours", FirstDifference(states.back(), written));
        }
        if (const auto* cell = std::get_if<CellChange>(&change->subject)) {
            const QString shown = FillTeam(profile, document.image(), teamIndex).grid(cell->grid).cell(cell->column, cell->row);
            const Result<Change> again = EditCell(document, teamIndex, cell->grid, cell->column, cell->row, shown);
            Require(again.ok(), "the text a cell shows after an edit can be entered", [&] { return again.reason(); });
            for (const ByteRun& run : again->runs)
                Require(run.after == run.before, "entering the text a cell shows changes no byte",
                        [&] { return QStringLiteral("cell (%1, %2) '%3'").arg(cell->column).arg(cell->row).arg(shown); });
        }
        states.push_back(written);
    }
    Require(document.modified() == (states.size() > 1), "the document is modified exactly when an edit was made");
    for (std::size_t i = states.size() - 1; i > 0; --i) {
        Require(document.undo().ok(), "an undo fits the bytes it was made for");
        Require(document.image().bytes() == states[i - 1], "an undo gives back the bytes before the edit",
                [&] { return FirstDifference(states[i - 1], document.image().bytes()); });
    }
    Require(!document.modified(), "undoing every edit is back at the saved point");
    for (std::size_t i = 1; i < states.size(); ++i) {
        Require(document.redo().ok(), "a redo fits the bytes it was made for");
        Require(document.image().bytes() == states[i], "a redo gives back the bytes after the edit");
    }
    return 0;
}

} // namespace quindaro2::fuzz
