#include "core/session/GridTableModel.h"
#include "gui/app/RosterGridView.h"
#include "gui/app/ScriptedWindow.h"
#include "gui/app/TMainForm.h"
#include "core/patch/Patch.h"
#include "core/rom/NameCodec.h"
#include "core/roster/GridFill.h"
#include "support/ExportText.h"
#include "support/FreshSettings.h"
#include "support/PlausibleRom.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

#include <deque>

namespace quindaro2 {
namespace {

using test::ReadFile;
using test::RomFolder;
using test::SyntheticRom;

using ScriptedPrompts = test::ScriptedWindowPrompts;

class ScriptedEditDialogs : public EditDialogs {
public:
    std::optional<int> value;
    QString caption;
    QStringList choices;

    std::optional<QString> EditName(int, const QString&, const AnswerCheck&) override { return std::nullopt; }
    std::optional<QString> ChooseItem(const QString& listCaption, const QString&, const QStringList& offered,
                                      const QString&) override
    {
        caption = listCaption;
        choices = offered;
        return offered.isEmpty() ? std::nullopt : std::optional<QString>(offered.back());
    }
    std::optional<QString> EnterValue(const QString& valueCaption, const QString&, const ValueRange&, int,
                                      const QString&, const AnswerCheck&) override
    {
        caption = valueCaption;
        return value ? std::optional<QString>(QString::number(*value)) : std::nullopt;
    }
    void ShowError(const QString&) override {}
};

// The caption as the window shows it: the modified marker "*" in place of "[*]".
QString ShownTitle(const QWidget& window)
{
    return window.windowTitle().replace(QStringLiteral("[*]"),
                                        window.isWindowModified() ? QStringLiteral("*") : QString());
}

// The events a real double-click delivers: press, release, press, double-click, release.
void DoubleClick(QWidget* widget, QPoint at)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mousePress(widget, Qt::LeftButton, {}, at);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                            Qt::NoModifier);
    QApplication::sendEvent(widget, &doubleClick);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

class MainFormTest : public ::testing::Test {
protected:
    QString writeRom(int edition, unsigned seed = 1, const QString& name = QStringLiteral("game.nes"))
    {
        rom = SyntheticRom();
        test::FillPlausibleRoster(rom, edition, seed);
        original = rom.bytes();
        return folder.write(name, rom);
    }

    void open(const QString& path, int edition)
    {
        prompts.romFile = path;
        prompts.edition = edition;
        form.MenuOpenClick();
    }

    QString cell(RosterGridView* grid, int column, int row) const
    {
        return grid->model()->index(row - 1, column - 1).data().toString();
    }

    QString header(RosterGridView* grid, int column) const
    {
        return grid->model()->headerData(column - 1, Qt::Horizontal).toString();
    }

    test::FreshSettings settings;
    RomFolder folder;
    SyntheticRom rom;
    QByteArray original;
    ScriptedPrompts prompts;
    ScriptedEditDialogs dialogs;
    TMainForm form{&prompts, &dialogs};
};

TEST_F(MainFormTest, BeforeAnyRomNothingIsShownAndSaveAndOutputDoNothing)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("QUINDARO2"));
    for (QLabel* label : {form.AverageLabel, form.HomerunLabel, form.RunLabel, form.ErrorLabel})
        EXPECT_EQ(label->text(), QStringLiteral("-----"));
    EXPECT_EQ(form.TeamBox->count(), 0);
    form.MenuSaveClick();
    form.MenuOutputClick();
    form.HelmetButtonClick();
    EXPECT_TRUE(prompts.asked.isEmpty());
    form.MenuHistoryClick();
    form.MenuVersionClick();
    EXPECT_EQ(prompts.asked, (QStringList{QStringLiteral("history"), QStringLiteral("about")}));
}

struct OpenCase {
    int edition;
    int teams;
    const char* firstCode;
    int batterRows, batterColumns, pitcherRows, pitcherColumns;
    const char* lastBatterHeader;
    bool manager;
};

std::ostream& operator<<(std::ostream& out, const OpenCase& c)
{
    return out << c.edition;
}

