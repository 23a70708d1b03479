#include "cli/Command.h"
#include "core/edition/EditionLayout.h"
#include "core/sample/DemoRom.h"
#include "support/JapaneseText.h"
#include "support/SyntheticRom.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <QDir>

#include <vector>

namespace quindaro2 {
namespace {

using test::LineWithJapaneseOutsideQuotes;
using test::ReadFile;
using test::RomFolder;

// The tool in a language, with the system's messages (strerror) in English.
ToolRun In(const char* language)
{
    ToolRun run;
    run.environment.insert(QStringLiteral("QUINDARO2_LANG"), QString::fromLatin1(language));
    run.environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    return run;
}

Outcome English(const QStringList& arguments)
{
    return RunTool(arguments, In("en"));
}

Outcome Japanese(const QStringList& arguments)
{
    return RunTool(arguments, In("ja"));
}

// The grids of show's output: its lines after the team's three, without the
// grid's title after each blank line.
QStringList GridLines(const QString& out)
{
    const QStringList lines = out.split(u'\n');
    QStringList grids;
    for (qsizetype i = 3; i < lines.size(); ++i) {
        if (!lines[i - 1].isEmpty())
            grids << lines[i];
    }
    return grids;
}

class EnglishToolTest : public ::testing::TestWithParam<ToolCase> {};

// With QUINDARO2_LANG=en the tool speaks English: only the game's texts,
// in quotes, stay Japanese. The exit codes are those of the Japanese tool.
TEST_P(EnglishToolTest, SpeaksEnglish)
{
    const ToolCase& c = GetParam();
    const CaseFiles files;
    const Outcome english = English(files.arguments(c));
    EXPECT_EQ(english.code, c.code) << english.err.toStdString();
    const QString& text = c.onStdout ? english.out : english.err;
    EXPECT_TRUE(text.contains(files.fill(c.message))) << text.toStdString();
    EXPECT_EQ(LineWithJapaneseOutsideQuotes(english.out + english.err), QString())
        << english.out.toStdString() << english.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EnglishToolTest,
    ::testing::Values(
        ToolCase{"Usage", {}, 2, false, "Usage: quindaro2-cli <command> [options] [arguments]\n\nCommands:\n"},
        ToolCase{"Help", {"--help"}, 0, true, "Edition E is 86–94 or 1986–1994; commands that read a ROM also take auto."},
        ToolCase{"UnknownCommand", {"frobnicate"}, 2, false, "quindaro2-cli: Unknown command: frobnicate\n"},
        ToolCase{"MissingTeam", {"show", "--edition", "93", "{rom}"}, 2, false,
                    "quindaro2-cli: --team is missing\n'quindaro2-cli show --help' shows the usage\n"},
        ToolCase{"BadEdition", {"show", "--edition", "95", "--team", "0", "{rom}"}, 2, false,
                    "Give the edition as 86–94, 1986–1994 or auto: 95"},
        ToolCase{"UnknownOption", {"show", "--edition", "93", "--team", "0", "--colour", "{rom}"}, 2, false,
                    "Unknown option: --colour"},
        ToolCase{"UnknownTeam", {"show", "--edition", "93", "--team", "16", "{rom}"}, 2, false,
                    "Team numbers of the 1993 edition are 0–15"},
        ToolCase{"RefusedValue",
                    {"set", "--edition", "93", "--team", "0", "--grid", "batter", "--row", "1", "--column", "3", "999", "{rom}"},
                    2, false, "Value 999 for \"打率\" is out of range. Range: 150–400\nNothing was written\n"},
        ToolCase{"RefusedChoice",
                    {"set", "--edition", "93", "--team", "0", "--grid", "pitcher", "--row", "1", "--column", "2", "右ま", "{rom}"},
                    2, false, "Pitching form: \"右ま\" cannot be chosen. Choices: \"右上\", \"左上\", \"右下\""},
        ToolCase{"RefusedName",
                    {"set", "--edition", "93", "--team", "0", "--grid", "batter", "--row", "1", "--column", "1", "AB", "{rom}"},
                    2, false, "cannot be used in names of the 1993 edition. Usable characters: \""},
        ToolCase{"MissingFile", {"show", "--edition", "93", "--team", "0", "{missing}"}, 1, false,
                    "Cannot read {missing} (No such file or directory)"},
        ToolCase{"Folder", {"detect", "{dir}"}, 1, false, "is not a regular file"},
        ToolCase{"NotDetected", {"detect", "{short}"}, 2, false, "Cannot detect the edition: "},
        ToolCase{"ExportIntoTheRom", {"export", "--edition", "auto", "{rom}", "{dir}/./rom.nes"}, 1, false,
                    "is the open ROM file"},
        ToolCase{"Saved",
                    {"set", "--edition", "93", "--team", "0", "--grid", "batter", "--row", "1", "--column", "3", "250",
                     "{rom}", "--output", "{out}"},
                    0, false, "\"打率\" of team 0 (T) of the 1993 edition to \"250\" and saved {out}"},
        ToolCase{"Demo", {"demo", "--edition", "1993", "{out}"}, 0, false, "Made a sample ROM of the 1993 edition: {out}"}),
    [](const auto& info) { return std::string(info.param.name); });

// Every command's help, which the English manual page is made of.
TEST(EnglishHelpTest, EveryCommandHelpsInEnglish)
{
    for (const std::unique_ptr<cli::Command>& command : cli::Commands()) {
        const Outcome help = English({command->name(), QStringLiteral("--help")});
        EXPECT_EQ(help.code, 0);
        EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: quindaro2-cli ") + command->name()))
            << help.out.toStdString();
        EXPECT_EQ(LineWithJapaneseOutsideQuotes(help.out), QString()) << help.out.toStdString();
    }
}

// What other programs read stays the same in every language: the export's
// bytes, detect's lines and the data of show; and the import reads the
// export whatever the language.
TEST(EnglishOutputTest, DataIsTheSameInBothLanguages)
{
    RomFolder folder;
    const QByteArray image = DemoRomImage(1993);
    const QString rom = folder.write(QStringLiteral("rom.nes"), image);
    const QString shortFile = folder.write(QStringLiteral("short.nes"), QByteArray(1000, '\0'));

    const QStringList toStandardOutput{QStringLiteral("export"), QStringLiteral("--edition"), QStringLiteral("93"), rom,
                                       QStringLiteral("-")};
    const Outcome japaneseExport = Japanese(toStandardOutput);
    const Outcome englishExport = English(toStandardOutput);
    EXPECT_EQ(englishExport.code, 0);
    EXPECT_FALSE(englishExport.rawOut.isEmpty());
    EXPECT_EQ(englishExport.rawOut, japaneseExport.rawOut);

    for (const QString& file : {rom, shortFile}) {
        const Outcome japanese = Japanese({QStringLiteral("detect"), file});
        const Outcome english = English({QStringLiteral("detect"), file});
        EXPECT_EQ(english.code, japanese.code);
        EXPECT_EQ(english.out, japanese.out);
    }
    EXPECT_TRUE(English({QStringLiteral("detect"), shortFile}).out.startsWith(QStringLiteral("unknown\n")));

    const QStringList show{QStringLiteral("show"), QStringLiteral("--edition"), QStringLiteral("93"),
                           QStringLiteral("--team"), QStringLiteral("0"), rom};
    const Outcome englishShow = English(show);
    EXPECT_TRUE(englishShow.out.startsWith(QStringLiteral("1993 edition  team 0 (T)\nAvg. batting: ")))
        << englishShow.out.toStdString();
    EXPECT_GT(GridLines(englishShow.out).size(), 10);
    EXPECT_EQ(GridLines(englishShow.out), GridLines(Japanese(show).out)) << "the grids are the game's data";

    const QString exported = folder.path(QStringLiteral("players.txt"));
    ASSERT_EQ(Japanese({QStringLiteral("export"), QStringLiteral("--edition"), QStringLiteral("93"), rom, exported}).code, 0);
    const Outcome imported = English({QStringLiteral("import"), QStringLiteral("--edition"), QStringLiteral("93"), rom, exported});
    EXPECT_EQ(imported.code, 0) << imported.err.toStdString();
    EXPECT_TRUE(imported.err.contains(
        QStringLiteral("Read %1 teams; no cell changes\n%2 is unchanged").arg(TeamCount(1993)).arg(rom)))
        << imported.err.toStdString();
    EXPECT_EQ(ReadFile(rom), image);
}

// The count of differing cells takes the singular for one cell.
TEST(EnglishOutputTest, OneCellDiffersAndTwoCellsDiffer)
{
    RomFolder folder;
    const QString rom = folder.write(QStringLiteral("rom.nes"), DemoRomImage(1993));
    // Batting averages at either end of their range, which an image holds exactly.
    const auto set = [&](const QString& from, const char* row, const char* value, const QString& to) {
        const Outcome run = English({QStringLiteral("set"), QStringLiteral("--edition"), QStringLiteral("93"),
                                     QStringLiteral("--team"), QStringLiteral("0"), QStringLiteral("--grid"),
                                     QStringLiteral("batter"), QStringLiteral("--row"), QString::fromLatin1(row),
                                     QStringLiteral("--column"), QStringLiteral("3"), QString::fromLatin1(value), from,
                                     QStringLiteral("--output"), to});
        ASSERT_EQ(run.code, 0) << run.err.toStdString();
    };
    const QString low = folder.path(QStringLiteral("low.nes"));
    const QString high = folder.path(QStringLiteral("high.nes"));
    const QString mixed = folder.path(QStringLiteral("mixed.nes"));
    const QString half = folder.path(QStringLiteral("half.nes"));
    set(rom, "1", "150", half);
    set(half, "2", "150", low);
    set(rom, "1", "400", half);
    set(half, "2", "400", high);
    set(low, "1", "400", mixed);
    const auto diff = [](const QString& a, const QString& b) {
        return English({QStringLiteral("diff"), QStringLiteral("--edition"), QStringLiteral("93"), a, b});
    };
    const Outcome one = diff(low, mixed);
    EXPECT_EQ(one.code, 3);
    EXPECT_TRUE(one.err.contains(QStringLiteral("1 cell differs\n"))) << one.err.toStdString();
    const Outcome two = diff(low, high);
    EXPECT_EQ(two.code, 3);
    EXPECT_TRUE(two.err.contains(QStringLiteral("2 cells differ\n"))) << two.err.toStdString();
}

} // namespace
} // namespace quindaro2
