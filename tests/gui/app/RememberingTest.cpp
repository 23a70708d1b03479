#include "core/detect/EditionDetection.h"
#include "gui/app/EditorSettings.h"
#include "gui/app/QtMainWindowPrompts.h"
#include "gui/app/RecentFilesMenu.h"
#include "gui/app/ScriptedWindow.h"
#include "gui/dialogs/TOutputForm.h"

#include "support/ModalRun.h"
#include "support/QtPrinters.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QSettings>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <memory>

namespace quindaro2 {
namespace {

QStringList Texts(const QList<QAction*>& actions)
{
    QStringList texts;
    for (const QAction* action : actions)
        texts << action->text();
    return texts;
}

class RememberingTest : public test::ScriptedWindowTest {
protected:
    // The editor started again: a new window on the settings the last one left.
    std::unique_ptr<TMainForm> restart()
    {
        return std::make_unique<TMainForm>(&prompts, &dialogs);
    }
};

// The recent list survives a restart; each file opens with the edition
// it was opened as last time proposed.
TEST_F(RememberingTest, RecentFilesAcrossARestartProposeTheirEdition)
{
    const QString game = writeRom(1990, 1);
    const QString other = writeRom(1993, 2, QStringLiteral("other.nes"));
    open(game, 1990);
    open(other, 1993);
    EXPECT_EQ(Texts(form.RecentFiles->items()), (QStringList{QStringLiteral("&1 other.nes"), QStringLiteral("&2 game.nes")}));
    // Files never opened before: only what the files suggest.
    EXPECT_EQ(prompts.proposals,
              (std::vector<std::optional<int>>{DetectEditionOfFile(game).edition, DetectEditionOfFile(other).edition}));

    const std::unique_ptr<TMainForm> next = restart();
    ASSERT_EQ(Texts(next->RecentFiles->items()), (QStringList{QStringLiteral("&1 other.nes"), QStringLiteral("&2 game.nes")}));
    EXPECT_EQ(next->RecentFiles->items()[1]->toolTip(), game);
    prompts.edition = 1990;
    next->RecentFiles->items()[1]->trigger();
    EXPECT_EQ(prompts.proposals.back(), std::optional<int>(1990));
    EXPECT_EQ(next->session().document()->path(), game);
    EXPECT_EQ(next->TeamBox->count(), 16);
    EXPECT_EQ(Texts(next->RecentFiles->items()), (QStringList{QStringLiteral("&1 game.nes"), QStringLiteral("&2 other.nes")}));

    // The open dialog proposes the remembered edition too.
    prompts.romFile = other;
    prompts.edition = 1993;
    next->MenuOpenClick();
    EXPECT_EQ(prompts.proposals.back(), std::optional<int>(1993));
}

TEST_F(RememberingTest, AGoneRecentFileLeavesTheListWithAMessage)
{
    const QString gone = writeRom(1988, 1, QStringLiteral("gone.nes"));
    const QString kept = writeRom(1988, 2, QStringLiteral("kept.nes"));
    open(gone, 1988);
    open(kept, 1988);
    ASSERT_TRUE(QFile::remove(gone));
    const QStringList askedBefore = prompts.asked;
    form.RecentFiles->items()[1]->trigger();
    ASSERT_EQ(prompts.warnings.size(), 1);
    EXPECT_TRUE(prompts.warnings[0].contains(QStringLiteral("gone.nes"))) << prompts.warnings[0].toStdString();
    EXPECT_TRUE(prompts.warnings[0].contains(QStringLiteral("外しました")));
    EXPECT_EQ(prompts.asked, askedBefore) << "nothing was opened";
    EXPECT_EQ(form.session().document()->path(), kept);
    EXPECT_EQ(Texts(form.RecentFiles->items()), QStringList{QStringLiteral("&1 kept.nes")});
    EXPECT_EQ(Texts(restart()->RecentFiles->items()), QStringList{QStringLiteral("&1 kept.nes")});
}

// A recent file that became a FIFO or a folder is refused at once with its
// reason, before any question, and the ROM that is open stays open, its
// commands as they were; the Open menu and a drop refuse it the same way.
TEST_F(RememberingTest, ARecentFileThatIsNoLongerAFileIsRefusedAtOnce)
{
    for (const bool fifo : {true, false}) {
        const QString changed = writeRom(1988, 1, QStringLiteral("changed.nes"));
        const QString kept = writeRom(1988, 2, QStringLiteral("kept.nes"));
        open(changed, 1988);
        open(kept, 1988);
        ASSERT_TRUE(QFile::remove(changed));
        if (fifo)
            folder.fifo(QStringLiteral("changed.nes"));
        else
            ASSERT_TRUE(QDir().mkdir(changed));
        prompts.warnings.clear();
        const QStringList askedBefore = prompts.asked;
        form.RecentFiles->items()[1]->trigger();
        ASSERT_EQ(prompts.warnings.size(), 1);
        EXPECT_TRUE(prompts.warnings[0].contains(QStringLiteral("changed.nes は通常のファイルではありません")))
            << prompts.warnings[0].toStdString();
        EXPECT_EQ(prompts.asked, askedBefore) << "no edition dialog, no question";
        EXPECT_EQ(form.session().document()->path(), kept);
        EXPECT_TRUE(form.MenuSave->isEnabled());
        EXPECT_EQ(form.TeamBox->count(), TeamCount(1988));
        form.OpenRomFile(changed);
        EXPECT_EQ(prompts.warnings.size(), 2);
        EXPECT_EQ(form.session().document()->path(), kept);
        if (!fifo)
            ASSERT_TRUE(QDir().rmdir(changed));
        else
            ASSERT_TRUE(QFile::remove(changed));
    }
}

// A ROM whose backup of an unfinished save is still beside it opens with a
// warning that names the backup.
TEST_F(RememberingTest, ALeftSaveBackupIsToldWhenTheRomOpens)
{
    const QString game = writeRom(1993);
    folder.write(QStringLiteral("game.nes.quindaro2-backup"), QByteArray("old bytes"));
    open(game, 1993);
    ASSERT_EQ(prompts.warnings.size(), 1);
    EXPECT_TRUE(prompts.warnings[0].contains(QStringLiteral("game.nes.quindaro2-backup"))) << prompts.warnings[0].toStdString();
    EXPECT_EQ(form.session().document()->path(), game);
}

// The list holds the newest eight, each file once, whatever spelling opened it.
TEST_F(RememberingTest, TheListKeepsTheNewestEightOnce)
{
    EditorSettings settings;
    for (int k = 0; k < 10; ++k)
        settings.addRecentFile(folder.path(QStringLiteral("rom%1.nes").arg(k)), 1986 + k % 9);
    settings.addRecentFile(folder.path(QStringLiteral("sub/../rom5.nes")), 1994);
    const QList<RecentFile> files = settings.recentFiles();
    QStringList names;
    for (const RecentFile& file : files)
        names << QFileInfo(file.path).fileName();
    EXPECT_EQ(names, (QStringList{QStringLiteral("rom5.nes"), QStringLiteral("rom9.nes"), QStringLiteral("rom8.nes"),
                                  QStringLiteral("rom7.nes"), QStringLiteral("rom6.nes"), QStringLiteral("rom4.nes"),
                                  QStringLiteral("rom3.nes"), QStringLiteral("rom2.nes")}));
    EXPECT_EQ(settings.rememberedEdition(folder.path(QStringLiteral("rom5.nes"))), std::optional<int>(1994));
    EXPECT_EQ(settings.rememberedEdition(folder.path(QStringLiteral("rom1.nes"))), std::nullopt) << "fell off the list";
}

struct ItemCase {
    const char* title;
    QStringList paths;
    int index;
    const char* text;
};

void PrintTo(const ItemCase& c, std::ostream* out)
{
    *out << c.title;
}

class RecentItemText : public ::testing::TestWithParam<ItemCase> {};

TEST_P(RecentItemText, NamesTheFileAndItsFolderWhenNamesRepeat)
{
    const ItemCase& c = GetParam();
    EXPECT_EQ(RecentFilesMenu::ItemText(c.index + 1, c.paths[c.index], c.paths), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecentItemText,
    ::testing::Values(
        ItemCase{"Plain", {QStringLiteral("/roms/game.nes")}, 0, "&1 game.nes"},
        ItemCase{"Ampersand", {QStringLiteral("/roms/a&b.nes"), QStringLiteral("/x.nes")}, 0, "&1 a&&b.nes"},
        ItemCase{"SameName", {QStringLiteral("/roms/93/game.nes"), QStringLiteral("/roms/94/game.nes")}, 1,
                 "&2 game.nes（/roms/94）"},
        ItemCase{"OtherNameUnaffected",
                 {QStringLiteral("/a/game.nes"), QStringLiteral("/b/game.nes"), QStringLiteral("/c/x.nes")}, 2,
                 "&3 x.nes"}),
    [](const ::testing::TestParamInfo<ItemCase>& info) { return std::string(info.param.title); });

TEST_F(RememberingTest, TheWindowComesBackAtItsSize)
{
    form.show();
    form.resize(730, 520);
    QApplication::processEvents();
    ASSERT_TRUE(form.close());
    const std::unique_ptr<TMainForm> next = restart();
    EXPECT_EQ(next->size(), QSize(730, 520));
}

// A size kept from a larger screen, or a scale that makes the first size too
// large, still shows the whole window on this screen.
TEST_F(RememberingTest, TheWindowFitsTheScreen)
{
    form.show();
    form.resize(3000, 2400);
    form.move(2000, 1500);
    QApplication::processEvents();
    ASSERT_TRUE(form.close());
    const std::unique_ptr<TMainForm> next = restart();
    const QRect available = next->screen()->availableGeometry();
    EXPECT_TRUE(available.contains(next->frameGeometry())) << next->frameGeometry().width() << 'x'
                                                          << next->frameGeometry().height();
}

// The open dialog starts in the folder of the ROM opened last.
TEST_F(RememberingTest, TheOpenDialogStartsInTheLastFolder)
{
    ASSERT_TRUE(QDir().mkpath(folder.path(QStringLiteral("roms"))));
    const QString path = folder.write(QStringLiteral("roms/game.nes"), test::SyntheticRom());
    open(path, 1986);
    QWidget window;
    QtMainWindowPrompts real(&window);
    QString startFolder;
    QTimer::singleShot(0, &window, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        startFolder = dialog->directory().absolutePath();
        dialog->reject();
    });
    EXPECT_FALSE(real.AskRomFile());
    EXPECT_EQ(startFolder, QFileInfo(path).absolutePath());
}

// The export dialog's file and option come back after a restart.
TEST_F(RememberingTest, TheExportChoicesComeBack)
{
    open(writeRom(1986), 1986);
    const QString out = folder.path(QStringLiteral("players.txt"));
    prompts.exportChoice = ExportChoice{out, ExportMode::PerTeam};
    form.MenuOutputClick();

    QWidget window;
    QtMainWindowPrompts real(&window);
    QString shown;
    const std::optional<ExportChoice> accepted = testing::RunNextModal<TOutputForm>(
        [&](TOutputForm& output) {
            shown = output.findChild<QLineEdit*>(QStringLiteral("FileEdit"))->text();
            output.findChild<QPushButton*>(QStringLiteral("OpenButton"))->click();
        },
        [&] { return real.AskExport(); });
    ASSERT_TRUE(accepted);
    EXPECT_EQ(shown, out);
    EXPECT_EQ(accepted->mode, ExportMode::PerTeam);
}

// A settings file whose recent list claims more entries than the menu shows
// is damaged: the editor reads none and starts clean, at once, however many
// it claims.
TEST_F(RememberingTest, ADamagedRecentListStartsClean)
{
    const QString game = writeRom(1990);
    for (const auto& [claimed, listed] : {std::pair{8, 8}, std::pair{9, 0}, std::pair{2000000000, 0}, std::pair{-1, 0}}) {
        {
            QSettings settings;
            settings.remove(QStringLiteral("recentFiles"));
            for (int i = 1; i <= 9; ++i) {
                settings.setValue(QStringLiteral("recentFiles/%1/path").arg(i), game + QString::number(i));
                settings.setValue(QStringLiteral("recentFiles/%1/edition").arg(i), 1990);
            }
            settings.setValue(QStringLiteral("recentFiles/size"), claimed);
        }
        EXPECT_EQ(EditorSettings().recentFiles().size(), listed) << claimed;
        EXPECT_EQ(restart()->RecentFiles->items().size(), listed) << claimed;
    }
    open(game, 1990);
    EXPECT_EQ(Texts(form.RecentFiles->items()), QStringList{QStringLiteral("&1 game.nes")});
}

} // namespace
} // namespace quindaro2
