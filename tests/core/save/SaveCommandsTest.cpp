#include "core/roster/GridFill.h"
#include "core/save/SaveCommands.h"
#include "support/PlausibleRom.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include <deque>

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
    void Warn(const QString& text) override { warnings << text; }

    bool overwrite = false;
};

class SaveCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::FillPlausibleRoster(rom, 1986, 4);
        path = folder.write(QStringLiteral("game.nes"), rom);
        shown.state.RomPath = path;
        shown.state.SaveTarget = path;
        shown.state.Edition = 1986;
        shown.state.TeamIndex = 1;
        (void)FillTeamFromFile(shown);
        shown.BatterGrid.setCell(7, 1, QStringLiteral("61"));
        shown.state.DataChanged = true;
    }

    bool Edited() const { return ReadFile(path) != rom.bytes(); }

    RomFolder folder;
    SyntheticRom rom;
    QString path;
    ShownTeam shown;
    ScriptedPrompts prompts;
};

TEST_F(SaveCommandsTest, NoQuestionWithoutChanges)
{
    shown.state.DataChanged = false;
    EXPECT_TRUE(ConfirmDropShownTeam(shown, prompts, true));
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_FALSE(Edited());
}

TEST_F(SaveCommandsTest, YesSavesIntoTheOpenedRomBeforeAnySave)
{
    prompts.answers = {SaveAnswer::Yes};
    EXPECT_TRUE(ConfirmDropShownTeam(shown, prompts, false));
    EXPECT_EQ(prompts.asked, QStringList{QStringLiteral("yes/no")});
    EXPECT_TRUE(Edited());
    EXPECT_EQ(ReadFile(path).at(0x10 + 256 + 7), 61);
}

TEST_F(SaveCommandsTest, NoDropsTheEditsAndTouchesNoFile)
{
    prompts.answers = {SaveAnswer::No};
    EXPECT_TRUE(ConfirmDropShownTeam(shown, prompts, false));
    EXPECT_FALSE(Edited());
}

TEST_F(SaveCommandsTest, CancelKeepsTheShownTeam)
{
    prompts.answers = {SaveAnswer::Cancel};
    EXPECT_FALSE(ConfirmDropShownTeam(shown, prompts, true));
    EXPECT_EQ(prompts.asked, QStringList{QStringLiteral("yes/no/cancel")});
    EXPECT_FALSE(Edited());
    EXPECT_TRUE(shown.state.DataChanged);
}

TEST_F(SaveCommandsTest, AFailedYesWarnsAndKeepsTheEdits)
{
    QFile::remove(path);
    prompts.answers = {SaveAnswer::Yes};
    EXPECT_FALSE(ConfirmDropShownTeam(shown, prompts, false));
    ASSERT_EQ(prompts.warnings.size(), 1);
    EXPECT_TRUE(prompts.warnings[0].contains(QStringLiteral("game.nes")));
}

TEST_F(SaveCommandsTest, SaveProposesTheOpenedRomsFolderAndName)
{
    prompts.target = path;
    EXPECT_TRUE(SaveAskingForTarget(shown, prompts));
    EXPECT_EQ(prompts.proposedFolder, QFileInfo(path).absolutePath());
    EXPECT_EQ(prompts.proposedName, QStringLiteral("game.nes"));
    EXPECT_TRUE(Edited());
    EXPECT_TRUE(shown.state.DataChanged);
}

TEST_F(SaveCommandsTest, CancelledSaveChangesNothing)
{
    EXPECT_FALSE(SaveAskingForTarget(shown, prompts));
    EXPECT_FALSE(Edited());
    EXPECT_EQ(shown.state.SaveTarget, path);
}

TEST_F(SaveCommandsTest, SaveIntoAnUnwritablePlaceWarnsNamingTheFile)
{
    prompts.target = folder.path(QStringLiteral("no folder/out.nes"));
    EXPECT_FALSE(SaveAskingForTarget(shown, prompts));
    ASSERT_EQ(prompts.warnings.size(), 1);
    EXPECT_TRUE(prompts.warnings[0].contains(QStringLiteral("out.nes")));
    EXPECT_FALSE(Edited());
    EXPECT_EQ(shown.state.RomPath, path);
}

TEST_F(SaveCommandsTest, NothingOpenedNothingAsked)
{
    ShownTeam empty;
    EXPECT_FALSE(SaveAskingForTarget(empty, prompts));
    EXPECT_TRUE(prompts.asked.isEmpty());
}

} // namespace
} // namespace quindaro2
