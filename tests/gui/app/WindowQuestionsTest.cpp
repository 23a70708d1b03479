#include "core/detect/EditionDetection.h"
#include "core/export/PlayerExport.h"
#include "core/sample/DemoRom.h"
#include "core/edit/NesPalette.h"
#include "gui/app/EditorSettings.h"
#include "gui/app/ScriptedWindow.h"
#include "gui/edit/TListForm.h"
#include "support/ExportText.h"
#include "support/ModalRun.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>

namespace quindaro2::test {
namespace {

// The questions and notes of the window that a careful user misses.
class WindowQuestionsTest : public ScriptedWindowTest {
protected:
    // A ROM with one unsaved edit of the first batter's home runs.
    QString editedRom()
    {
        const QString path = writeRom(1986, 5);
        open(path, 1986);
        edit(RecordKind::Batter, 4, 1, Other(form.BatterGrid, 4, 1, QStringLiteral("40"), QStringLiteral("41")));
        return path;
    }
};

struct ExportCase {
    const char* name;
    UnsavedExport answer;
    bool exported;
    bool saved;
};

void PrintTo(const ExportCase& c, std::ostream* out)
{
    *out << c.name;
}

class UnsavedExportTest : public WindowQuestionsTest, public ::testing::WithParamInterface<ExportCase> {};

// An export reads the file: with edits not saved, it asks first.
TEST_P(UnsavedExportTest, AsksBeforeExportingWithoutTheEdits)
{
    const ExportCase& c = GetParam();
    const QString path = editedRom();
    const QByteArray before = ReadFile(path);
    const QString out = folder.path(QStringLiteral("players.txt"));
    prompts.exportChoice = ExportChoice{out, ExportMode::OneFile};
    prompts.unsavedExport = c.answer;
    prompts.asked.clear();
    form.MenuOutputClick();
    EXPECT_EQ(prompts.asked.value(0), QStringLiteral("export-unsaved?"));
    EXPECT_EQ(test::FileExists(out), c.exported);
    EXPECT_EQ(ReadFile(path) != before, c.saved);
    EXPECT_EQ(form.isWindowModified(), !c.saved);
    if (c.exported) {
        const QStringList lines = test::ExportLines(test::FileImage(path), 1986);
        EXPECT_EQ(QString::fromUtf8(test::ShiftJisText(lines)), QString::fromUtf8(ReadFile(out)));
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, UnsavedExportTest,
                         ::testing::Values(ExportCase{"Cancel", UnsavedExport::Cancel, false, false},
                                           ExportCase{"FileAsItIs", UnsavedExport::FileAsItIs, true, false},
                                           ExportCase{"SaveFirst", UnsavedExport::SaveFirst, true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// A second export asks once before replacing the files of the first, naming how many.
TEST_F(WindowQuestionsTest, ASecondExportAsksBeforeReplacingFiles)
{
    open(writeRom(1987, 2), 1987);
    const QString out = folder.path(QStringLiteral("t.txt"));
    prompts.exportChoice = ExportChoice{out, ExportMode::PerTeam};
    form.MenuOutputClick();
    EXPECT_FALSE(prompts.asked.contains(QStringLiteral("replace-export?")));
    const QString first = TeamFileName(out, 1987, 0);
    folder.write(QFileInfo(first).fileName(), QByteArray("mine"));
    prompts.replaceExport = false;
    prompts.asked.clear();
    form.MenuOutputClick();
    EXPECT_EQ(prompts.asked.count(QStringLiteral("replace-export?")), 1);
    EXPECT_EQ(prompts.existingExportFiles, TeamCount(1987));
    EXPECT_EQ(ReadFile(first), QByteArray("mine"));
}

// A remembered edition that is not the file's clear guess is said after the open.
TEST_F(WindowQuestionsTest, AnEditionOtherThanTheGuessIsSaid)
{
    const QString path = folder.write(QStringLiteral("s.nes"), DemoRomImage(1993, {1, true, false}));
    open(path, 1994);
    ASSERT_FALSE(prompts.guesses.empty());
    EXPECT_EQ(prompts.guesses.back(), std::optional<int>(1993));
    EXPECT_EQ(form.statusBar()->currentMessage(), GuessDiffers(1993));
    open(path, 1993);
    EXPECT_TRUE(form.statusBar()->currentMessage().isEmpty()) << "a new open starts with a clear status bar";
}

// A Save from the question before an import clears the marker, whatever comes after.
TEST_F(WindowQuestionsTest, TheMarkerGoesWithASaveBeforeAnImport)
{
    editedRom();
    ASSERT_TRUE(form.isWindowModified());
    prompts.answers = {SaveAnswer::Yes};
    prompts.importFiles = std::nullopt;
    form.MenuImportClick();
    EXPECT_FALSE(form.isWindowModified());
    EXPECT_FALSE(ShownTitle(form).contains(u'*'));
}

TEST_F(WindowQuestionsTest, TheStatusBarTellsTheEditionOrHowToOpenOne)
{
    EXPECT_TRUE(form.EditionLabel->text().contains(QStringLiteral("F1"))) << form.EditionLabel->text().toStdString();
    open(writeRom(1991), 1991);
    EXPECT_EQ(form.EditionLabel->text(), QStringLiteral("1991年版"));
}

// A patch that would change nothing is not written, and the user is told.
TEST_F(WindowQuestionsTest, APatchWithoutChangesIsNotWritten)
{
    open(writeRom(1990), 1990);
    prompts.patchFile = folder.path(QStringLiteral("none.bps"));
    form.MenuPatchClick();
    EXPECT_FALSE(test::FileExists(*prompts.patchFile));
    ASSERT_EQ(prompts.warnings.size(), 1);
    EXPECT_TRUE(prompts.warnings[0].contains(QStringLiteral("同じ"))) << prompts.warnings[0].toStdString();
}

// A FIFO chosen for the patch would hold the ROM's lock until a reader came.
TEST_F(WindowQuestionsTest, APatchIntoAFifoIsRefusedAtOnce)
{
    open(writeRom(1990), 1990);
    edit(RecordKind::Batter, 4, 1, Other(form.BatterGrid, 4, 1, QStringLiteral("40"), QStringLiteral("41")));
    prompts.patchFile = folder.fifo(QStringLiteral("pipe.ips"));
    form.MenuPatchClick();
    ASSERT_EQ(prompts.warnings.size(), 1);
    EXPECT_TRUE(prompts.warnings[0].contains(QStringLiteral("通常のファイルではありません"))) << prompts.warnings[0].toStdString();
}

TEST_F(WindowQuestionsTest, ClosingTheSampleDialogMakesNoSample)
{
    prompts.sampleEdition = std::nullopt;
    form.MenuSampleClick();
    EXPECT_EQ(form.session().document(), nullptr);
    EXPECT_FALSE(QDir(EditorSettings::samplesFolder()).exists() && !QDir(EditorSettings::samplesFolder()).isEmpty());
}

// What a screen reader hears: the grids by their tabs, the squares by their colour.
TEST_F(WindowQuestionsTest, GridsAndColourSquaresHaveNames)
{
    open(writeRom(1993), 1993);
    EXPECT_EQ(form.BatterGrid->accessibleName(), QStringLiteral("バッター"));
    EXPECT_EQ(form.VisorGrid->accessibleName(), QStringLiteral("監督"));
    EXPECT_EQ(form.HelmetColor->accessibleName(),
              QStringLiteral("帽子の色 %1").arg(ColorCodeText(form.session().view().HelmetColorCode)));
}

TEST_F(WindowQuestionsTest, HelpOpensTheManual)
{
    form.MenuHelp->trigger();
    EXPECT_EQ(prompts.asked, QStringList{QStringLiteral("help")});
}

// The list of twelve batting sides shows every one of them whole.
TEST(TListForm, ShowsEveryChoice)
{
    TListForm form;
    QStringList choices;
    for (int i = 0; i < 12; ++i)
        choices << QStringLiteral("右%1").arg(i);
    bool allShown = false;
    testing::RunModal(
        form,
        [&] {
            auto* list = form.findChild<QListWidget*>(QStringLiteral("ListBox"));
            allShown = list->count() == 12;
            for (int i = 0; i < list->count(); ++i)
                allShown = allShown && list->viewport()->rect().contains(list->visualItemRect(list->item(i)));
            form.reject();
        },
        [&] { return form.ChooseItem(QStringLiteral("打席"), QStringLiteral("やまだ"), choices, choices[11]); });
    EXPECT_TRUE(allShown);
}

} // namespace
} // namespace quindaro2::test