class OpenRomTest : public MainFormTest, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(OpenRomTest, FillsTheTeamListGridsAndFigures)
{
    const OpenCase& c = GetParam();
    open(writeRom(c.edition), c.edition);
    EXPECT_EQ(ShownTitle(form), QStringLiteral("QUINDARO2 - game.nes"));
    ASSERT_EQ(form.TeamBox->count(), c.teams);
    EXPECT_EQ(form.TeamBox->itemText(0), QString::fromUtf8(c.firstCode));
    EXPECT_EQ(form.TeamBox->currentIndex(), 0);
    EXPECT_EQ(form.BatterGrid->model()->rowCount(), c.batterRows);
    EXPECT_EQ(form.BatterGrid->model()->columnCount(), c.batterColumns);
    EXPECT_EQ(form.PitcherGrid->model()->rowCount(), c.pitcherRows);
    EXPECT_EQ(form.PitcherGrid->model()->columnCount(), c.pitcherColumns);
    EXPECT_EQ(header(form.BatterGrid, 1), QStringLiteral("名　前　　"));
    EXPECT_EQ(header(form.BatterGrid, c.batterColumns), QString::fromUtf8(c.lastBatterHeader));
    EXPECT_EQ(form.BatterGrid->model()->headerData(c.batterRows - 1, Qt::Vertical).toString(),
              QString::number(c.batterRows));
    EXPECT_EQ(cell(form.BatterGrid, 1, 1), form.session().view().BatterGrid.cell(1, 1));
    EXPECT_FALSE(cell(form.BatterGrid, 1, 1).isEmpty());
    EXPECT_EQ(form.AverageLabel->text(), form.session().view().statistics.AverageLabel);
    EXPECT_TRUE(form.AverageLabel->text().startsWith(u'.'));
    EXPECT_EQ(form.DataPage->isTabEnabled(2), c.manager);
    EXPECT_EQ(form.VisorGrid->model()->rowCount(), c.manager ? 1 : 0);
    EXPECT_EQ(form.BatterGrid->verticalHeader()->defaultSectionSize(), 24);
    EXPECT_TRUE(prompts.warnings.isEmpty()) << prompts.warnings.join(u'\n').toStdString();
    EXPECT_EQ(prompts.asked, (QStringList{QStringLiteral("rom"), QStringLiteral("edition")}));
}

INSTANTIATE_TEST_SUITE_P(Layouts, OpenRomTest,
                         ::testing::Values(OpenCase{1986, 10, "G ", 12, 7, 4, 10, "表示本塁打", false},
                                           OpenCase{1989, 16, "L ", 12, 7, 6, 10, "表示本塁打", false},
                                           OpenCase{1991, 16, "G ", 12, 9, 6, 11, "タイプ", false},
                                           OpenCase{1992, 16, "D ", 13, 9, 5, 11, "人気", false},
                                           OpenCase{1993, 16, "T ", 13, 10, 7, 11, "ユニフォーム", true}));

TEST_F(MainFormTest, SuspectDataWarnsOnceAfterTheGridIsComplete)
{
    SyntheticRom rom;
    test::FillPlausibleRoster(rom, 1988, 2);
    for (int slot = 0; slot < 3; ++slot) {
        Record record = rom.record(RecordKind::Batter, 1988, 0, slot);
        record[6] = 2;  // no batting side of 1988 has code 2
        rom.setRecord(RecordKind::Batter, 1988, 0, slot, record);
    }
    open(folder.write(QStringLiteral("suspect.nes"), rom), 1988);
    EXPECT_EQ(prompts.warnings, QStringList{QStringLiteral("バッターデータにエラーの可能性があります．")});
    EXPECT_TRUE(cell(form.BatterGrid, 2, 3).isEmpty());
}

TEST_F(MainFormTest, AFileTooShortForTheEditionIsSaidSo)
{
    open(folder.write(QStringLiteral("tiny.nes"), SyntheticRom(64)), 1993);
    ASSERT_FALSE(prompts.warnings.isEmpty());
    EXPECT_TRUE(prompts.warnings.back().contains(QStringLiteral("読み込めない")));
}

