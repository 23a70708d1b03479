#include "core/sample/DemoRom.h"
#include "core/edit/NameProblem.h"
#include "core/edition/Edition.h"
#include "core/roster/CellText.h"
#include "core/edition/ColumnTable.h"
#include "core/roster/GridFill.h"
#include "core/edit/CellEdit.h"
#include "support/SyntheticRom.h"

#include <gtest/gtest.h>

#include <QSet>

namespace quindaro2 {
namespace {

using test::ReadFile;
using test::RomFolder;

// The palette cells the colour picker refuses.
const QSet<int> kCrossedColors{0x0D, 0x0E, 0x1D, 0x1E, 0x1F, 0x2E, 0x2F, 0x3E, 0x3F};

class DemoRomTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        image = DemoRomImage(GetParam());
        path = folder.write(QStringLiteral("demo.nes"), image);
    }

    TeamView Open(int team) const { return FillTeam(test::Profile(GetParam()), RomImage(image), team); }

    RomFolder folder;
    QByteArray image;
    QString path;
};

TEST_P(DemoRomTest, IsAnNesImageWithoutTrainer)
{
    ASSERT_EQ(image.size(), 0x40010);
    EXPECT_EQ(image.left(4), QByteArray("NES\x1A", 4));
    EXPECT_EQ(image[6] & 0x04, 0);
    EXPECT_EQ(image, DemoRomImage(GetParam()));
}

// Every team opens without a warning, and every cell holds what its edit
// dialog would accept: names the edition stores, offered choices, numbers in range.
TEST_P(DemoRomTest, EveryTeamOpensWithValuesTheDialogsAccept)
{
    const int edition = GetParam();
    for (int team = 0; team < TeamCount(edition); ++team) {
        SCOPED_TRACE(team);
        const TeamView shown = Open(team);
        EXPECT_TRUE(shown.warnings.isEmpty()) << shown.warnings.join(u' ').toStdString();
        EXPECT_TRUE(shown.readProblems.isEmpty()) << shown.readProblems.join(u' ').toStdString();

        QSet<QString> names;
        for (const RecordKind kind : {RecordKind::Batter, RecordKind::Pitcher, RecordKind::Manager}) {
            const TextGrid& grid = shown.grid(kind);
            const std::span<const ColumnDescriptor> columns = Columns(kind, edition);
            EXPECT_EQ(grid.rowCount(), RecordsPerTeam(kind, edition).value_or(-1) + 1);
            for (int row = 1; row < grid.rowCount(); ++row) {
                for (int column = 1; column < grid.columnCount(); ++column) {
                    const ColumnDescriptor& descriptor = columns[static_cast<std::size_t>(column - 1)];
                    const QString& text = grid.cell(column, row);
                    if (descriptor.isName()) {
                        EXPECT_TRUE(NameProblem(edition, text).isEmpty()) << text.toStdString();
                        EXPECT_GE(QString(text).remove(u'　').size(), 2) << text.toStdString();
                        EXPECT_FALSE(names.contains(text)) << text.toStdString();
                        names.insert(text);
                    } else if (descriptor.choices) {
                        EXPECT_TRUE(descriptor.choices->OfferedTexts().contains(text)) << text.toStdString();
                    } else {
                        const std::optional<int> value = StrictInteger(text);
                        ASSERT_TRUE(value) << text.toStdString();
                        EXPECT_TRUE(descriptor.range->contains(*value))
                            << descriptor.header.toStdString() << ' ' << *value;
                    }
                }
            }
        }
        if (test::Profile(edition).managers) {
            EXPECT_EQ(shown.VisorGrid.cell(2, 1), QStringLiteral("11"));
        }
        for (const int color : {shown.HelmetColorCode, shown.UniformColorCode}) {
            EXPECT_LT(color, 64);
            EXPECT_FALSE(kCrossedColors.contains(color)) << color;
        }
    }
}

