#include "core/edit/CellEdit.h"
#include "core/edit/EditCommands.h"
#include "core/roster/GridFill.h"
#include "core/edition/EditionProfile.h"
#include "support/PlausibleRom.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace quindaro2 {
namespace {

using test::Profile;
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

QByteArray PlausibleBytes(int edition)
{
    SyntheticRom rom;
    test::FillPlausibleRoster(rom, edition, 17);
    return rom.bytes();
}

// A document of a plausible ROM of the edition, with its team 0 on show.
struct Editor {
    RomDocument document;

    explicit Editor(int edition, const QByteArray& bytes = {})
        : document(QStringLiteral("rom.nes"), Profile(edition), RomImage(bytes.isEmpty() ? PlausibleBytes(edition) : bytes))
    {
    }

    // The grid as its bytes read now.
    TextGrid cells(RecordKind grid) const { return FillTeam(document.profile(), document.image(), 0).grid(grid); }
    bool changed() const { return document.modified(); }
};

// What the editor does for a double-click or a click on a cell.
void RunCommand(RecordKind grid, Editor& editor, int column, int row, EditDialogs& dialogs)
{
    if (const std::optional<Change> change = AskCellEdit(editor.document, 0, grid, column, row, dialogs)) {
        EXPECT_TRUE(editor.document.apply({QString(), {*change}}));
    }
}

// What the dialog of a number column shows, written out from the editions' tables.
struct NumberColumn {
    const char* caption;
    int minimum;
    int maximum;
    int step;
    const char* hint = "";
    int storedMaximum = -1;  // what the maximum is stored as, when its record cannot hold it
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
        const int storedHomeRuns = edition == 1986 ? 48 : edition == 1987 ? 60 : -1;
        return {{"実打率", 150, 348, 2}, {"実本塁打", 0, homeRuns, 1, "", storedHomeRuns}, {"走力", 0, 70, 1},
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
    ASSERT_EQ(editor.cells(grid).columnCount(), firstNumber + static_cast<int>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const int column = firstNumber + static_cast<int>(i);
        const NumberColumn& want = expected[i];
        const QString before = editor.cells(grid).cell(column, row);
        ScriptedDialogs dialogs;
        editor.document.revertToFile();

        dialogs.valueAnswer = want.maximum + 1;
        RunCommand(grid, editor, column, row, dialogs);
        EXPECT_EQ(dialogs.shown, QStringLiteral("value")) << want.caption;
        EXPECT_EQ(dialogs.caption, QString::fromUtf8(want.caption));
        EXPECT_EQ(dialogs.label, editor.cells(grid).cell(1, row));
        EXPECT_EQ(dialogs.range, (ValueRange{want.minimum, want.maximum, want.step})) << want.caption;
        EXPECT_EQ(dialogs.start, before.toInt());
        EXPECT_EQ(dialogs.hint.trimmed(), QString::fromUtf8(want.hint)) << want.caption;
        EXPECT_EQ(editor.cells(grid).cell(column, row), before) << want.caption;
        EXPECT_FALSE(editor.changed());
        EXPECT_TRUE(dialogs.refusal.contains(QStringLiteral("%1～%2").arg(want.minimum).arg(want.maximum)))
            << dialogs.refusal.toStdString();
        EXPECT_TRUE(dialogs.error.isEmpty()) << "the dialog itself refuses";

        dialogs.valueAnswer = want.minimum - 1;
        RunCommand(grid, editor, column, row, dialogs);
        dialogs.valueAnswer = std::nullopt;
        RunCommand(grid, editor, column, row, dialogs);
        EXPECT_EQ(editor.cells(grid).cell(column, row), before) << want.caption;
        EXPECT_FALSE(editor.changed());

        dialogs.valueAnswer = want.maximum;
        RunCommand(grid, editor, column, row, dialogs);
        const int stored = want.storedMaximum >= 0 ? want.storedMaximum : want.maximum;
        EXPECT_EQ(editor.cells(grid).cell(column, row), QString::number(stored)) << want.caption;
        EXPECT_TRUE(editor.changed());
    }
}

TEST_P(EditCommandTest, TheNameColumnOpensTheNameDialog)
{
    const auto [grid, edition] = GetParam();
    Editor editor(edition);
    ScriptedDialogs dialogs;
    const QString name = editor.cells(grid).cell(1, 1);
    RunCommand(grid, editor, 1, 1, dialogs);
    EXPECT_EQ(dialogs.shown, QStringLiteral("name"));
    EXPECT_EQ(dialogs.nameEdition, edition);
    EXPECT_EQ(dialogs.label, name);
    EXPECT_EQ(editor.cells(grid).cell(1, 1), name);
    EXPECT_FALSE(editor.changed());

    dialogs.nameAnswer = QStringLiteral("あいう");
    RunCommand(grid, editor, 1, 1, dialogs);
    // The cell shows the stored name, padded to the edition's length.
    EXPECT_EQ(editor.cells(grid).cell(1, 1), QStringLiteral("あいう").leftJustified(Profile(edition).names.length, u'　'));
    EXPECT_TRUE(editor.changed());
}

TEST_P(EditCommandTest, TheListColumnOffersTheEditionsChoices)
{
    const auto [grid, edition] = GetParam();
    if (grid == RecordKind::Manager)
        GTEST_SKIP() << "the manager has no list column";
    Editor editor(edition);
    ScriptedDialogs dialogs;
    const QString before = editor.cells(grid).cell(2, 3);
    RunCommand(grid, editor, 2, 3, dialogs);
    EXPECT_EQ(dialogs.shown, QStringLiteral("list"));
    EXPECT_EQ(dialogs.caption, grid == RecordKind::Batter ? QStringLiteral("打席") : QStringLiteral("投法"));
    EXPECT_EQ(dialogs.label, editor.cells(grid).cell(1, 3));
    EXPECT_EQ(dialogs.current, before);
    EXPECT_EQ(dialogs.choices, grid == RecordKind::Batter ? SideChoices(edition) : FormChoices(edition));
    EXPECT_EQ(editor.cells(grid).cell(2, 3), before);
    EXPECT_FALSE(editor.changed());

    dialogs.listAnswer = dialogs.choices.back();
    RunCommand(grid, editor, 2, 3, dialogs);
    EXPECT_EQ(editor.cells(grid).cell(2, 3), dialogs.choices.back());
    EXPECT_TRUE(editor.changed());
}

TEST_P(EditCommandTest, HeadingsRowNumbersAndCellsPastTheGridDoNothing)
{
    const auto [grid, edition] = GetParam();
    Editor editor(edition);
    const TextGrid before = editor.cells(grid);
    for (auto [column, row] : {std::pair{0, 1}, std::pair{1, 0}, std::pair{0, 0},
                               std::pair{before.columnCount(), 1}, std::pair{1, before.rowCount()}}) {
        ScriptedDialogs dialogs;
        dialogs.valueAnswer = 1;
        dialogs.nameAnswer = QStringLiteral("あ");
        RunCommand(grid, editor, column, row, dialogs);
        EXPECT_TRUE(dialogs.shown.isEmpty()) << column << ',' << row;
    }
    EXPECT_EQ(editor.cells(grid), before);
    EXPECT_FALSE(editor.changed());
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

// A name the edition cannot store would be cut by the next Save: it is refused
// with a message, and the cell keeps its name.
TEST(EditCommands, ANameTheEditionCannotStoreIsRefused)
{
    for (auto [edition, name] : {std::pair{1990, "ーあ"}, std::pair{1992, "ＪＡ"}, std::pair{1993, "をあ"},
                                 std::pair{1987, "あいうえお"}, std::pair{1994, "あいうえおか"}}) {
        Editor editor(edition);
        const QString before = editor.cells(RecordKind::Batter).cell(1, 1);
        ScriptedDialogs dialogs;
        dialogs.nameAnswer = QString::fromUtf8(name);
        RunCommand(RecordKind::Batter, editor, 1, 1, dialogs);
        EXPECT_TRUE(dialogs.refusal.contains(QString::fromUtf8(name))) << edition << ' ' << name;
        EXPECT_EQ(editor.cells(RecordKind::Batter).cell(1, 1), before);
        EXPECT_FALSE(editor.changed());
    }
}

// The dialogs' check is EditCell itself: a dialog that takes any answer
// still ends in the same refusal, shown after it closed.
TEST(EditCommands, AnAnswerTheDialogLetThroughIsRefusedAllTheSame)
{
    Editor editor(1993);
    const QString before = editor.cells(RecordKind::Batter).cell(9, 1);
    ScriptedDialogs checking;
    checking.valueAnswer = 110;
    RunCommand(RecordKind::Batter, editor, 9, 1, checking);
    ScriptedDialogs lax;
    lax.ignoreCheck = true;
    lax.valueAnswer = 110;
    RunCommand(RecordKind::Batter, editor, 9, 1, lax);
    EXPECT_EQ(checking.caption, QStringLiteral("背番号"));
    EXPECT_FALSE(checking.refusal.isEmpty());
    EXPECT_EQ(lax.error, checking.refusal);
    EXPECT_TRUE(lax.error.contains(QStringLiteral("0～109"))) << lax.error.toStdString();
    EXPECT_EQ(editor.cells(RecordKind::Batter).cell(9, 1), before);
    EXPECT_FALSE(editor.changed());
}

// A record the ROM could not give has an empty row; its cells say so instead
// of calling the empty text no number.
TEST(EditCommands, ACellOfARecordThatCouldNotBeReadSaysSo)
{
    Editor editor(1994, PlausibleBytes(1994).left(0x10 + 40));
    ScriptedDialogs dialogs;
    dialogs.valueAnswer = 1;
    RunCommand(RecordKind::Pitcher, editor, 4, 2, dialogs);
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_TRUE(dialogs.error.contains(QStringLiteral("読み込めませんでした"))) << dialogs.error.toStdString();
    EXPECT_FALSE(dialogs.error.contains(QStringLiteral("数値ではありません")));
}

TEST(EditCommands, OddNumbersInsideARangeWithStepTwoAreAccepted)
{
    Editor editor(1993);
    ScriptedDialogs dialogs;
    dialogs.valueAnswer = 151;
    RunCommand(RecordKind::Batter, editor, 3, 1, dialogs);
    EXPECT_TRUE(dialogs.refusal.isEmpty()) << dialogs.refusal.toStdString();
    // Accepted, and stored as the record's format keeps it; the cell shows what is stored.
    EXPECT_EQ(editor.cells(RecordKind::Batter).cell(3, 1), QStringLiteral("150"));
}

TEST(EditCommands, TheManagerOfAnEditionBefore1993CannotBeEdited)
{
    Editor editor(1992);
    ScriptedDialogs dialogs;
    dialogs.valueAnswer = 11;
    RunCommand(RecordKind::Manager, editor, 2, 1, dialogs);
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_FALSE(editor.changed());
}

TEST(EditCommands, AManagerAtPositionTenCanBeSetToElevenOnly)
{
    SyntheticRom rom;
    test::FillPlausibleRoster(rom, 1993, 17);
    Record manager = rom.record(RecordKind::Manager, 1993, 0, 0);
    manager[8] = 10;
    rom.setRecord(RecordKind::Manager, 1993, 0, 0, manager);
    Editor editor(1993, rom.bytes());
    ScriptedDialogs dialogs;
    dialogs.valueAnswer = 10;
    RunCommand(RecordKind::Manager, editor, 2, 1, dialogs);
    EXPECT_EQ(dialogs.start, 10);
    EXPECT_FALSE(editor.changed());
    dialogs.valueAnswer = 11;
    RunCommand(RecordKind::Manager, editor, 2, 1, dialogs);
    EXPECT_EQ(editor.cells(RecordKind::Manager).cell(2, 1), QStringLiteral("11"));
}

// A moved row takes all its cells; the row numbers read 1..N again and the
// team counts as changed, so that a team switch asks before dropping the order.
TEST(MoveRow, MovesTheRowRenumbersAndMarksTheTeamChanged)
{
    Editor editor(1990);
    const TextGrid before = editor.cells(RecordKind::Batter);
    const Result<Change> move = MoveRow(editor.document, 0, RecordKind::Batter, 3, 1);
    ASSERT_TRUE(move);
    ASSERT_TRUE(editor.document.apply({QString(), {move.value()}}));
    const TextGrid after = editor.cells(RecordKind::Batter);
    for (int column = 1; column < after.columnCount(); ++column) {
        EXPECT_EQ(after.cell(column, 1), before.cell(column, 3));
        EXPECT_EQ(after.cell(column, 2), before.cell(column, 1));
        EXPECT_EQ(after.cell(column, 3), before.cell(column, 2));
        EXPECT_EQ(after.cell(column, 4), before.cell(column, 4));
    }
    for (int row = 1; row < after.rowCount(); ++row)
        EXPECT_EQ(after.cell(0, row), QString::number(row));
    EXPECT_TRUE(editor.changed());
    EXPECT_EQ(editor.cells(RecordKind::Pitcher), FillTeam(Profile(1990), RomImage(PlausibleBytes(1990)), 0).PitcherGrid);
}

TEST(MoveRow, TheHeadingRowAndRowsPastTheRosterDoNotMove)
{
    Editor editor(1993);
    for (auto [from, to] : {std::pair{0, 2}, std::pair{2, 2}, std::pair{2, 8}, std::pair{-1, 1}})
        EXPECT_FALSE(MoveRow(editor.document, 0, RecordKind::Pitcher, from, to)) << from << "->" << to;
    EXPECT_FALSE(MoveRow(editor.document, 0, RecordKind::Manager, 1, 1));
    // The last row is a place to move to.
    EXPECT_TRUE(MoveRow(editor.document, 0, RecordKind::Pitcher, 1, 7));
}

} // namespace
} // namespace quindaro2