TEST_F(MainFormTest, SwitchingTeamsAsksOnlyWhenThereAreEdits)
{
    const QString path = writeRom(1993, 4);
    open(path, 1993);
    form.TeamBox->setCurrentIndex(13);
    EXPECT_EQ(form.session().team(), 13);
    EXPECT_EQ(cell(form.BatterGrid, 1, 1), DecodeName(1993, rom.record(RecordKind::Batter, 1993, 13, 0)));
    EXPECT_FALSE(prompts.asked.contains(QStringLiteral("save?cancel")));

    dialogs.value = 99;
    form.BatterGridDblClick(4, 1);
    ASSERT_TRUE(form.session().modified());
    prompts.answers = {SaveAnswer::No};
    form.TeamBox->setCurrentIndex(3);
    EXPECT_EQ(prompts.asked.count(QStringLiteral("save?cancel")), 1);
    EXPECT_FALSE(form.session().modified());
    EXPECT_EQ(form.session().team(), 3);
    form.TeamBox->setCurrentIndex(4);
    EXPECT_EQ(prompts.asked.count(QStringLiteral("save?cancel")), 1);
    EXPECT_EQ(ReadFile(path), original);
}

TEST_F(MainFormTest, YesOnATeamSwitchSavesTheOldTeamIntoTheOpenedRom)
{
    const QString path = writeRom(1990, 4);
    open(path, 1990);
    dialogs.value = 88;
    form.PitcherGridClick(10, 2);  // フォーク of pitcher slot 1
    prompts.answers = {SaveAnswer::Yes};
    form.TeamBox->setCurrentIndex(1);
    EXPECT_EQ(ReadFile(path).at(*RecordOffset(RecordKind::Pitcher, 1990, 0, 1, 0) + 13), 88);
    form.TeamBox->setCurrentIndex(0);
    EXPECT_EQ(cell(form.PitcherGrid, 10, 2), QStringLiteral("88"));
}

TEST_F(MainFormTest, EditingByDoubleClickAndByKeyboard)
{
    open(writeRom(1986, 6), 1986);
    dialogs.value = 0;
    const QModelIndex homeRuns = form.BatterGrid->model()->index(0, 3);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    DoubleClick(form.BatterGrid->viewport(), form.BatterGrid->visualRect(homeRuns).center());
    EXPECT_EQ(dialogs.caption, QStringLiteral("実本塁打"));
    EXPECT_EQ(cell(form.BatterGrid, 4, 1), QStringLiteral("0"));
    EXPECT_TRUE(form.session().modified());
    EXPECT_EQ(form.HomerunLabel->text(), form.session().view().statistics.HomerunLabel);

    form.BatterGrid->setFocus();
    form.BatterGrid->setCurrentIndex(form.BatterGrid->model()->index(1, 1));
    QTest::keyClick(form.BatterGrid, Qt::Key_Return);
    EXPECT_EQ(dialogs.caption, QStringLiteral("打席"));
    EXPECT_EQ(dialogs.choices, (QStringList{QStringLiteral("右"), QStringLiteral("左")}));
    EXPECT_EQ(cell(form.BatterGrid, 2, 2), QStringLiteral("左"));
    dialogs.value = 170;
    form.PitcherGrid->setCurrentIndex(form.PitcherGrid->model()->index(0, 5));
    QTest::keyClick(form.PitcherGrid, Qt::Key_F2);
    EXPECT_EQ(dialogs.caption, QStringLiteral("球速（速）"));
    EXPECT_EQ(cell(form.PitcherGrid, 6, 1), QStringLiteral("170"));
}

TEST_F(MainFormTest, AManagerCellEditsOnASingleClick)
{
    open(writeRom(1994, 2), 1994);
    form.show();
    form.DataPage->setCurrentIndex(2);
    dialogs.value = 77;
    const QModelIndex number = form.VisorGrid->model()->index(0, 2);
    QTest::mouseClick(form.VisorGrid->viewport(), Qt::LeftButton, {}, form.VisorGrid->visualRect(number).center());
    EXPECT_EQ(dialogs.caption, QStringLiteral("背番号"));
    EXPECT_EQ(cell(form.VisorGrid, 3, 1), QStringLiteral("77"));
}

