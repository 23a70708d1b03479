#include "core/edit/CellEdit.h"
#include "core/edit/EditCommands.h"
#include "core/roster/GridFill.h"
#include "support/PlausibleRom.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace quindaro2 {
namespace {

using test::RomFolder;
using test::SyntheticRom;

// Records every dialog shown and answers from a script. Like the real dialogs
// it checks a typed answer: a refused one is recorded with its reason, and
// the user then cancels.
class ScriptedDialogs : public EditDialogs {
public:
    QString shown;  // "name", "list" or "value"
    QString error;  // the last error shown
    QString refusal;  // the last reason a dialog gave for refusing an answer
    QString caption;
    QString label;
    QStringList choices;
    QString current;
    ValueRange range;
    int start = 0;
    QString hint;
    int nameEdition = 0;
    bool ignoreCheck = false;  // a dialog that takes any answer

    std::optional<QString> nameAnswer;
    std::optional<QString> listAnswer;
    std::optional<int> valueAnswer;

    std::optional<QString> EditName(int edition, const QString& name, const AnswerCheck& check) override
    {
        shown = QStringLiteral("name");
        nameEdition = edition;
        label = name;
        return checked(nameAnswer, check);
    }
    std::optional<QString> ChooseItem(const QString& c, const QString& l, const QStringList& offered,
                                      const QString& shownCurrent) override
    {
        shown = QStringLiteral("list");
        caption = c;
        label = l;
        choices = offered;
        current = shownCurrent;
        return listAnswer;
    }
    std::optional<QString> EnterValue(const QString& c, const QString& l, const ValueRange& r, int s,
                                      const QString& h, const AnswerCheck& check) override
    {
        shown = QStringLiteral("value");
        caption = c;
        label = l;
        range = r;
        start = s;
        hint = h;
        return checked(valueAnswer ? std::optional<QString>(QString::number(*valueAnswer)) : std::nullopt, check);
    }
    void ShowError(const QString& message) override { error = message; }

private:
    std::optional<QString> checked(const std::optional<QString>& answer, const AnswerCheck& check)
    {
        if (!answer || ignoreCheck)
            return answer;
        refusal = check(*answer);
        return refusal.isEmpty() ? answer : std::nullopt;
    }
};

// The editor with a plausible team of the edition on show.
struct Editor {
    RomFolder folder;
    ShownTeam team;

    explicit Editor(int edition)
    {
        SyntheticRom rom;
        test::FillPlausibleRoster(rom, edition, 17);
        team.state.RomPath = folder.write(QStringLiteral("rom.nes"), rom);
        team.state.Edition = edition;
        (void)FillTeamFromFile(team);
        team.statistics.AverageLabel = QStringLiteral("stale");
    }

