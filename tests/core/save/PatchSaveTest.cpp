#include "core/patch/Patch.h"
#include "core/roster/GridFill.h"
#include "core/save/PatchSave.h"
#include "core/save/SaveRom.h"
#include "support/PlausibleRom.h"

#include <gtest/gtest.h>

namespace quindaro2 {
namespace {

using test::FileExists;
using test::ReadFile;
using test::RomFolder;

class PatchSaveTest : public ::testing::TestWithParam<const char*> {};

// The patch leads from the file on disk to what a Save of the shown team
// would write there, and the ROM keeps its bytes.
TEST_P(PatchSaveTest, LeadsFromTheFileToWhatASaveWouldWrite)
{
    RomFolder folder;
    test::SyntheticRom rom;
    test::FillPlausibleRoster(rom, 1991, 3);
    const QString path = folder.write(QStringLiteral("game.nes"), rom);
    ShownTeam team;
    team.state.RomPath = path;
    team.state.Edition = 1991;
    team.state.TeamIndex = 5;
    ASSERT_TRUE(FillTeamFromFile(team).readProblems.isEmpty());
    team.BatterGrid.setCell(3, 2, QStringLiteral("300"));
    team.state.HelmetColorCode = 0x21;

    const QString patchPath = folder.path(QStringLiteral("update.") + QString::fromUtf8(GetParam()));
    const Status written = SaveShownTeamAsPatch(team, patchPath);
    ASSERT_TRUE(written.ok()) << written.reason().toStdString();
    EXPECT_EQ(ReadFile(path), rom.bytes());

    const QString saved = folder.path(QStringLiteral("saved.nes"));
    ASSERT_TRUE(SaveShownTeam(team, saved).ok());
    const Result<AppliedPatch> applied = ApplyPatch(rom.bytes(), ReadFile(patchPath));
    ASSERT_TRUE(applied.ok()) << applied.reason().toStdString();
    EXPECT_EQ(applied->target, ReadFile(saved));
}

INSTANTIATE_TEST_SUITE_P(Formats, PatchSaveTest, ::testing::Values("ips", "bps", "BPS"));

TEST(PatchSave, RefusesAnUnknownFormatAndTheRomItself)
{
    RomFolder folder;
    const QString path = folder.write(QStringLiteral("game.nes"), test::SyntheticRom());
    ShownTeam team;
    team.state.RomPath = path;
    team.state.Edition = 1986;
    (void)FillTeamFromFile(team);
    EXPECT_FALSE(SaveShownTeamAsPatch(team, folder.path(QStringLiteral("update.txt"))).ok());
    EXPECT_FALSE(FileExists(folder.path(QStringLiteral("update.txt"))));
    const QString link = folder.path(QStringLiteral("game.ips"));
    ASSERT_TRUE(QFile::link(path, link));
    EXPECT_FALSE(SaveShownTeamAsPatch(team, link).ok());
    EXPECT_EQ(ReadFile(path), test::SyntheticRom().bytes());
}

} // namespace
} // namespace quindaro2
