#include "core/save/SaveCommands.h"
#include "support/DocumentEdit.h"
#include "support/PlausibleRom.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include <deque>
#include <memory>

namespace quindaro2 {
namespace {

using test::ReadFile;
using test::RomFolder;
using test::SyntheticRom;

// Answers the questions from a script and records what was asked.
class ScriptedPrompts : public SavePrompts {
public:
    std::deque<SaveAnswer> answers;
    std::optional<QString> target;
    QStringList asked;
    QStringList warnings;
    QString proposedFolder;
    QString proposedName;

    SaveAnswer AskToSaveChanges(bool offerCancel) override
    {
        asked << (offerCancel ? QStringLiteral("yes/no/cancel") : QStringLiteral("yes/no"));
        const SaveAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<QString> AskSaveTarget(const QString& folder, const QString& fileName) override
    {
        asked << QStringLiteral("target");
        proposedFolder = folder;
        proposedName = fileName;
        return target;
    }
    bool AskOverwriteChangedTeam(const QString& fileName) override
    {
        asked << QStringLiteral("overwrite ") + fileName;
        return overwrite;
    }
    bool AskReplaceFile(const QString& target) override
    {
        asked << QStringLiteral("replace ") + QFileInfo(target).fileName();
        return replace;
    }
    void Warn(const QString& text) override { warnings << text; }

    bool overwrite = false;
    bool replace = false;
};

class SaveCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::FillPlausibleRoster(rom, 1986, 4);
        path = folder.write(QStringLiteral("game.nes"), rom);
        document = std::make_unique<RomDocument>(path, test::Profile(1986), test::FileImage(path));
        test::Edit(*document, 1, RecordKind::Batter, 7, 1, QStringLiteral("61"));
    }

    bool Edited() const { return ReadFile(path) != rom.bytes(); }

