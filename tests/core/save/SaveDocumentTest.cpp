#include "core/patch/Patch.h"
#include "core/roster/GridFill.h"
#include "core/save/SaveDocument.h"
#include "support/DocumentEdit.h"
#include "support/PlausibleRom.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <memory>

#include <unistd.h>

namespace quindaro2 {
namespace {

using test::Edit;
using test::FileExists;
using test::Profile;
using test::ReadFile;
using test::RomFolder;
using test::SyntheticRom;

SyntheticRom Roster(int edition, unsigned seed = 1)
{
    SyntheticRom rom;
    test::FillPlausibleRoster(rom, edition, seed);
    return rom;
}

// The document right after opening `path`.
std::unique_ptr<RomDocument> Opened(const QString& path, int edition)
{
    return std::make_unique<RomDocument>(path, Profile(edition), test::FileImage(path));
}

SaveResult Save(RomDocument& document, const QString& target, const OverwriteQuestion& overwrite = {})
{
    return SaveDocument(document, {target, std::nullopt, overwrite});
}

TEST(SaveDocument, IntoTheOpenedFileWritesTheEditAndReachesTheSavedPoint)
{
    RomFolder folder;
    const SyntheticRom rom = Roster(1993);
    const QString path = folder.write(QStringLiteral("game.nes"), rom);
    auto document = Opened(path, 1993);
    Edit(*document, 4, RecordKind::Batter, 9, 1, QStringLiteral("7"));
    ASSERT_TRUE(document->modified());
    ASSERT_TRUE(Save(*document, path).ok());
    QByteArray expected = rom.bytes();
    expected[*RecordOffset(RecordKind::Batter, 1993, 4, 0, 0) + 17] = 7;
    EXPECT_EQ(ReadFile(path), expected);
    EXPECT_FALSE(document->modified());
    EXPECT_EQ(document->fileImage().bytes(), expected);
}

// A Save into another file works like "Save As": the target becomes a copy of
// the opened ROM with the edits, and from then on it is the opened ROM.
TEST(SaveDocument, IntoAnotherFileMakesItTheOpenedRom)
{
    RomFolder folder;
    const SyntheticRom rom = Roster(1988);
    const QString original = folder.write(QStringLiteral("game.nes"), rom);
    const QString copy = folder.path(QStringLiteral("新しい ロム.nes"));
    auto document = Opened(original, 1988);
    Edit(*document, 2, RecordKind::Batter, 7, 1, QStringLiteral("45"));
    ASSERT_TRUE(Save(*document, copy).ok());
    EXPECT_EQ(ReadFile(original), rom.bytes());
    QByteArray expected = rom.bytes();
    expected[*RecordOffset(RecordKind::Batter, 1988, 2, 0, 0) + 8] = 45;
    EXPECT_EQ(ReadFile(copy), expected);
    EXPECT_EQ(document->path(), copy);

    // Saved edits are not lost to a later Save: team 5 goes into the same copy.
    Edit(*document, 5, RecordKind::Pitcher, 10, 1, QStringLiteral("12"));
    ASSERT_TRUE(Save(*document, copy).ok());
    expected[*RecordOffset(RecordKind::Pitcher, 1988, 5, 0, 0) + 13] = 12;
    EXPECT_EQ(ReadFile(copy), expected);
    EXPECT_EQ(ReadFile(original), rom.bytes());
}

TEST(SaveDocument, ThroughALinkWritesTheLinkedFile)
{
    RomFolder folder;
    const SyntheticRom rom = Roster(1990);
    const QString path = folder.write(QStringLiteral("game.nes"), rom);
    const QString link = folder.path(QStringLiteral("link.nes"));
    ASSERT_TRUE(QFile::link(path, link));
    auto document = Opened(path, 1990);
    test::Recolor(*document, 0, TeamColor::Helmet, 0x11);
    ASSERT_TRUE(Save(*document, link).ok());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(ReadFile(path).at(0x18010), 0x11);
}

// Whatever fails, every file keeps its previous bytes and the document its edits.
class SaveFailureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        source = folder.write(QStringLiteral("game.nes"), rom);
        target = folder.write(QStringLiteral("target.nes"), Roster(1991, 9));
        targetBefore = ReadFile(target);
        document = Opened(source, 1991);
        Edit(*document, 1, RecordKind::Batter, 3, 1, QStringLiteral("300"));
    }

    void ExpectNothingChanged(const SaveResult& result)
    {
        EXPECT_FALSE(result.ok());
        EXPECT_FALSE(result.error.isEmpty());
        EXPECT_EQ(ReadFile(source), rom.bytes());
        EXPECT_EQ(ReadFile(target), targetBefore);
        EXPECT_EQ(document->path(), source);
        EXPECT_TRUE(document->modified());
    }

    RomFolder folder;
    SyntheticRom rom = Roster(1991, 3);
    QString source;
    QString target;
    QByteArray targetBefore;
    std::unique_ptr<RomDocument> document;
};

TEST_F(SaveFailureTest, TheOpenedRomHasVanished)
{
    QFile::remove(source);
    const SaveResult result = Save(*document, target);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(ReadFile(target), targetBefore);
}

TEST_F(SaveFailureTest, TheTargetsFolderDoesNotExist)
{
    const QString nowhere = folder.path(QStringLiteral("missing/out.nes"));
    ExpectNothingChanged(Save(*document, nowhere));
    EXPECT_FALSE(FileExists(nowhere));
}