// The image holds values exactly as an edit stores them: entering any cell's
// own text again changes no byte, so an edit changes only its own cell.
TEST_P(DemoRomTest, EnteringACellsOwnTextChangesNoByte)
{
    const int edition = GetParam();
    const RomDocument document(path, test::Profile(edition), RomImage(image));
    for (int team = 0; team < TeamCount(edition); ++team) {
        const TeamView shown = Open(team);
        for (const RecordKind kind : {RecordKind::Batter, RecordKind::Pitcher, RecordKind::Manager}) {
            const TextGrid& grid = shown.grid(kind);
            for (int row = 1; row < grid.rowCount(); ++row) {
                for (int column = 1; column < grid.columnCount(); ++column) {
                    const Result<Change> change = EditCell(document, team, kind, column, row, grid.cell(column, row));
                    ASSERT_TRUE(change) << team << ' ' << row << ' ' << column << change.reason().toStdString();
                    for (const ByteRun& run : change->runs)
                        EXPECT_EQ(run.after, run.before) << team << ' ' << row << ' ' << column;
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryEdition, DemoRomTest, ::testing::Range(kFirstEdition, kLastEdition + 1));

class DemoFillTest : public ::testing::TestWithParam<int> {};

// Random bytes around the rosters and a trainer change where the data lies,
// never what the editor reads from it.
TEST_P(DemoFillTest, RandomBytesAndATrainerKeepEveryTeamReadable)
{
    const int edition = GetParam();
    for (const DemoFill fill : {DemoFill{3, true, false}, DemoFill{0, false, true}, DemoFill{4, true, true}}) {
        SCOPED_TRACE(testing::Message() << "seed " << fill.seed << (fill.trainer ? " with trainer" : ""));
        const QByteArray bytes = DemoRomImage(edition, fill);
        EXPECT_EQ(bytes, DemoRomImage(edition, fill));
        EXPECT_EQ(bytes.size(), fill.trainer ? 0x40210 : 0x40010);
        EXPECT_EQ(bytes.left(4), QByteArray("NES\x1A", 4));
        const RomImage image(bytes);
        EXPECT_EQ(image.trainer(), fill.trainer ? 1 : 0);
        const qint64 zeros = bytes.count('\0');
        EXPECT_EQ(zeros > bytes.size() / 2, !fill.randomFiller) << zeros;
        for (int team = 0; team < TeamCount(edition); ++team) {
            const TeamView shown = FillTeam(test::Profile(edition), image, team);
            EXPECT_TRUE(shown.warnings.isEmpty()) << team << shown.warnings.join(u' ').toStdString();
            EXPECT_TRUE(shown.readProblems.isEmpty()) << team << shown.readProblems.join(u' ').toStdString();
            EXPECT_LT(shown.HelmetColorCode, 64);
            EXPECT_LT(shown.UniformColorCode, 64);
        }
    }
    EXPECT_NE(DemoRomImage(edition, {1, true, false}), DemoRomImage(edition, {2, true, false}));
}

INSTANTIATE_TEST_SUITE_P(EveryEdition, DemoFillTest, ::testing::Range(kFirstEdition, kLastEdition + 1));

TEST(DemoRom, EditionsDiffer)
{
    EXPECT_NE(DemoRomImage(1990), DemoRomImage(1991));
    EXPECT_NE(DemoRomImage(1993), DemoRomImage(1994));
}

TEST(DemoRom, NeverReplacesAFile)
{
    RomFolder folder;
    const QString existing = folder.write(QStringLiteral("game.nes"), QByteArray("mine"));
    const Status refused = WriteDemoRom(existing, 1986);
    EXPECT_FALSE(refused.ok());
    EXPECT_TRUE(refused.reason().contains(existing));
    EXPECT_EQ(ReadFile(existing), QByteArray("mine"));

    const QString fresh = folder.path(QStringLiteral("demo.nes"));
    ASSERT_TRUE(WriteDemoRom(fresh, 1986).ok());
    EXPECT_EQ(ReadFile(fresh), DemoRomImage(1986));

    const QString nowhere = folder.path(QStringLiteral("missing/demo.nes"));
    const Status failed = WriteDemoRom(nowhere, 1986);
    EXPECT_FALSE(failed.ok());
    EXPECT_TRUE(failed.reason().contains(nowhere));
}

} // namespace
} // namespace quindaro2