    bool figuresRecomputed() const { return team.statistics.AverageLabel != QStringLiteral("stale"); }
};

// What the editor does for a double-click or a click on a cell.
void RunCommand(RecordKind grid, ShownTeam& team, int column, int row, EditDialogs& dialogs)
{
    if (const std::optional<Change> change = AskCellEdit(team, grid, column, row, dialogs))
        Apply(team, *change);
}

// What the dialog of a number column shows, written out from the editions' tables.
struct NumberColumn {
    const char* caption;
    int minimum;
    int maximum;
    int step;
    const char* hint = "";
};

const char* kPositionHint = "(10=DH,11=監督)";
const char* kNumberHint = "(101以降は下二桁のみ反映)";
const char* kBatterTypeHint = "(内野手:1-3　外野手:4-6　捕手:7\r)（他の値でも動作可能)";
const char* kPitcherTypeHint = "(8-10)\r（他の値でも動作可能)";

// Columns 3 onwards of each grid, by edition; columns 1 and 2 are the name and the list.
std::vector<NumberColumn> BatterNumbers(int edition)
{
    if (edition <= 1990) {
        const int homeRuns = edition <= 1987 ? 62 : edition == 1990 ? 60 : 59;
        return {{"実打率", 150, 348, 2}, {"実本塁打", 0, homeRuns, 1}, {"走力", 0, 70, 1},
                {"表示打率", 150, 400, 2}, {"表示本塁打", 0, edition == 1990 ? 78 : 99, 1}};
    }
    if (edition == 1991)
        return {{"打率", 150, 400, 2},   {"本塁打", 0, 99, 1}, {"走力", 0, 99, 1},
                {"守備位置", 2, 9, 2, kPositionHint}, {"守備力", 0, 32, 2}, {"肩", 0, 32, 1},
                {"タイプ", 0, 15, 1, kBatterTypeHint}};
    if (edition == 1992)
        return {{"打率", 150, 400, 2},  {"本塁打", 0, 99, 1}, {"走力", 0, 99, 1}, {"守備位置", 2, 9, 1, kPositionHint},
                {"守備力", 0, 8, 1}, {"肩", 0, 9, 1},    {"人気", 0, 10, 1}};
    return {{"打率", 150, 400, 2},  {"本塁打", 0, 99, 1}, {"走力", 0, 99, 1}, {"守備位置", 2, 10, 1, kPositionHint},
            {"守備力", 0, 8, 1}, {"肩", 0, 9, 1},    {"背番号", 0, 109, 1, kNumberHint}, {"ユニフォーム", 0, 15, 1}};
}

std::vector<NumberColumn> PitcherNumbers(int edition)
{
    if (edition <= 1990)
        return {{"防御率", 0, edition == 1986 ? 990 : 900, 5}, {"球速（遅）", 60, 190, 1}, {"球速（平）", 60, 190, 1},
                {"球速（速）", 60, 190, 1}, {"スタミナ", 0, edition == 1990 ? 90 : 99, 1}, {"右変化", 0, 99, 1},
                {"左変化", 0, 99, 1}, {"フォーク", 0, 99, 1}};
    if (edition <= 1992) {
        const int speed = edition == 1991 ? 255 : 190;
        std::vector<NumberColumn> columns{{"防御率", 0, 900, 5},     {"球速（速）", 60, speed, 1},
                                          {"球速（平）", 60, speed, 1}, {"球速（遅）", 60, speed, 1},
                                          {"スタミナ", 0, 90, 1},    {"右変化", 0, 99, 1},
                                          {"左変化", 0, 99, 1},      {"フォーク", 0, 99, 1}};
        columns.push_back(edition == 1991 ? NumberColumn{"タイプ", 0, 15, 1, kPitcherTypeHint}
                                          : NumberColumn{"人気", 0, 10, 1});
        return columns;
    }
    return {{"防御率", 0, 900, 5}, {"球速（速）", 60, 190, 1}, {"球速（遅）", 60, 190, 1}, {"スタミナ", 0, 90, 1},
            {"右変化", 0, 99, 1}, {"左変化", 0, 99, 1}, {"フォーク", 0, 99, 1}, {"背番号", 0, 109, 1, kNumberHint},
            {"ユニフォーム", 0, 15, 1}};
}

std::vector<NumberColumn> ManagerNumbers()
{
    return {{"守備位置", 11, 11, 0, kPositionHint}, {"背番号", 0, 109, 1, kNumberHint}, {"ユニフォーム", 0, 15, 1}};
}

QStringList Texts(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* text : texts)
        list << QString::fromUtf8(text);
    return list;
}

QStringList SideChoices(int edition)
{
    if (edition <= 1989)
        return Texts({"右", "左"});
    if (edition <= 1992)
        return Texts({"右", "左", "両"});
    return Texts({"右", "左", "両", "右ソ", "左ソ", "両ソ", "右神", "左神", "両神", "右ソ神", "左ソ神", "両ソ神"});
}

QStringList FormChoices(int edition)
{
    if (edition <= 1989)
        return Texts({"右上", "左上", "右下", "左下"});
    if (edition == 1990)
        return Texts({"右上", "左上", "右下", "左下", "右横", "左横"});
    if (edition == 1991)
        return Texts({"右上", "左上", "右下", "左下", "右横", "左横", "右背", "左背", "右消", "左消"});
    if (edition == 1992)
        return Texts({"右上", "左上", "右下", "左下", "右横", "左横", "右背", "左背", "右ま"});
    return Texts({"右上", "左上", "右下", "左下", "右横", "左横", "右背", "左背"});
}

const char* GridName(RecordKind grid)
{
    return grid == RecordKind::Batter ? "batter" : grid == RecordKind::Pitcher ? "pitcher" : "manager";
}

struct GridCase {
    RecordKind grid;
    int edition;
};

std::ostream& operator<<(std::ostream& out, const GridCase& c)
{
    return out << GridName(c.grid) << ' ' << c.edition;
}

class EditCommandTest : public ::testing::TestWithParam<GridCase> {};

