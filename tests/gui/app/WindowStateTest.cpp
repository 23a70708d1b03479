#include "gui/app/QtMainWindowPrompts.h"
#include "gui/app/ScriptedWindow.h"
#include "gui/league/TeamsView.h"

#include "support/ModalRun.h"
#include "support/QtPrinters.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

namespace quindaro2 {
namespace {

using test::ReadFile;

class WindowStateTest : public test::ScriptedWindowTest {};

TEST_F(WindowStateTest, SaveOutputAndColoursWaitForARom)
{
    for (QAction* command : {form.MenuSave, form.MenuOutput})
        EXPECT_FALSE(command->isEnabled()) << command->text().toStdString();
    for (QPushButton* button : {form.HelmetButton, form.UniformButton})
        EXPECT_FALSE(button->isEnabled()) << button->text().toStdString();
    EXPECT_TRUE(form.MenuOpen->isEnabled());
    open(writeRom(1990), 1990);
    for (QAction* command : {form.MenuSave, form.MenuOutput})
        EXPECT_TRUE(command->isEnabled()) << command->text().toStdString();
    for (QPushButton* button : {form.HelmetButton, form.UniformButton})
        EXPECT_TRUE(button->isEnabled()) << button->text().toStdString();
}

// The status bar is there from the start, so that the first save message
// does not take room from the grids.
TEST_F(WindowStateTest, TheGridsKeepTheirHeightAfterTheFirstSave)
{
    EXPECT_NE(form.findChild<QStatusBar*>(), nullptr);
    const QString path = writeRom(1993);
    open(path, 1993);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const int height = form.DataPage->height();
    prompts.saveTarget = path;
    form.MenuSaveClick();
    QApplication::processEvents();
    EXPECT_EQ(form.DataPage->height(), height);
    EXPECT_FALSE(form.statusBar()->currentMessage().isEmpty());
}

// At its smallest the window cuts no label, button or team code, and the
// grids still show a few rows.
TEST_F(WindowStateTest, AtItsSmallestNothingIsCut)
{
    open(writeRom(1989), 1989);  // the widest team code, "Bu"
    form.TeamBox->setCurrentIndex(1);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.resize(1, 1);
    QApplication::processEvents();
    EXPECT_GT(form.width(), 1);
    const QWidget* panel = form.AverageLabel->parentWidget();
    for (const QLabel* label : panel->findChildren<QLabel*>()) {
        if (label != form.HelmetColor && label != form.UniformColor) {
            EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
        }
    }
    for (const QPushButton* button : {form.HelmetButton, form.UniformButton})
        EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
    EXPECT_GE(form.TeamBox->width(), form.TeamBox->sizeHint().width());
    EXPECT_GE(form.TeamBox->width(), 57);
    EXPECT_TRUE(panel->rect().contains(form.TeamBox->geometry()));
    const int rowsShown = form.BatterGrid->viewport()->height() / form.BatterGrid->verticalHeader()->defaultSectionSize();
    EXPECT_GE(rowsShown, 5);
}

// A record the ROM could not give says so when its cell is opened.
TEST_F(WindowStateTest, ACellOfAnUnreadableRecordSaysSo)
{
    // The batters of slots 7 to 12 lie past the end.
    open(folder.write(QStringLiteral("short.nes"), test::SyntheticRom(0x10 + 100)), 1986);
    ASSERT_EQ(Cell(form.BatterGrid, 3, 12), QString());
    dialogs.typed = QStringLiteral("200");
    form.BatterGridDblClick(3, 12);
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("読み込めませんでした"))) << dialogs.errors[0].toStdString();
    EXPECT_FALSE(dialogs.errors[0].contains(QStringLiteral("数値ではありません")));
    EXPECT_FALSE(form.isWindowModified());
}

// Saving into another file that exists asks first; the opened ROM itself
// is saved without a question.
TEST_F(WindowStateTest, SavingOverAnotherFileAsksFirst)
{
    const QString path = writeRom(1992, 2);
    const QString other = writeRom(1992, 3, QStringLiteral("other.nes"));
    const QByteArray otherBytes = ReadFile(other);
    open(path, 1992);
    edit(RecordKind::Batter, 4, 1, QStringLiteral("33"));

    prompts.saveTarget = other;
    prompts.replace = false;
    form.MenuSaveClick();
    EXPECT_EQ(prompts.asked.count(QStringLiteral("replace?")), 1);
    EXPECT_EQ(ReadFile(other), otherBytes);
    EXPECT_EQ(ShownTitle(form), QStringLiteral("QUINDARO2 - game.nes*"));

    prompts.saveTarget = path;
    form.MenuSaveClick();
    EXPECT_EQ(prompts.asked.count(QStringLiteral("replace?")), 1) << "the opened ROM is saved without a question";
    EXPECT_EQ(ShownTitle(form), QStringLiteral("QUINDARO2 - game.nes"));

    prompts.saveTarget = other;
    prompts.replace = true;
    form.MenuSaveClick();
    EXPECT_EQ(prompts.asked.count(QStringLiteral("replace?")), 2);
    EXPECT_NE(ReadFile(other), otherBytes);
    EXPECT_EQ(ShownTitle(form), QStringLiteral("QUINDARO2 - other.nes"));
}

// The charts library, larger than the rest of the start, is loaded when the
// teams' chart is first shown.
TEST_F(WindowStateTest, TheChartsLibraryWaitsForTheTeamsTab)
{
    const auto loaded = [] {
        QFile maps(QStringLiteral("/proc/self/maps"));
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Charts");
    };
    open(writeRom(1993), 1993);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_FALSE(loaded());
    form.DataPage->setCurrentIndex(4);
    EXPECT_TRUE(QTest::qWaitFor(loaded));
    EXPECT_EQ(qobject_cast<QLabel*>(form.teams().chart()), nullptr) << "no chart module";
}

// No dialog is made before it is first asked for; then it is kept, so that
// it remembers its state.
TEST(QtMainWindowPromptsTest, ADialogIsMadeWhenFirstAskedForAndKept)
{
    QWidget window;
    QtMainWindowPrompts prompts(&window);
    EXPECT_TRUE(window.findChildren<QDialog*>().isEmpty());
    for (int round = 0; round < 2; ++round) {
        QTimer::singleShot(0, &window, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        prompts.ShowAbout();
    }
    EXPECT_EQ(window.findChildren<QDialog*>().size(), 1);
}

// The real question: the toolkit's own overwrite question, "No" first.
TEST(QtMainWindowPromptsTest, TheReplaceQuestionDefaultsToNo)
{
    QWidget window;
    QtMainWindowPrompts prompts(&window);
    for (const QMessageBox::StandardButton press : {QMessageBox::No, QMessageBox::Yes}) {
        testing::MessageBoxSeen seen;
        testing::CloseNextMessageBox(seen, press);
        EXPECT_EQ(prompts.AskReplaceFile(QStringLiteral("/roms/other.nes")), press == QMessageBox::Yes);
        EXPECT_TRUE(seen.text.contains(QStringLiteral("other.nes"))) << seen.text.toStdString();
        EXPECT_FALSE(seen.text.contains(QStringLiteral("/roms")));
        EXPECT_EQ(seen.defaultButton, QMessageBox::No);
        EXPECT_EQ(seen.icon, QMessageBox::Warning);
    }
}

} // namespace
} // namespace quindaro2
