#include "core/document/RomDocument.h"

#include "core/document/TeamAreas.h"
#include "core/edit/CellEdit.h"
#include "core/roster/GridFill.h"
#include "support/DocumentEdit.h"
#include "support/PlausibleRom.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

namespace quindaro2 {
namespace {

using test::Edit;

QByteArray Plausible(int edition)
{
    test::SyntheticRom rom;
    test::FillPlausibleRoster(rom, edition, 3);
    return rom.bytes();
}

QString Cell(const RomDocument& document, int team, RecordKind grid, int column, int row)
{
    return FillTeam(document.profile(), document.image(), team).grid(grid).cell(column, row);
}

// What the editor shows after an edit is what the bytes hold: a value the
// record cannot keep as entered reads as it is stored, and so do the figures.
TEST(RomDocument, AnEditShowsWhatItsBytesReadAs)
{
    RomDocument document(QStringLiteral("rom.nes"), test::Profile(1993), RomImage(Plausible(1993)));
    Edit(document, 13, RecordKind::Batter, 3, 2, QStringLiteral("327"));
    EXPECT_EQ(Cell(document, 13, RecordKind::Batter, 3, 2), QStringLiteral("326"));
    const Result<Change> change = EditCell(document, 13, RecordKind::Batter, 3, 2, QStringLiteral("327"));
    EXPECT_EQ(StoredNote(document.profile(), change.value()), QStringLiteral("打率 327 は 326 として記録されます"));
    const Result<Change> kept = EditCell(document, 13, RecordKind::Batter, 3, 2, QStringLiteral("328"));
    EXPECT_EQ(StoredNote(document.profile(), kept.value()), QString());
    // A short name reads padded to the edition's length, which is no difference.
    const Result<Change> name = EditCell(document, 13, RecordKind::Batter, 1, 2, QStringLiteral("みなみ"));
    EXPECT_EQ(StoredNote(document.profile(), name.value()), QString());
    Edit(document, 13, RecordKind::Pitcher, 3, 1, QStringLiteral("195"));
    EXPECT_EQ(Cell(document, 13, RecordKind::Pitcher, 3, 1), QStringLiteral("190"));
}

// The history: undo and redo walk the same bytes back and forth, "modified"
// is "not at the saved point", and a new step drops the steps undone.
TEST(RomDocument, TheHistoryKeepsTheSavedPoint)
{
    const QByteArray bytes = Plausible(1988);
    RomDocument document(QStringLiteral("rom.nes"), test::Profile(1988), RomImage(bytes));
    QSignalSpy modified(&document, &RomDocument::modifiedChanged);
    EXPECT_FALSE(document.modified());
    Edit(document, 2, RecordKind::Batter, 4, 1, QStringLiteral("20"));
    const QByteArray once = document.image().bytes();
    Edit(document, 2, RecordKind::Pitcher, 4, 1, QStringLiteral("100"));
    const QByteArray twice = document.image().bytes();
    EXPECT_TRUE(document.modified());
    EXPECT_EQ(document.changedTeams(), std::vector<int>{2});

    ASSERT_TRUE(document.undo());
    EXPECT_EQ(document.image().bytes(), once);
    ASSERT_TRUE(document.undo());
    EXPECT_EQ(document.image().bytes(), bytes);
    EXPECT_FALSE(document.modified());
    EXPECT_TRUE(document.changedTeams().empty());
    ASSERT_TRUE(document.redo());
    ASSERT_TRUE(document.redo());
    EXPECT_EQ(document.image().bytes(), twice);
    EXPECT_EQ(document.history().nextRedo(), nullptr);

    document.markSaved(QStringLiteral("rom.nes"), document.image());
    EXPECT_FALSE(document.modified());
    ASSERT_TRUE(document.undo());
    EXPECT_TRUE(document.modified());
    // A new step drops the one undone, and with it the saved point.
    Edit(document, 5, RecordKind::Batter, 4, 1, QStringLiteral("21"));
    ASSERT_TRUE(document.undo());
    EXPECT_TRUE(document.modified()) << "the saved bytes were dropped with the redo";
    EXPECT_EQ(document.image().bytes(), once);
    EXPECT_EQ(modified.count(), 5);
}

TEST(RomDocument, RevertAndForgetingTheHistory)
{
    const QByteArray bytes = Plausible(1994);
    RomDocument document(QStringLiteral("rom.nes"), test::Profile(1994), RomImage(bytes));
    Edit(document, 15, RecordKind::Manager, 3, 1, QStringLiteral("77"));
    document.forgetHistory();
    EXPECT_TRUE(document.modified()) << "the bytes are still not the file's";
    EXPECT_EQ(document.history().nextUndo(), nullptr);
    document.revertToFile();
    EXPECT_FALSE(document.modified());
    EXPECT_EQ(document.image().bytes(), bytes);
    Edit(document, 15, RecordKind::Manager, 3, 1, QStringLiteral("77"));
    ASSERT_TRUE(document.undo());
    document.forgetHistory();
    EXPECT_FALSE(document.modified()) << "back at the file's bytes when the history was emptied";
}

// A step that does not fit the bytes as they are (they changed under it)
// is refused as a whole, leaving every byte as it was.
TEST(RomDocument, AStepThatDoesNotFitChangesNothing)
{
    const QByteArray bytes = Plausible(1990);
    RomDocument document(QStringLiteral("rom.nes"), test::Profile(1990), RomImage(bytes));
    const Change first = EditCell(document, 0, RecordKind::Batter, 4, 1, QStringLiteral("20")).value();
    const Change second = EditCell(document, 1, RecordKind::Batter, 4, 1, QStringLiteral("20")).value();
    Change stale = first;
    stale.runs.front().before[3] = static_cast<char>(stale.runs.front().before[3] ^ 0x55);
    EXPECT_FALSE(document.apply({QStringLiteral("two"), {second, stale}}));
    EXPECT_EQ(document.image().bytes(), bytes);
    EXPECT_FALSE(document.modified());
    ASSERT_TRUE(document.apply({QStringLiteral("two"), {second, first}}));
    EXPECT_EQ(document.changedTeams(), (std::vector<int>{0, 1}));
}

// A save that met another program's bytes takes them in; an undo of a step
// whose bytes were replaced so is refused instead of writing over them.
TEST(RomDocument, ASaveTakesInTheFilesBytes)
{
    const QByteArray bytes = Plausible(1991);
    RomDocument document(QStringLiteral("rom.nes"), test::Profile(1991), RomImage(bytes));
    QSignalSpy teams(&document, &RomDocument::teamsChanged);
    Edit(document, 3, RecordKind::Batter, 4, 2, QStringLiteral("30"));
    QByteArray written = document.image().bytes();
    const qint64 place = *document.profile().recordOffset(RecordKind::Batter, 3, 1, 0) + 10;
    written[place] = static_cast<char>(written[place] ^ 0x0F);
    document.markSaved(QStringLiteral("copy.nes"), RomImage(written));
    EXPECT_EQ(document.path(), QStringLiteral("copy.nes"));
    EXPECT_EQ(document.image().bytes(), written);
    EXPECT_FALSE(document.modified());
    EXPECT_EQ(teams.count(), 2);
    EXPECT_FALSE(document.undo());
    EXPECT_EQ(document.image().bytes(), written);
}

// Only a team's records and colour bytes are its own: the byte between the
// two colours of 1986 and the next team's first record are not.
TEST(TeamAreas, DifferencesAreFoundInTheTeamsOwnBytesOnly)
{
    const EditionProfile& profile = test::Profile(1986);
    const RomImage before(Plausible(1986));
    const auto differing = [&](qint64 offset) {
        QByteArray bytes = before.bytes();
        bytes[offset] = static_cast<char>(bytes[offset] ^ 0x01);
        return DifferingRuns(profile, before, RomImage(bytes), 2);
    };
    EXPECT_TRUE(differing(0x9E76 + 4 * 2 + 1).empty());
    EXPECT_EQ(differing(0x9E76 + 4 * 2).size(), 1u);
    EXPECT_EQ(differing(0x9E78 + 4 * 2).size(), 1u);
    EXPECT_TRUE(differing(0x10 + 256 * 3).empty());
    const std::vector<ByteRun> last = differing(0x10 + 256 * 3 - 1);
    ASSERT_EQ(last.size(), 1u);
    EXPECT_EQ(last.front().offset, 0x10 + 256 * 3 - 1);
}

} // namespace
} // namespace quindaro2