    RomFolder folder;
    SyntheticRom rom;
    QString path;
    std::unique_ptr<RomDocument> document;
    ScriptedPrompts prompts;
};

TEST_F(SaveCommandsTest, NoQuestionWithoutChanges)
{
    document->revertToFile();
    EXPECT_TRUE(ConfirmDropShownTeam(*document, prompts, true));
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_FALSE(Edited());
}

TEST_F(SaveCommandsTest, YesSavesIntoTheOpenedRomBeforeAnySave)
{
    prompts.answers = {SaveAnswer::Yes};
    EXPECT_TRUE(ConfirmDropShownTeam(*document, prompts, false));
    EXPECT_EQ(prompts.asked, QStringList{QStringLiteral("yes/no")});
    EXPECT_TRUE(Edited());
    EXPECT_EQ(ReadFile(path).at(0x10 + 256 + 7), 61);
    EXPECT_FALSE(document->modified()) << "the file holds what is shown";
}

TEST_F(SaveCommandsTest, NoDropsTheEditsAndTouchesNoFile)
{
    prompts.answers = {SaveAnswer::No};
    EXPECT_TRUE(ConfirmDropShownTeam(*document, prompts, false));
    EXPECT_FALSE(Edited());
    // The document holds what the file holds again.
    EXPECT_FALSE(document->modified());
    EXPECT_EQ(document->image(), document->fileImage());
}

TEST_F(SaveCommandsTest, CancelKeepsTheShownTeam)
{
    prompts.answers = {SaveAnswer::Cancel};
    EXPECT_FALSE(ConfirmDropShownTeam(*document, prompts, true));
    EXPECT_EQ(prompts.asked, QStringList{QStringLiteral("yes/no/cancel")});
    EXPECT_FALSE(Edited());
    EXPECT_TRUE(document->modified());
}

TEST_F(SaveCommandsTest, AFailedYesWarnsAndKeepsTheEdits)
{
    QFile::remove(path);
    prompts.answers = {SaveAnswer::Yes};
    EXPECT_FALSE(ConfirmDropShownTeam(*document, prompts, false));
    ASSERT_EQ(prompts.warnings.size(), 1);
    EXPECT_TRUE(prompts.warnings[0].contains(QStringLiteral("game.nes")));
    EXPECT_TRUE(document->modified());
}

TEST_F(SaveCommandsTest, SaveProposesTheOpenedRomsFolderAndName)
{
    prompts.target = path;
    EXPECT_TRUE(SaveAskingForTarget(*document, prompts));
    EXPECT_EQ(prompts.proposedFolder, QFileInfo(path).absolutePath());
    EXPECT_EQ(prompts.proposedName, QStringLiteral("game.nes"));
    EXPECT_TRUE(Edited());
    EXPECT_FALSE(document->modified()) << "a saved team holds no unsaved edits";
    EXPECT_FALSE(prompts.asked.contains(QStringLiteral("replace game.nes"))) << "the opened ROM is saved without a question";
}

// A FIFO, a device or a folder chosen as the Save's target is refused at once,
// before the replace question and before the ROM's lock, which a FIFO would
// otherwise hold until some reader came; the opened ROM stays the one edited.
TEST_F(SaveCommandsTest, ASaveIntoAFifoOrADeviceIsRefusedAtOnce)
{
    const QString fifo = folder.fifo(QStringLiteral("pipe.nes"));
    for (const QString& target : {QStringLiteral("/dev/null"), folder.path(QString()), fifo}) {
        prompts.asked.clear();
        prompts.warnings.clear();
        prompts.target = target;
        prompts.replace = true;
        EXPECT_FALSE(SaveAskingForTarget(*document, prompts)) << target.toStdString();
        EXPECT_EQ(prompts.asked, QStringList{QStringLiteral("target")}) << target.toStdString();
        ASSERT_EQ(prompts.warnings.size(), 1);
        EXPECT_TRUE(prompts.warnings[0].contains(QStringLiteral("通常のファイルではありません"))) << prompts.warnings[0].toStdString();
        EXPECT_EQ(document->path(), path);
        EXPECT_TRUE(document->modified());
    }
    EXPECT_FALSE(Edited());
}

// Replacing another ROM by one wrong click in the save dialog loses it: the
// user is asked first. A new file, and the opened ROM under another spelling
// of its path, are written without a question.
struct ReplaceCase {
    const char* title;
    const char* target;    // in the test folder; "game.nes" is the opened ROM
    bool exists;
    bool answer;
    bool asked;
    bool written;
};

std::ostream& operator<<(std::ostream& out, const ReplaceCase& c)
{
    return out << c.title;
}

class SaveReplaceTest : public SaveCommandsTest, public ::testing::WithParamInterface<ReplaceCase> {};

TEST_P(SaveReplaceTest, AnotherExistingFileIsReplacedOnlyAfterYes)
{
    const ReplaceCase& c = GetParam();
    const QString target = folder.path(QString::fromUtf8(c.target));
    const QByteArray other("another file");
    if (c.exists && !QFileInfo::exists(target))
        folder.write(QString::fromUtf8(c.target), other);
    const QByteArray before = ReadFile(target);
    prompts.target = target;
    prompts.replace = c.answer;
    EXPECT_EQ(SaveAskingForTarget(*document, prompts), c.written);
    EXPECT_EQ(prompts.asked.contains(QStringLiteral("replace ") + QFileInfo(target).fileName()), c.asked);
    EXPECT_EQ(ReadFile(target) != before, c.written);
    EXPECT_EQ(document->modified(), !c.written);
    EXPECT_EQ(document->path(), c.written ? target : path);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, SaveReplaceTest,
    ::testing::Values(ReplaceCase{"AnotherFileYes", "other.nes", true, true, true, true},
                      ReplaceCase{"AnotherFileNo", "other.nes", true, false, true, false},
                      ReplaceCase{"NewFile", "new.nes", false, false, false, true},
                      ReplaceCase{"OpenedRomByAnotherSpelling", "./game.nes", true, false, false, true}),
    [](const ::testing::TestParamInfo<ReplaceCase>& info) { return std::string(info.param.title); });

TEST_F(SaveCommandsTest, CancelledSaveChangesNothing)
{
    EXPECT_FALSE(SaveAskingForTarget(*document, prompts));
    EXPECT_FALSE(Edited());
    EXPECT_EQ(document->path(), path);
}

TEST_F(SaveCommandsTest, SaveIntoAnUnwritablePlaceWarnsNamingTheFile)
{
    prompts.target = folder.path(QStringLiteral("no folder/out.nes"));
    EXPECT_FALSE(SaveAskingForTarget(*document, prompts));
    ASSERT_EQ(prompts.warnings.size(), 1);
    EXPECT_TRUE(prompts.warnings[0].contains(QStringLiteral("out.nes")));
    EXPECT_FALSE(Edited());
    EXPECT_EQ(document->path(), path);
}

} // namespace
} // namespace quindaro2