// Dragging a row by its number moves the row in the model; the next Save
// stores the new order.
TEST_F(MainFormTest, ARowDraggedInTheGridIsSavedInItsNewOrder)
{
    const QString path = writeRom(1992, 8);
    open(path, 1992);
    const QString third = cell(form.BatterGrid, 1, 3);
    const QString first = cell(form.BatterGrid, 1, 1);
    form.BatterGrid->verticalHeader()->moveSection(2, 0);
    EXPECT_EQ(cell(form.BatterGrid, 1, 1), third);
    EXPECT_EQ(cell(form.BatterGrid, 1, 2), first);
    for (int row = 1; row <= 13; ++row)
        EXPECT_EQ(form.BatterGrid->model()->headerData(row - 1, Qt::Vertical).toString(), QString::number(row));
    EXPECT_EQ(form.BatterGrid->verticalHeader()->visualIndex(2), 2) << "the header shows rows top to bottom";
    EXPECT_TRUE(form.session().modified());
    EXPECT_EQ(form.PitcherGrid->model()->headerData(0, Qt::Vertical).toString(), QStringLiteral("1"));

    prompts.saveTarget = path;
    form.MenuSaveClick();
    EXPECT_EQ(DecodeName(1992, test::FileImage(path).record(RecordKind::Batter, 1992, 0, 0).record), third);
    EXPECT_EQ(DecodeName(1992, test::FileImage(path).record(RecordKind::Batter, 1992, 0, 1).record), first);
}

TEST_F(MainFormTest, SaveAsRenamesTheCaptionAndLaterFillsReadTheSavedFile)
{
    open(writeRom(1987, 3), 1987);
    dialogs.value = 40;
    form.BatterGridDblClick(7, 1);
    const QString copy = folder.path(QStringLiteral("コピー.nes"));
    prompts.saveTarget = copy;
    form.MenuSaveClick();
    EXPECT_EQ(ShownTitle(form), QStringLiteral("QUINDARO2 - コピー.nes"));
    prompts.answers = {SaveAnswer::No};
    form.TeamBox->setCurrentIndex(1);
    form.TeamBox->setCurrentIndex(0);
    EXPECT_EQ(cell(form.BatterGrid, 7, 1), QStringLiteral("40"));
    EXPECT_EQ(ReadFile(folder.path(QStringLiteral("game.nes"))), original);
}

TEST_F(MainFormTest, PickingAColourPaintsTheSquareAndMarksTheTeamChanged)
{
    open(writeRom(1991), 1991);
    prompts.color = 0x1C;
    form.HelmetButtonClick();
    EXPECT_EQ(form.session().view().HelmetColorCode, 0x1C);
    EXPECT_TRUE(form.HelmetColor->styleSheet().contains(QStringLiteral("#008a8c")));
    EXPECT_TRUE(form.session().modified());
    prompts.color = std::nullopt;
    const int uniform = form.session().view().UniformColorCode;
    form.UniformButtonClick();
    EXPECT_EQ(form.session().view().UniformColorCode, uniform);
}

TEST_F(MainFormTest, ExportWritesTheChosenFileAndWarnsWhenItCannot)
{
    open(writeRom(1986), 1986);
    prompts.exportChoice = ExportChoice{QString(), ExportMode::OneFile};
    form.MenuOutputClick();
    EXPECT_TRUE(prompts.warnings.isEmpty());

    const QString out = folder.path(QStringLiteral("players.txt"));
    prompts.exportChoice = ExportChoice{out, ExportMode::OneFile};
    form.MenuOutputClick();
    EXPECT_TRUE(ReadFile(out).startsWith("G\x83\x60\x81\x5B\x83\x80\r\n"));

    prompts.exportChoice = ExportChoice{folder.path(QStringLiteral("missing/players.txt")), ExportMode::PerTeam};
    form.MenuOutputClick();
    ASSERT_EQ(prompts.warnings.size(), 1);
    EXPECT_TRUE(prompts.warnings[0].contains(QStringLiteral("players_G.txt")));
}

