#include "core/roster/GridFill.h"
#include "core/save/SaveRom.h"
#include "support/PlausibleRom.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <unistd.h>

namespace quindaro2 {
namespace {

using test::ReadFile;
using test::RomFolder;
using test::SyntheticRom;

SyntheticRom Roster(int edition, unsigned seed = 1)
{
    SyntheticRom rom;
    test::FillPlausibleRoster(rom, edition, seed);
    return rom;
}

// The editor right after opening `path`.
ShownTeam Opened(const QString& path, int edition, int team)
{
    ShownTeam shown;
    shown.state.RomPath = path;
    shown.state.SaveTarget = path;
    shown.state.Edition = edition;
    shown.state.TeamIndex = team;
    (void)FillTeamFromFile(shown);
    return shown;
}

void SwitchTeam(ShownTeam& shown, int team)
{
    shown.state.TeamIndex = team;
    shown.state.DataChanged = false;
    (void)FillTeamFromFile(shown);
}

TEST(SaveShownTeam, IntoTheOpenedFileWritesInPlace)
{
    RomFolder folder;
    const SyntheticRom rom = Roster(1993);
    const QString path = folder.write(QStringLiteral("game.nes"), rom);
    ShownTeam shown = Opened(path, 1993, 4);
    shown.BatterGrid.setCell(9, 1, QStringLiteral("7"));
    shown.state.DataChanged = true;
    ASSERT_TRUE(SaveShownTeam(shown, path).ok());
    QByteArray expected = rom.bytes();
    expected[*RecordOffset(RecordKind::Batter, 1993, 4, 0, 0) + 17] = 7;
    EXPECT_EQ(ReadFile(path), expected);
    EXPECT_TRUE(shown.state.DataChanged) << "a Save leaves the flag as it was";
    EXPECT_EQ(shown.state.SaveTarget, path);
}

// A Save into another file works like "Save As": the target becomes a copy of
// the opened ROM with the team written, and from then on it is the opened ROM.
TEST(SaveShownTeam, IntoAnotherFileMakesItTheOpenedRom)
{
    RomFolder folder;
    const SyntheticRom rom = Roster(1988);
    const QString original = folder.write(QStringLiteral("game.nes"), rom);
    const QString copy = folder.path(QStringLiteral("新しい ロム.nes"));
    ShownTeam shown = Opened(original, 1988, 2);
    shown.BatterGrid.setCell(7, 1, QStringLiteral("45"));
    ASSERT_TRUE(SaveShownTeam(shown, copy).ok());
    EXPECT_EQ(ReadFile(original), rom.bytes());
    QByteArray expected = rom.bytes();
    expected[*RecordOffset(RecordKind::Batter, 1988, 2, 0, 0) + 8] = 45;
    EXPECT_EQ(ReadFile(copy), expected);
    EXPECT_EQ(shown.state.RomPath, copy);
    EXPECT_EQ(shown.state.SaveTarget, copy);

    // Saved rows are not lost to a later Save: team 5 goes into the same copy,
    // and switching back to team 2 shows what was saved.
    SwitchTeam(shown, 5);
    shown.PitcherGrid.setCell(10, 1, QStringLiteral("12"));
    ASSERT_TRUE(SaveShownTeam(shown, copy).ok());
    expected[*RecordOffset(RecordKind::Pitcher, 1988, 5, 0, 0) + 13] = 12;
    EXPECT_EQ(ReadFile(copy), expected);
    SwitchTeam(shown, 2);
    EXPECT_EQ(shown.BatterGrid.cell(7, 1), QStringLiteral("45"));
    EXPECT_EQ(ReadFile(original), rom.bytes());
}

TEST(SaveShownTeam, ThroughALinkWritesTheLinkedFile)
{
    RomFolder folder;
    const SyntheticRom rom = Roster(1990);
    const QString path = folder.write(QStringLiteral("game.nes"), rom);
    const QString link = folder.path(QStringLiteral("link.nes"));
    ASSERT_TRUE(QFile::link(path, link));
    ShownTeam shown = Opened(path, 1990, 0);
    shown.state.HelmetColorCode = 0x11;
    ASSERT_TRUE(SaveShownTeam(shown, link).ok());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(ReadFile(path).at(0x18010), 0x11);
}

// Whatever fails, every file keeps its previous bytes.
class SaveFailureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        source = folder.write(QStringLiteral("game.nes"), rom);
        target = folder.write(QStringLiteral("target.nes"), Roster(1991, 9));
        targetBefore = ReadFile(target);
        shown = Opened(source, 1991, 1);
        shown.BatterGrid.setCell(3, 1, QStringLiteral("300"));
    }

    void ExpectNothingChanged(const SaveResult& result)
    {
        EXPECT_FALSE(result.ok());
        EXPECT_FALSE(result.error.isEmpty());
        EXPECT_EQ(ReadFile(source), rom.bytes());
        EXPECT_EQ(ReadFile(target), targetBefore);
        EXPECT_EQ(shown.state.RomPath, source);
    }

    RomFolder folder;
    SyntheticRom rom = Roster(1991, 3);
    QString source;
    QString target;
    QByteArray targetBefore;
    ShownTeam shown;
};

