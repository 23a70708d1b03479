#include "cli/CommandLine.h"
#include "cli/Io.h"
#include "cli/TerminalText.h"
#include "core/edit/NameProblem.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace quindaro2::cli {
namespace {

struct TeamCase {
    int edition;
    const char* text;
    int team;              // -1: refused
    const char* inError;   // part of the message when refused
};

void PrintTo(const TeamCase& c, std::ostream* out)
{
    *out << c.edition << " \"" << c.text << '"';
}

class TeamTest : public ::testing::TestWithParam<TeamCase> {};

TEST_P(TeamTest, TakesAnIndexOrAUniqueCode)
{
    const TeamCase& c = GetParam();
    const TeamChoice choice = ParseTeam(c.edition, QString::fromUtf8(c.text));
    EXPECT_EQ(choice.team, c.team);
    EXPECT_EQ(choice.error.isEmpty(), c.team >= 0);
    EXPECT_TRUE(choice.error.contains(QString::fromUtf8(c.inError))) << choice.error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, TeamTest,
                         ::testing::Values(TeamCase{1986, "0", 0, ""}, TeamCase{1986, "9", 9, ""},
                                           TeamCase{1986, "10", -1, "0～9"}, TeamCase{1986, "G", 0, ""},
                                           TeamCase{1986, "G ", 0, ""}, TeamCase{1986, "g", -1, "g"},
                                           TeamCase{1989, "Bu", 1, ""}, TeamCase{1994, "AC", 13, ""},
                                           TeamCase{1993, "13", 13, ""}, TeamCase{1993, "C", -1, "3、13"},
                                           TeamCase{1993, "C ", -1, "3、13"}, TeamCase{1992, "X", -1, "14=Dy"},
                                           TeamCase{1990, "-1", -1, ""}));

std::vector<QCommandLineOption> ExportOptions()
{
    return {QCommandLineOption(QStringLiteral("edition"), QString(), QStringLiteral("E")),
            QCommandLineOption(QStringLiteral("per-team"))};
}

TEST(CommandLine, ReadsOptionsFlagsAndPositionals)
{
    const Arguments line = Arguments::Parse(
        {QStringLiteral("a.nes"), QStringLiteral("--edition=86"), QStringLiteral("-5"), QStringLiteral("--per-team"),
         QStringLiteral("-"), QStringLiteral("--"), QStringLiteral("--edition")},
        ExportOptions());
    EXPECT_TRUE(line.error().isEmpty()) << line.error().toStdString();
    EXPECT_EQ(line.value(QStringLiteral("--edition")), QStringLiteral("86"));
    EXPECT_TRUE(line.isSet(QStringLiteral("--per-team")));
    EXPECT_EQ(line.positionals(), QStringList({QStringLiteral("a.nes"), QStringLiteral("-5"), QStringLiteral("-"),
                                               QStringLiteral("--edition")}));
    EXPECT_FALSE(line.help());

    const Arguments negative = Arguments::Parse({QStringLiteral("--edition"), QStringLiteral("-12")}, ExportOptions());
    EXPECT_EQ(negative.value(QStringLiteral("--edition")), QStringLiteral("-12"));
}

struct RefusedLine {
    std::vector<const char*> arguments;
    const char* error;  // part of the message
};

void PrintTo(const RefusedLine& c, std::ostream* out)
{
    for (const char* argument : c.arguments)
        *out << argument << ' ';
}

class RefusedLineTest : public ::testing::TestWithParam<RefusedLine> {};

TEST_P(RefusedLineTest, SaysWhatItDoesNotKnow)
{
    QStringList arguments;
    for (const char* argument : GetParam().arguments)
        arguments << QString::fromUtf8(argument);
    const Arguments line = Arguments::Parse(arguments, ExportOptions());
    EXPECT_TRUE(line.error().contains(QString::fromUtf8(GetParam().error))) << line.error().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, RefusedLineTest,
                         ::testing::Values(RefusedLine{{"--bogus"}, "不明なオプションです：--bogus"},
                                           RefusedLine{{"--edition"}, "--edition には値が必要です"},
                                           RefusedLine{{"--edition", "86", "--edition=87"}, "--edition が2回あります"},
                                           RefusedLine{{"--per-team", "--per-team"}, "--per-team が2回あります"},
                                           RefusedLine{{"--per-team=1"}, "--per-team は値をとりません"}));

TEST(CommandLine, AsksForHelp)
{
    EXPECT_TRUE(Arguments::Parse({QStringLiteral("-h")}, ExportOptions()).help());
    EXPECT_TRUE(Arguments::Parse({QStringLiteral("x"), QStringLiteral("--help")}, ExportOptions()).help());
}

TEST(TerminalSafe, ShowsControlCharactersEscaped)
{
    EXPECT_EQ(TerminalSafe(QStringLiteral("a\x1b[31mb\tc")), QStringLiteral("a\\x1b[31mb\\x09c"));
    EXPECT_EQ(TerminalSafe(QStringLiteral("選手\u009b.nes")), QStringLiteral("選手\\x9b.nes"));
    EXPECT_EQ(TerminalSafe(QStringLiteral("plain name.nes")), QStringLiteral("plain name.nes"));
}

struct NameCase {
    int edition;
    const char* name;
    const char* problem;  // part of the message; nullptr when the name is fine
};

void PrintTo(const NameCase& c, std::ostream* out)
{
    *out << c.edition << " \"" << c.name << '"';
}

class NameProblemTest : public ::testing::TestWithParam<NameCase> {};

// A name is refused when it is longer than the edition keeps or holds a
// character without a code in the edition.
TEST_P(NameProblemTest, ChecksLengthAndCharacters)
{
    const NameCase& c = GetParam();
    const QString problem = NameProblem(c.edition, QString::fromUtf8(c.name));
    if (!c.problem) {
        EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
    } else {
        EXPECT_TRUE(problem.contains(QString::fromUtf8(c.problem))) << problem.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NameProblemTest,
    ::testing::Values(NameCase{1986, "ＡＢＣＤ", nullptr}, NameCase{1986, "ＡＢＣＤＥ", "4 文字"},
                      NameCase{1988, "ＡＢＣＤＥ", nullptr}, NameCase{1988, "ＡＢＣＤＥＦ", "5 文字"},
                      NameCase{1988, "ｕ゛", nullptr}, NameCase{1990, "あーい", "「ー」"},
                      NameCase{1992, "ＡＪ", "「Ｊ」"}, NameCase{1992, "ゅー", nullptr},
                      NameCase{1993, "がぱヴっ", nullptr}, NameCase{1993, "を", "「を」"},
                      NameCase{1986, "A", "「A」"}, NameCase{1994, "", nullptr},
                      NameCase{1988, "ＡＢ%2ＣＤＥ", "「ＡＢ%2ＣＤＥ」"}));

struct WidthCase {
    const char* text;
    int width;
};

void PrintTo(const WidthCase& c, std::ostream* out)
{
    *out << '"' << c.text << '"';
}

class DisplayWidthTest : public ::testing::TestWithParam<WidthCase> {};

TEST_P(DisplayWidthTest, CountsWideCharactersTwice)
{
    EXPECT_EQ(DisplayWidth(QString::fromUtf8(GetParam().text)), GetParam().width);
}

INSTANTIATE_TEST_SUITE_P(Cases, DisplayWidthTest,
                         ::testing::Values(WidthCase{"", 0}, WidthCase{"-56", 3}, WidthCase{"名　前　　", 10},
                                           WidthCase{"ＡＢｕ", 6}, WidthCase{"ｱｲ", 2}, WidthCase{"か\u3099", 2},
                                           WidthCase{"平均打率：.283", 14}, WidthCase{"\U00020B9F", 2}));

TEST(FormatGrid, AlignsNumbersRightAndTextLeft)
{
    TextGrid grid;
    grid.reset(4, 3);
    const char* cells[3][4] = {{"", "名　前", "打席", "率"}, {"1", "あい", "右", "288"}, {"2", "ＡＢＣ", "", "-2"}};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column)
            grid.setCell(column, row, QString::fromUtf8(cells[row][column]));
    EXPECT_EQ(FormatGrid(grid), QStringList({QStringLiteral("   名　前  打席   率"),
                                             QStringLiteral("1  あい    右    288"),
                                             QStringLiteral("2  ＡＢＣ         -2")}));
}

} // namespace
} // namespace quindaro2::cli