TEST_F(SaveFailureTest, TheTargetsFolderIsReadOnly)
{
    ASSERT_TRUE(QFile::setPermissions(folder.path(QString()), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    if (geteuid() == 0) {
        QFile::setPermissions(folder.path(QString()), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        GTEST_SKIP() << "root may write into a read-only folder";
    }
    const SaveResult result = Save(*document, target);
    QFile::setPermissions(folder.path(QString()), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ExpectNothingChanged(result);
}

TEST_F(SaveFailureTest, TheTargetIsAFolder)
{
    const QString dir = folder.path(QStringLiteral("a folder"));
    ASSERT_TRUE(QDir().mkpath(dir));
    ExpectNothingChanged(Save(*document, dir));
}

// The file lost bytes after it was read: nothing is written past its end,
// whatever the user answers.
TEST_F(SaveFailureTest, TheOpenedRomWasCutShortMeanwhile)
{
    QFile file(source);
    ASSERT_TRUE(file.resize(*RecordOffset(RecordKind::Pitcher, 1991, 1, 2, 0) + 3));
    const QByteArray cut = ReadFile(source);
    const SaveResult declined = Save(*document, source);
    EXPECT_TRUE(declined.declined);
    const SaveResult refused = Save(*document, source, [] { return true; });
    EXPECT_FALSE(refused.ok());
    EXPECT_FALSE(refused.error.isEmpty());
    EXPECT_EQ(ReadFile(source), cut);
}

// Another program wrote the file after it was read: its bytes of other teams
// stay; a team the document changed too is overwritten with the document's
// team only when the user says so.
TEST(SaveDocument, WhatAnotherProgramWroteMeanwhile)
{
    RomFolder folder;
    const SyntheticRom rom = Roster(1993);
    const QString path = folder.write(QStringLiteral("game.nes"), rom);
    const qint64 otherTeam = *RecordOffset(RecordKind::Batter, 1993, 7, 0, 0) + 17;
    const qint64 editedTeam = *RecordOffset(RecordKind::Pitcher, 1993, 4, 1, 0) + 17;
    for (const bool sameTeam : {false, true}) {
        for (const bool overwrite : {false, true}) {
            folder.write(QStringLiteral("game.nes"), rom);
            auto document = Opened(path, 1993);
            Edit(*document, 4, RecordKind::Batter, 9, 1, QStringLiteral("7"));
            QByteArray meanwhile = rom.bytes();
            meanwhile[sameTeam ? editedTeam : otherTeam] = 99;
            folder.write(QStringLiteral("game.nes"), meanwhile);

            int asked = 0;
            const SaveResult saved = Save(*document, path, [&] {
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
                    expected[editedTeam] = rom.bytes()[editedTeam];
            }
            EXPECT_EQ(ReadFile(path), expected) << "same team " << sameTeam << " overwrite " << overwrite;
            // After a save the document holds what the file holds, the other program's bytes too.
            if (written) {
                EXPECT_EQ(document->image().bytes(), expected);
            }
        }
    }
}

class PatchSaveTest : public ::testing::TestWithParam<const char*> {};

// The patch leads from the file on disk to what a Save would write there; the
// ROM and the document's saved point stay as they were.
TEST_P(PatchSaveTest, LeadsFromTheFileToWhatASaveWouldWrite)
{
    RomFolder folder;
    const SyntheticRom rom = Roster(1991, 3);
    const QString path = folder.write(QStringLiteral("game.nes"), rom);
    auto document = Opened(path, 1991);
    Edit(*document, 5, RecordKind::Batter, 3, 2, QStringLiteral("300"));
    test::Recolor(*document, 5, TeamColor::Helmet, 0x21);

    const QString patchPath = folder.path(QStringLiteral("update.") + QString::fromUtf8(GetParam()));
    const SaveResult written = SaveDocument(*document, {patchPath, PatchKindOfFileName(patchPath), {}});
    ASSERT_TRUE(written.ok()) << written.error.toStdString();
    EXPECT_EQ(written.written, ReadFile(patchPath).size());
    EXPECT_EQ(ReadFile(path), rom.bytes());
    EXPECT_TRUE(document->modified());
    EXPECT_EQ(document->path(), path);

    const QString saved = folder.path(QStringLiteral("saved.nes"));
    ASSERT_TRUE(Save(*document, saved).ok());
    const Result<AppliedPatch> applied = ApplyPatch(rom.bytes(), ReadFile(patchPath));
    ASSERT_TRUE(applied.ok()) << applied.reason().toStdString();
    EXPECT_EQ(applied->target, ReadFile(saved));
}

INSTANTIATE_TEST_SUITE_P(Formats, PatchSaveTest, ::testing::Values("ips", "bps", "BPS"));

TEST(PatchSave, RefusesTheRomItselfUnderAnyName)
{
    RomFolder folder;
    const QString path = folder.write(QStringLiteral("game.nes"), SyntheticRom());
    auto document = Opened(path, 1986);
    const QString link = folder.path(QStringLiteral("game.ips"));
    ASSERT_TRUE(QFile::link(path, link));
    EXPECT_FALSE(SaveDocument(*document, {link, PatchKind::Ips, {}}).ok());
    EXPECT_EQ(ReadFile(path), SyntheticRom().bytes());
}

} // namespace
} // namespace quindaro2