// Every number column opens the value dialog with its caption, the player's
// name, its range and hint; OK inside the range writes the number, a number
// outside it is refused with the range, and Cancel changes nothing.
TEST_P(EditCommandTest, NumberColumnsShowTheirRangeAndAcceptOnlyNumbersInIt)
{
    const auto [grid, edition] = GetParam();
    const std::vector<NumberColumn> expected =
        grid == RecordKind::Batter ? BatterNumbers(edition)
                                   : grid == RecordKind::Pitcher ? PitcherNumbers(edition) : ManagerNumbers();
    const int firstNumber = grid == RecordKind::Manager ? 2 : 3;
    const int row = grid == RecordKind::Manager ? 1 : 2;
    Editor editor(edition);
    TextGrid& cells = editor.team.grid(grid);
    ASSERT_EQ(cells.columnCount(), firstNumber + static_cast<int>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const int column = firstNumber + static_cast<int>(i);
        const NumberColumn& want = expected[i];
        const QString before = cells.cell(column, row);
        ScriptedDialogs dialogs;
        editor.team.state.DataChanged = false;

        dialogs.valueAnswer = want.maximum + 1;
        RunCommand(grid, editor.team, column, row, dialogs);
        EXPECT_EQ(dialogs.shown, QStringLiteral("value")) << want.caption;
        EXPECT_EQ(dialogs.caption, QString::fromUtf8(want.caption));
        EXPECT_EQ(dialogs.label, cells.cell(1, row));
        EXPECT_EQ(dialogs.range, (ValueRange{want.minimum, want.maximum, want.step})) << want.caption;
        EXPECT_EQ(dialogs.start, before.toInt());
        EXPECT_EQ(dialogs.hint.trimmed(), QString::fromUtf8(want.hint)) << want.caption;
        EXPECT_EQ(cells.cell(column, row), before) << want.caption;
        EXPECT_FALSE(editor.team.state.DataChanged);
        EXPECT_TRUE(dialogs.refusal.contains(QStringLiteral("%1～%2").arg(want.minimum).arg(want.maximum)))
            << dialogs.refusal.toStdString();
        EXPECT_TRUE(dialogs.error.isEmpty()) << "the dialog itself refuses";

        dialogs.valueAnswer = want.minimum - 1;
        RunCommand(grid, editor.team, column, row, dialogs);
        dialogs.valueAnswer = std::nullopt;
        RunCommand(grid, editor.team, column, row, dialogs);
        EXPECT_EQ(cells.cell(column, row), before) << want.caption;
        EXPECT_FALSE(editor.team.state.DataChanged);

        dialogs.valueAnswer = want.maximum;
        RunCommand(grid, editor.team, column, row, dialogs);
        EXPECT_EQ(cells.cell(column, row), QString::number(want.maximum)) << want.caption;
        EXPECT_TRUE(editor.team.state.DataChanged);
    }
    EXPECT_TRUE(editor.figuresRecomputed()) << "the figures follow every applied change";
}

TEST_P(EditCommandTest, TheNameColumnOpensTheNameDialog)
{
    const auto [grid, edition] = GetParam();
    Editor editor(edition);
    ScriptedDialogs dialogs;
    TextGrid& cells = editor.team.grid(grid);
    const QString name = cells.cell(1, 1);
    RunCommand(grid, editor.team, 1, 1, dialogs);
    EXPECT_EQ(dialogs.shown, QStringLiteral("name"));
    EXPECT_EQ(dialogs.nameEdition, edition);
    EXPECT_EQ(dialogs.label, name);
    EXPECT_EQ(cells.cell(1, 1), name);
    EXPECT_FALSE(editor.team.state.DataChanged);

    dialogs.nameAnswer = QStringLiteral("あいう");
    RunCommand(grid, editor.team, 1, 1, dialogs);
    EXPECT_EQ(cells.cell(1, 1), QStringLiteral("あいう"));
    EXPECT_TRUE(editor.team.state.DataChanged);
}