TEST_F(MainFormTest, OpenAndExitAskBeforeDroppingEdits)
{
    const QString path = writeRom(1989);
    open(path, 1989);
    dialogs.value = 50;
    form.BatterGridDblClick(5, 1);
    prompts.answers = {SaveAnswer::Cancel};
    open(writeRom(1993, 2, QStringLiteral("other.nes")), 1993);
    EXPECT_EQ(form.session().document()->edition(), 1989);
    EXPECT_EQ(ShownTitle(form), QStringLiteral("QUINDARO2 - game.nes*"));
    EXPECT_TRUE(prompts.asked.contains(QStringLiteral("save?cancel")));

    prompts.answers = {SaveAnswer::Cancel};
    form.show();
    EXPECT_FALSE(form.close());
    prompts.answers = {SaveAnswer::No};
    EXPECT_TRUE(form.close());
}

TEST_F(MainFormTest, ADroppedFileOpensAfterTheEditionQuestion)
{
    const QString path = writeRom(1994);
    prompts.edition = 1994;
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &drop);
    EXPECT_EQ(prompts.asked, QStringList{QStringLiteral("edition")});
    EXPECT_EQ(form.session().document()->path(), path);
    EXPECT_EQ(form.TeamBox->count(), 16);
}

// --- importing the exported text ------------------------------------------------

TEST_F(MainFormTest, ImportShowsTheChangesAsksAndRefillsTheShownTeam)
{
    form.MenuImportClick();
    EXPECT_TRUE(prompts.asked.isEmpty()) << "nothing to import into before a ROM is open";

    const QString path = writeRom(1986, 5);
    open(path, 1986);
    QStringList lines = test::ExportLines(RomImage(original), 1986);
    const int line = test::ExportLineIndex(1986, 0, RecordKind::Batter, 0);
    const QString before = test::Field(lines, line, 4);
    const QString after = before == QStringLiteral("40") ? QStringLiteral("41") : QStringLiteral("40");
    test::SetField(lines, line, 4, after);
    prompts.importFiles = QStringList{folder.write(QStringLiteral("players.txt"), test::ShiftJisText(lines))};
    prompts.asked.clear();

    prompts.writeImport = false;
    form.MenuImportClick();
    EXPECT_EQ(prompts.asked, (QStringList{QStringLiteral("import-files"), QStringLiteral("import?")}));
    EXPECT_EQ(prompts.importSummary, QStringLiteral("10 チームを読みました。1 チームの 1 セルが変わります（Gチーム 1）"));
    EXPECT_EQ(prompts.importDetails,
              QStringLiteral("Gチーム バッター 1「%1」 実本塁打：%2 → %3").arg(cell(form.BatterGrid, 1, 1), before, after));
    EXPECT_EQ(ReadFile(path), original);

    prompts.writeImport = true;
    form.MenuImportClick();
    EXPECT_EQ(cell(form.BatterGrid, 4, 1), after);
    EXPECT_EQ(form.session().view().BatterGrid.cell(4, 1), after);
    EXPECT_EQ(form.HomerunLabel->text(), form.session().view().statistics.HomerunLabel);
    EXPECT_FALSE(form.session().modified());
    EXPECT_EQ(test::FileImage(path).record(RecordKind::Batter, 1986, 0, 0).record[9],
              form.session().document()->fileImage().record(RecordKind::Batter, 1986, 0, 0).record[9]);
    EXPECT_NE(ReadFile(path), original);
    EXPECT_TRUE(prompts.warnings.isEmpty()) << prompts.warnings.join(u'\n').toStdString();
}

