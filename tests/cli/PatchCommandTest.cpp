#include "core/sample/DemoRom.h"
#include "core/edition/ColumnTable.h"
#include "core/edition/Edition.h"
#include "core/edition/EditionProfile.h"
#include "core/file/RomFile.h"
#include "core/roster/GridFill.h"
#include "support/PlausibleRom.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <random>

namespace quindaro2 {
namespace {

using test::FileExists;
using test::ReadFile;
using test::RomFolder;

struct PatchCase {
    int edition;
    bool trainer;
    const char* extension;
};

std::ostream& operator<<(std::ostream& out, const PatchCase& c)
{
    return out << c.edition << (c.trainer ? " trainer " : " ") << c.extension;
}

// A value the cell's dialog would accept: a number of its range, an offered
// list text, or a name of the edition's characters.
QString AcceptedValue(RecordKind grid, int edition, const ColumnDescriptor& column, std::mt19937& random)
{
    if (column.isName())
        return test::PlausibleName(edition, random).left(3);
    if (column.choices) {
        const QStringList offered = column.choices->OfferedTexts();
        return offered[static_cast<qsizetype>(random() % static_cast<unsigned>(offered.size()))];
    }
    const ValueRange range = *column.range;
    Q_UNUSED(grid);
    return QString::number(range.minimum + static_cast<int>(random() % static_cast<unsigned>(range.maximum - range.minimum + 1)));
}

class SetPatchTest : public ::testing::TestWithParam<PatchCase> {};

// The patch that `set --patch` writes, applied to the original, gives exactly
// the ROM that `set --output` writes; the ROM itself never changes.
TEST_P(SetPatchTest, AppliedGivesWhatSetOutputGives)
{
    const PatchCase& c = GetParam();
    std::mt19937 random(static_cast<unsigned>(c.edition * 2 + c.trainer));
    test::SyntheticRom rom;
    rom.withTrainer(c.trainer);
    test::FillPlausibleRoster(rom, c.edition, random());
    RomFolder folder;
    const QString original = folder.write(QStringLiteral("rom.nes"), rom);
    for (int round = 0; round < 3; ++round) {
        const RecordKind grid = round == 2 && FindProfile(c.edition)->managers ? RecordKind::Manager : round == 1 ? RecordKind::Pitcher : RecordKind::Batter;
        const std::span<const ColumnDescriptor> columns = Columns(grid, c.edition);
        const int column = 1 + static_cast<int>(random() % columns.size());
        const int row = 1 + static_cast<int>(random() % static_cast<unsigned>(*RecordsPerTeam(grid, c.edition)));
        const int team = static_cast<int>(random() % static_cast<unsigned>(TeamCount(c.edition)));
        const QString value = AcceptedValue(grid, c.edition, columns[static_cast<std::size_t>(column - 1)], random);
        const QStringList set{QStringLiteral("set"), QStringLiteral("--edition"), QString::number(c.edition),
                              QStringLiteral("--team"), QString::number(team), QStringLiteral("--grid"),
                              grid == RecordKind::Batter ? QStringLiteral("batter")
                                                         : grid == RecordKind::Pitcher ? QStringLiteral("pitcher")
                                                                                       : QStringLiteral("manager"),
                              QStringLiteral("--row"), QString::number(row), QStringLiteral("--column"),
                              QString::number(column), value, original};
        const QString patch = folder.path(QStringLiteral("edit%1.%2").arg(round).arg(QString::fromUtf8(c.extension)));
        const QString saved = folder.path(QStringLiteral("saved%1.nes").arg(round));
        const QString patched = folder.path(QStringLiteral("patched%1.nes").arg(round));

        const Outcome made = RunTool(set + QStringList{QStringLiteral("--patch"), patch});
        if (made.code == 2 && !test::FileExists(patch)) {
            // The cell held the value already: a patch that changes nothing is not written.
            const Result<RomImage> read = ReadRomFile(original);
            EXPECT_EQ(FillTeam(*FindProfile(c.edition), read.value(), team).grid(grid).cell(column, row), value);
            continue;
        }
        ASSERT_EQ(made.code, 0) << made.err.toStdString();
        ASSERT_EQ(RunTool(set + QStringList{QStringLiteral("--output"), saved}).code, 0);
        const Outcome applied = RunTool({QStringLiteral("patch"), QStringLiteral("apply"), original, patch, patched});
        ASSERT_EQ(applied.code, 0) << applied.err.toStdString();
        EXPECT_EQ(ReadFile(patched), ReadFile(saved)) << value.toStdString();
        EXPECT_EQ(ReadFile(original), rom.bytes());
    }
}

std::vector<PatchCase> AllCases()
{
    std::vector<PatchCase> cases;
    for (int edition = kFirstEdition; edition <= kLastEdition; ++edition) {
        for (const bool trainer : {false, true}) {
            cases.push_back({edition, trainer, "ips"});
            cases.push_back({edition, trainer, "bps"});
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Editions, SetPatchTest, ::testing::ValuesIn(AllCases()));

TEST(PatchCommand, CreateThenApplyGivesBackTheModifiedFile)
{
    RomFolder folder;
    QByteArray modified = DemoRomImage(1990);
    const QString original = folder.write(QStringLiteral("a.nes"), modified);
    modified[0x1234] = 0x55;
    modified.append(QByteArray(3000, '\x11'));
    const QString changed = folder.write(QStringLiteral("b.nes"), modified);
    for (const QString& kind : {QStringLiteral("ips"), QStringLiteral("bps")}) {
        const QString patch = folder.path(QStringLiteral("p.") + kind);
        const QString out = folder.path(QStringLiteral("out.") + kind + QStringLiteral(".nes"));
        ASSERT_EQ(RunTool({QStringLiteral("patch"), QStringLiteral("create"), original, changed, patch}).code, 0);
        const Outcome applied = RunTool({QStringLiteral("patch"), QStringLiteral("apply"), original, patch, out});
        ASSERT_EQ(applied.code, 0) << applied.err.toStdString();
        EXPECT_EQ(ReadFile(out), modified);
        // An IPS patch cannot be checked, and the tool says so.
        EXPECT_EQ(applied.err.contains(QStringLiteral("確かめられていません")), kind == QStringLiteral("ips"));
        EXPECT_TRUE(applied.out.isEmpty());
    }
}

struct RefusedPatch {
    const char* name;
    const char* extension;
    std::function<void(QByteArray& rom, QByteArray& patch)> spoil;
    const char* says;
};

std::ostream& operator<<(std::ostream& out, const RefusedPatch& c)
{
    return out << c.name;
}

class RefusedPatchTest : public ::testing::TestWithParam<RefusedPatch> {};

// A patch for another ROM, or a cut or corrupted one, is refused with exit 2
// and nothing is written.
TEST_P(RefusedPatchTest, WritesNothing)
{
    const RefusedPatch& c = GetParam();
    RomFolder folder;
    QByteArray rom = DemoRomImage(1993);
    QByteArray modified = rom;
    modified[0x6020] = static_cast<char>(modified[0x6020] ^ 0x01);
    const QString a = folder.write(QStringLiteral("a.nes"), rom);
    const QString b = folder.write(QStringLiteral("b.nes"), modified);
    const QString patchPath = folder.path(QStringLiteral("p.") + QString::fromUtf8(c.extension));
    ASSERT_EQ(RunTool({QStringLiteral("patch"), QStringLiteral("create"), a, b, patchPath}).code, 0);
    QByteArray patch = ReadFile(patchPath);
    c.spoil(rom, patch);
    folder.write(QStringLiteral("a.nes"), rom);
    folder.write(QStringLiteral("p.") + QString::fromUtf8(c.extension), patch);

    const QString out = folder.path(QStringLiteral("out.nes"));
    const Outcome applied = RunTool({QStringLiteral("patch"), QStringLiteral("apply"), a, patchPath, out});
    EXPECT_EQ(applied.code, 2);
    EXPECT_TRUE(applied.err.contains(QString::fromUtf8(c.says))) << applied.err.toStdString();
    EXPECT_FALSE(FileExists(out));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedPatchTest,
    ::testing::Values(
        RefusedPatch{"BpsForAnotherRom", "bps", [](QByteArray& rom, QByteArray&) { rom[0x100] = 0x7F; }, "別の ROM"},
        RefusedPatch{"CutBps", "bps", [](QByteArray&, QByteArray& patch) { patch.chop(5); }, "p.bps"},
        RefusedPatch{"CorruptedBps", "bps", [](QByteArray&, QByteArray& patch) { patch[6] = static_cast<char>(patch[6] ^ 0x40); },
                     "p.bps"},
        RefusedPatch{"CutIps", "ips", [](QByteArray&, QByteArray& patch) { patch.chop(4); }, "p.ips"},
        RefusedPatch{"NoPatch", "ips", [](QByteArray&, QByteArray& patch) { patch = "hello"; }, "p.ips"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PatchCommand, TheOutputIsNeverAnInputAndPatchExcludesOutput)
{
    RomFolder folder;
    const QByteArray image = DemoRomImage(1986);
    const QString rom = folder.write(QStringLiteral("rom.nes"), image);
    const QString patch = folder.path(QStringLiteral("p.ips"));
    // Two files that are the same make no patch.
    const Outcome same = RunTool({QStringLiteral("patch"), QStringLiteral("create"), rom, rom, patch});
    EXPECT_EQ(same.code, 2);
    EXPECT_FALSE(test::FileExists(patch));
    QByteArray other = image;
    other[0x20] = static_cast<char>(other[0x20] ^ 1);
    const QString changed = folder.write(QStringLiteral("changed.nes"), other);
    ASSERT_EQ(RunTool({QStringLiteral("patch"), QStringLiteral("create"), rom, changed, patch}).code, 0);
    EXPECT_EQ(RunTool({QStringLiteral("patch"), QStringLiteral("apply"), rom, patch, rom}).code, 2);
    EXPECT_EQ(RunTool({QStringLiteral("patch"), QStringLiteral("apply"), rom, patch, patch}).code, 2);
    EXPECT_EQ(RunTool({QStringLiteral("patch"), QStringLiteral("create"), rom, rom, folder.path(QStringLiteral("p.txt"))}).code, 2);
    const QStringList set{QStringLiteral("set"), QStringLiteral("--edition"), QStringLiteral("86"), QStringLiteral("--team"),
                          QStringLiteral("0"), QStringLiteral("--grid"), QStringLiteral("batter"), QStringLiteral("--row"),
                          QStringLiteral("1"), QStringLiteral("--column"), QStringLiteral("4"), QStringLiteral("5"), rom};
    EXPECT_EQ(RunTool(set + QStringList{QStringLiteral("--patch"), folder.path(QStringLiteral("q.bps")),
                                        QStringLiteral("--output"), folder.path(QStringLiteral("o.nes"))})
                  .code,
              2);
    EXPECT_EQ(RunTool(set + QStringList{QStringLiteral("--patch"), rom}).code, 2);
    EXPECT_EQ(ReadFile(rom), image);
    EXPECT_FALSE(FileExists(folder.path(QStringLiteral("q.bps"))));
}

} // namespace
} // namespace quindaro2