TEST_F(SaveFailureTest, TheOpenedRomHasVanished)
{
    QFile::remove(source);
    const SaveResult result = SaveShownTeam(shown, target);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(ReadFile(target), targetBefore);
}

TEST_F(SaveFailureTest, TheTargetsFolderDoesNotExist)
{
    const QString nowhere = folder.path(QStringLiteral("missing/out.nes"));
    ExpectNothingChanged(SaveShownTeam(shown, nowhere));
    EXPECT_FALSE(test::FileExists(nowhere));
}

TEST_F(SaveFailureTest, TheTargetsFolderIsReadOnly)
{
    ASSERT_TRUE(QFile::setPermissions(folder.path(QString()), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    if (geteuid() == 0) {
        QFile::setPermissions(folder.path(QString()), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        GTEST_SKIP() << "root may write into a read-only folder";
    }
    const SaveResult result = SaveShownTeam(shown, target);
    QFile::setPermissions(folder.path(QString()), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ExpectNothingChanged(result);
}

TEST_F(SaveFailureTest, TheTargetIsAFolder)
{
    const QString dir = folder.path(QStringLiteral("a folder"));
    ASSERT_TRUE(QDir().mkpath(dir));
    ExpectNothingChanged(SaveShownTeam(shown, dir));
}

TEST_F(SaveFailureTest, TheConversionOfA1991PositionFails)
{
    shown.BatterGrid.setCell(6, 5, QString());
    const SaveResult result = SaveShownTeam(shown, target);
    ExpectNothingChanged(result);
    EXPECT_EQ(result.error, QStringLiteral("'' は数値ではありません"));
}

TEST_F(SaveFailureTest, AWriteFailsMidwayThroughTheRecords)
{
    const auto failing = [](const ShownTeam&, RomImage& image) {
        WriteBackResult partial;
        for (int slot = 0; slot < 5; ++slot) {
            Record record = image.record(RecordKind::Batter, 1991, 1, slot).record;
            record[1] = 0;
            if (image.setRecord(RecordKind::Batter, 1991, 1, slot, record))
                ++partial.battersWritten;
        }
        partial.error = QStringLiteral("disk full");
        return partial;
    };
    const SaveResult result = SaveShownTeam(shown, target, {}, failing);
    ExpectNothingChanged(result);
    EXPECT_EQ(result.error, QStringLiteral("disk full"));
    ExpectNothingChanged(SaveShownTeam(shown, source, {}, failing));
}

TEST_F(SaveFailureTest, ARecordOfTheOpenedRomIsCutShort)
{
    QFile file(source);
    ASSERT_TRUE(file.resize(*RecordOffset(RecordKind::Pitcher, 1991, 1, 2, 0) + 3));
    const QByteArray cut = ReadFile(source);
    const SaveResult result = SaveShownTeam(shown, source);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(ReadFile(source), cut);
}

// Another program wrote the file after the team was read: its bytes of other
// teams stay; its bytes of the shown team are overwritten only when the user
// says so.
TEST(SaveShownTeam, WhatAnotherProgramWroteMeanwhile)
{
    RomFolder folder;
    const SyntheticRom rom = Roster(1993);
    const QString path = folder.write(QStringLiteral("game.nes"), rom);
    const qint64 otherTeam = *RecordOffset(RecordKind::Batter, 1993, 7, 0, 0) + 17;
    const qint64 shownTeam = *RecordOffset(RecordKind::Pitcher, 1993, 4, 1, 0) + 17;
    for (const bool sameTeam : {false, true}) {
        for (const bool overwrite : {false, true}) {
            folder.write(QStringLiteral("game.nes"), rom);
            ShownTeam shown = Opened(path, 1993, 4);
            shown.BatterGrid.setCell(9, 1, QStringLiteral("7"));
            QByteArray meanwhile = rom.bytes();
            meanwhile[sameTeam ? shownTeam : otherTeam] = 99;
            folder.write(QStringLiteral("game.nes"), meanwhile);

            int asked = 0;
            const SaveResult saved = SaveShownTeam(shown, path, [&] {
                ++asked;
                return overwrite;
            });
            EXPECT_EQ(asked, sameTeam ? 1 : 0);
            const bool written = !sameTeam || overwrite;
            EXPECT_EQ(saved.ok(), written);
            EXPECT_EQ(saved.declined, !written);
            EXPECT_TRUE(saved.error.isEmpty());
            QByteArray expected = meanwhile;
            if (written) {
                expected[*RecordOffset(RecordKind::Batter, 1993, 4, 0, 0) + 17] = 7;
                if (sameTeam)
                    expected[shownTeam] = rom.bytes()[shownTeam];
            }
            EXPECT_EQ(ReadFile(path), expected) << "same team " << sameTeam << " overwrite " << overwrite;
        }
    }
}

TEST(SaveShownTeam, NothingOpenedNothingSaved)
{
    RomFolder folder;
    ShownTeam shown;
    const QString target = folder.path(QStringLiteral("out.nes"));
    EXPECT_FALSE(SaveShownTeam(shown, target).ok());
    EXPECT_FALSE(test::FileExists(target));
}

} // namespace
} // namespace quindaro2