// An import is one step of the history, saved at once: undoing it shows the
// teams as before and marks the document modified, and the next Save writes
// them back.
TEST_F(MainFormTest, AnImportIsOneStepThatCanBeUndone)
{
    const QString path = writeRom(1987, 4);
    open(path, 1987);
    QStringList lines = test::ExportLines(RomImage(original), 1987);
    for (const int team : {0, 5}) {
        const int line = test::ExportLineIndex(1987, team, RecordKind::Batter, 2);
        test::SetField(lines, line, 4, test::Field(lines, line, 4) == QStringLiteral("30") ? QStringLiteral("31") : QStringLiteral("30"));
    }
    prompts.importFiles = QStringList{folder.write(QStringLiteral("players.txt"), test::ShiftJisText(lines))};
    prompts.writeImport = true;
    const QString before = cell(form.BatterGrid, 4, 3);
    form.MenuImportClick();
    ASSERT_NE(ReadFile(path), original);
    EXPECT_NE(cell(form.BatterGrid, 4, 3), before);
    EXPECT_FALSE(form.isWindowModified());
    EXPECT_EQ(form.MenuUndo->text(), QStringLiteral("元に戻す：選手データ取込(&U)"));

    form.MenuUndo->trigger();
    EXPECT_EQ(cell(form.BatterGrid, 4, 3), before);
    EXPECT_TRUE(form.isWindowModified());
    EXPECT_EQ(form.session().document()->changedTeams(), (std::vector<int>{0, 5}));
    prompts.saveTarget = path;
    form.MenuSaveClick();
    EXPECT_EQ(ReadFile(path), original);
    EXPECT_FALSE(form.isWindowModified());
}

// What is shown is what is saved: a value the record keeps otherwise shows
// as it is stored, the status bar says so, and the figures follow.
TEST_F(MainFormTest, ACellShowsWhatItsBytesHold)
{
    const QString path = writeRom(1993, 2);
    open(path, 1993);
    form.TeamBox->setCurrentIndex(13);  // the second "C "
    ASSERT_EQ(form.session().team(), 13);
    dialogs.value = 327;
    form.BatterGridDblClick(3, 2);
    EXPECT_EQ(cell(form.BatterGrid, 3, 2), QStringLiteral("326"));
    EXPECT_EQ(form.statusBar()->currentMessage(), QStringLiteral("打率 327 は 326 として記録されます"));
    prompts.saveTarget = path;
    form.MenuSaveClick();
    const TeamView saved = FillTeam(test::Profile(1993), test::FileImage(path), 13);
    EXPECT_EQ(saved.BatterGrid.cell(3, 2), QStringLiteral("326"));
    EXPECT_EQ(form.AverageLabel->text(), saved.statistics.AverageLabel);
}

TEST_F(MainFormTest, ImportAsksAboutUnsavedEditsFirst)
{
    const QString path = writeRom(1989, 3);
    open(path, 1989);
    dialogs.value = 50;
    form.BatterGridDblClick(5, 1);
    prompts.asked.clear();

    prompts.answers = {SaveAnswer::Cancel};
    form.MenuImportClick();
    EXPECT_EQ(prompts.asked, QStringList{QStringLiteral("save?cancel")});

    // "No" keeps the edits on screen until an import replaces them.
    prompts.answers = {SaveAnswer::No};
    form.MenuImportClick();
    EXPECT_EQ(prompts.asked.mid(1), (QStringList{QStringLiteral("save?cancel"), QStringLiteral("import-files")}));
    EXPECT_TRUE(form.session().modified());
    EXPECT_EQ(cell(form.BatterGrid, 5, 1), QStringLiteral("50"));

    prompts.answers = {SaveAnswer::No};
    const QByteArray unchanged = test::ShiftJisText(test::ExportLines(RomImage(original), 1989));
    prompts.importFiles = QStringList{folder.write(QStringLiteral("players.txt"), unchanged)};
    form.MenuImportClick();
    EXPECT_FALSE(prompts.asked.contains(QStringLiteral("import?"))) << "an import that changes nothing asks nothing";
    EXPECT_EQ(ReadFile(path), original);
}