TEST_P(EditCommandTest, TheListColumnOffersTheEditionsChoices)
{
    const auto [grid, edition] = GetParam();
    if (grid == RecordKind::Manager)
        GTEST_SKIP() << "the manager has no list column";
    Editor editor(edition);
    ScriptedDialogs dialogs;
    TextGrid& cells = editor.team.grid(grid);
    const QString before = cells.cell(2, 3);
    RunCommand(grid, editor.team, 2, 3, dialogs);
    EXPECT_EQ(dialogs.shown, QStringLiteral("list"));
    EXPECT_EQ(dialogs.caption, grid == RecordKind::Batter ? QStringLiteral("打席") : QStringLiteral("投法"));
    EXPECT_EQ(dialogs.label, cells.cell(1, 3));
    EXPECT_EQ(dialogs.current, before);
    EXPECT_EQ(dialogs.choices, grid == RecordKind::Batter ? SideChoices(edition) : FormChoices(edition));
    EXPECT_EQ(cells.cell(2, 3), before);
    EXPECT_FALSE(editor.team.state.DataChanged);
    EXPECT_FALSE(editor.figuresRecomputed()) << "a cancelled edit changes nothing";

    dialogs.listAnswer = dialogs.choices.back();
    RunCommand(grid, editor.team, 2, 3, dialogs);
    EXPECT_EQ(cells.cell(2, 3), dialogs.choices.back());
    EXPECT_TRUE(editor.team.state.DataChanged);
}

TEST_P(EditCommandTest, HeadingsRowNumbersAndCellsPastTheGridDoNothing)
{
    const auto [grid, edition] = GetParam();
    Editor editor(edition);
    const TextGrid before = editor.team.grid(grid);
    for (auto [column, row] : {std::pair{0, 1}, std::pair{1, 0}, std::pair{0, 0},
                               std::pair{before.columnCount(), 1}, std::pair{1, before.rowCount()}}) {
        ScriptedDialogs dialogs;
        dialogs.valueAnswer = 1;
        dialogs.nameAnswer = QStringLiteral("あ");
        RunCommand(grid, editor.team, column, row, dialogs);
        EXPECT_TRUE(dialogs.shown.isEmpty()) << column << ',' << row;
    }
    EXPECT_EQ(editor.team.grid(grid), before);
    EXPECT_FALSE(editor.team.state.DataChanged);
    EXPECT_FALSE(editor.figuresRecomputed());
}

std::vector<GridCase> AllGrids()
{
    std::vector<GridCase> cases;
    for (int edition = 1986; edition <= 1994; ++edition) {
        cases.push_back({RecordKind::Batter, edition});
        cases.push_back({RecordKind::Pitcher, edition});
        if (edition >= 1993)
            cases.push_back({RecordKind::Manager, edition});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Editions, EditCommandTest, ::testing::ValuesIn(AllGrids()));

TEST(EditCommands, ANumberCellThatIsNoNumberIsSaidBeforeAnyDialog)
{
    Editor editor(1986);
    editor.team.BatterGrid.setCell(3, 1, QString());
    ScriptedDialogs dialogs;
    dialogs.valueAnswer = 200;
    RunCommand(RecordKind::Batter, editor.team, 3, 1, dialogs);
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(dialogs.error, QStringLiteral("'' は数値ではありません"));
    EXPECT_TRUE(editor.team.BatterGrid.cell(3, 1).isEmpty());
    EXPECT_FALSE(editor.figuresRecomputed());
}

// A name the edition cannot store would be cut by the next Save: it is refused
// with a message, and the cell keeps its name.
TEST(EditCommands, ANameTheEditionCannotStoreIsRefused)
{
    for (auto [edition, name] : {std::pair{1990, "ーあ"}, std::pair{1992, "ＪＡ"}, std::pair{1993, "をあ"},
                                 std::pair{1987, "あいうえお"}, std::pair{1994, "あいうえおか"}}) {
        Editor editor(edition);
        const QString before = editor.team.BatterGrid.cell(1, 1);
        ScriptedDialogs dialogs;
        dialogs.nameAnswer = QString::fromUtf8(name);
        RunCommand(RecordKind::Batter, editor.team, 1, 1, dialogs);
        EXPECT_TRUE(dialogs.refusal.contains(QString::fromUtf8(name))) << edition << ' ' << name;
        EXPECT_EQ(editor.team.BatterGrid.cell(1, 1), before);
        EXPECT_FALSE(editor.team.state.DataChanged);
    }
}

// The dialogs' check is EditCell itself: a dialog that takes any answer
// still ends in the same refusal, shown after it closed.
TEST(EditCommands, AnAnswerTheDialogLetThroughIsRefusedAllTheSame)
{
    Editor editor(1993);
    const QString before = editor.team.BatterGrid.cell(9, 1);
    ScriptedDialogs checking;
    checking.valueAnswer = 110;
    RunCommand(RecordKind::Batter, editor.team, 9, 1, checking);
    ScriptedDialogs lax;
    lax.ignoreCheck = true;
    lax.valueAnswer = 110;
    RunCommand(RecordKind::Batter, editor.team, 9, 1, lax);
    EXPECT_EQ(checking.caption, QStringLiteral("背番号"));
    EXPECT_FALSE(checking.refusal.isEmpty());
    EXPECT_EQ(lax.error, checking.refusal);
    EXPECT_TRUE(lax.error.contains(QStringLiteral("0～109"))) << lax.error.toStdString();
    EXPECT_EQ(editor.team.BatterGrid.cell(9, 1), before);
    EXPECT_FALSE(editor.team.state.DataChanged);
}

// A record the ROM could not give has an empty row; its cells say so instead
// of calling the empty text no number.
TEST(EditCommands, ACellOfARecordThatCouldNotBeReadSaysSo)
{
    Editor editor(1994);
    editor.team.source = RomImage(editor.team.source.bytes().left(0x10 + 40));
    ScriptedDialogs dialogs;
    dialogs.valueAnswer = 1;
    RunCommand(RecordKind::Pitcher, editor.team, 4, 2, dialogs);
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_TRUE(dialogs.error.contains(QStringLiteral("読み込めませんでした"))) << dialogs.error.toStdString();
    EXPECT_FALSE(dialogs.error.contains(QStringLiteral("数値ではありません")));
}

TEST(EditCommands, OddNumbersInsideARangeWithStepTwoAreAccepted)
{
    Editor editor(1986);
    ScriptedDialogs dialogs;
    dialogs.valueAnswer = 151;
    RunCommand(RecordKind::Batter, editor.team, 3, 1, dialogs);
    EXPECT_EQ(editor.team.BatterGrid.cell(3, 1), QStringLiteral("151"));
}

TEST(EditCommands, TheManagerOfAnEditionBefore1993CannotBeEdited)
{
    Editor editor(1992);
    editor.team.VisorGrid.reset(5, 2);
    ScriptedDialogs dialogs;
    dialogs.valueAnswer = 11;
    RunCommand(RecordKind::Manager, editor.team, 2, 1, dialogs);
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_FALSE(editor.team.state.DataChanged);
}

TEST(EditCommands, AManagerAtPositionTenCanBeSetToElevenOnly)
{
    Editor editor(1993);
    editor.team.VisorGrid.setCell(2, 1, QStringLiteral("10"));
    ScriptedDialogs dialogs;
    dialogs.valueAnswer = 10;
    RunCommand(RecordKind::Manager, editor.team, 2, 1, dialogs);
    EXPECT_EQ(dialogs.start, 10);
    EXPECT_FALSE(editor.team.state.DataChanged);
    dialogs.valueAnswer = 11;
    RunCommand(RecordKind::Manager, editor.team, 2, 1, dialogs);
    EXPECT_EQ(editor.team.VisorGrid.cell(2, 1), QStringLiteral("11"));
}

// A moved row takes all its cells; the row numbers read 1..N again and the
// team counts as changed, so that a team switch asks before dropping the order.
TEST(MoveRow, MovesTheRowRenumbersAndMarksTheTeamChanged)
{
    Editor editor(1990);
    const TextGrid before = editor.team.BatterGrid;
    const Result<Change> move = MoveRow(editor.team, RecordKind::Batter, 3, 1);
    ASSERT_TRUE(move);
    Apply(editor.team, move.value());
    const TextGrid& after = editor.team.BatterGrid;
    for (int column = 1; column < after.columnCount(); ++column) {
        EXPECT_EQ(after.cell(column, 1), before.cell(column, 3));
        EXPECT_EQ(after.cell(column, 2), before.cell(column, 1));
        EXPECT_EQ(after.cell(column, 3), before.cell(column, 2));
        EXPECT_EQ(after.cell(column, 4), before.cell(column, 4));
    }
    for (int row = 1; row < after.rowCount(); ++row)
        EXPECT_EQ(after.cell(0, row), QString::number(row));
    EXPECT_TRUE(editor.team.state.DataChanged);
    EXPECT_EQ(editor.team.PitcherGrid.cell(0, 1), QStringLiteral("1"));
}

TEST(MoveRow, TheHeadingRowAndRowsPastTheRosterDoNotMove)
{
    Editor editor(1993);
    for (auto [from, to] : {std::pair{0, 2}, std::pair{2, 2}, std::pair{2, 8}, std::pair{-1, 1}})
        EXPECT_FALSE(MoveRow(editor.team, RecordKind::Pitcher, from, to)) << from << "->" << to;
    EXPECT_FALSE(MoveRow(editor.team, RecordKind::Manager, 1, 1));
}

} // namespace
} // namespace quindaro2