TEST_F(MainFormTest, ARefusedImportListsEveryProblemAndWritesNothing)
{
    const QString path = writeRom(1991, 2);
    open(path, 1991);
    QStringList lines = test::ExportLines(RomImage(original), 1991);
    test::SetField(lines, test::ExportLineIndex(1991, 0, RecordKind::Batter, 2), 3, QStringLiteral("3割"));
    test::SetField(lines, test::ExportLineIndex(1991, 4, RecordKind::Pitcher, 1), 11, QStringLiteral("32"));
    prompts.importFiles = QStringList{folder.write(QStringLiteral("players.txt"), test::ShiftJisText(lines))};
    form.MenuImportClick();
    EXPECT_TRUE(prompts.asked.contains(QStringLiteral("import-problems")));
    EXPECT_FALSE(prompts.asked.contains(QStringLiteral("import?")));
    EXPECT_EQ(prompts.importSummary, QStringLiteral("取り込めないところが 2 か所あります。何も書き込みません"));
    const QStringList details = prompts.importDetails.split(u'\n');
    ASSERT_EQ(details.size(), 2);
    EXPECT_TRUE(details[0].contains(QStringLiteral("players.txt 5 行目 打率「3割」"))) << details[0].toStdString();
    EXPECT_TRUE(details[1].contains(QStringLiteral("タイプ「32」"))) << details[1].toStdString();
    EXPECT_EQ(ReadFile(path), original);

    prompts.importFiles = QStringList{folder.path(QStringLiteral("missing.txt"))};
    form.MenuImportClick();
    ASSERT_EQ(prompts.warnings.size(), 1);
    EXPECT_TRUE(prompts.warnings[0].contains(QStringLiteral("missing.txt"))) << prompts.warnings[0].toStdString();
}

// "パッチとして保存" leaves the ROM as it is and writes the patch that a Save
// of the shown team would make of it.
TEST_F(MainFormTest, APatchIsWhatASaveWouldWrite)
{
    EXPECT_FALSE(form.MenuPatch->isEnabled());
    const QString path = writeRom(1994, 4);
    open(path, 1994);
    EXPECT_TRUE(form.MenuPatch->isEnabled());
    dialogs.value = 33;
    form.BatterGridDblClick(4, 2);
    prompts.color = 0x16;
    form.HelmetButtonClick();

    prompts.patchFile = folder.path(QStringLiteral("update.bps"));
    form.MenuPatchClick();
    EXPECT_EQ(prompts.patchBaseName, QStringLiteral("game"));
    EXPECT_EQ(ReadFile(path), original);
    EXPECT_TRUE(form.session().modified()) << "the edits are still to be saved";
    const Result<AppliedPatch> applied = ApplyPatch(original, ReadFile(*prompts.patchFile));
    ASSERT_TRUE(applied.ok()) << applied.reason().toStdString();

    prompts.saveTarget = path;
    form.MenuSaveClick();
    EXPECT_EQ(applied->target, ReadFile(path));

    prompts.patchFile = folder.path(QStringLiteral("update.txt"));
    form.MenuPatchClick();
    ASSERT_EQ(prompts.warnings.size(), 1);
    EXPECT_TRUE(prompts.warnings[0].contains(QStringLiteral(".bps"))) << prompts.warnings[0].toStdString();
}

// A window that is shown while it is destroyed hides itself on the way: its
// views must not outlive the team they show.
TEST(MainFormLifetime, AVisibleWindowWithAnEditedTeamIsDestroyed)
{
    RomFolder folder;
    SyntheticRom rom;
    test::FillPlausibleRoster(rom, 1993, 2);
    ScriptedPrompts prompts;
    prompts.romFile = folder.write(QStringLiteral("game.nes"), rom);
    prompts.edition = 1993;
    prompts.answers = {SaveAnswer::No};
    ScriptedEditDialogs dialogs;
    dialogs.value = 12;
    auto* form = new TMainForm(&prompts, &dialogs);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    form->MenuOpenClick();
    form->BatterGridDblClick(4, 1);
    QApplication::processEvents();
    delete form;
    SUCCEED();
}

} // namespace
} // namespace quindaro2
