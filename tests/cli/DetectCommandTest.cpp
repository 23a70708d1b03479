#include "core/sample/DemoRom.h"
#include "core/edition/Edition.h"
#include "core/edition/EditionLayout.h"
#include "support/SyntheticRom.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <random>
#include <set>
#include <vector>

namespace quindaro2 {
namespace {

using test::FileExists;
using test::ReadFile;
using test::RomFolder;

QByteArray RandomFile(qint64 size)
{
    std::mt19937 random(11);
    QByteArray bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random() & 0xFF);
    return bytes;
}

// A 1993 sample whose 1994 colour places hold colours too: no byte tells
// the two editions apart.
QByteArray Undecidable()
{
    QByteArray image = DemoRomImage(1993, {5, true, false});
    for (int team = 0; team < TeamCount(1994); ++team) {
        image[ColorOffsets(1994, team, 0)->helmet] = image[ColorOffsets(1993, team, 0)->helmet];
        image[ColorOffsets(1994, team, 0)->uniform] = image[ColorOffsets(1993, team, 0)->uniform];
    }
    return image;
}

struct DetectCase {
    const char* name;
    QByteArray bytes;
    const char* verdict;
    int code;
};

void PrintTo(const DetectCase& c, std::ostream* out)
{
    *out << c.name;
}

class DetectCommandTest : public ::testing::TestWithParam<DetectCase> {};

// The verdict, then every edition as "YEAR SCORE", best first.
TEST_P(DetectCommandTest, PrintsTheVerdictAndTheRanking)
{
    const DetectCase& c = GetParam();
    RomFolder folder;
    const QString rom = folder.write(QStringLiteral("rom.nes"), c.bytes);
    const Outcome outcome = RunTool({QStringLiteral("detect"), rom});
    EXPECT_EQ(outcome.code, c.code) << outcome.err.toStdString();
    QStringList lines = outcome.out.split(u'\n');
    ASSERT_EQ(lines.size(), kEditionCount + 2) << outcome.out.toStdString();
    EXPECT_EQ(lines.takeFirst(), QString::fromUtf8(c.verdict));
    EXPECT_EQ(lines.takeLast(), QString());

    static const QRegularExpression ranked(QStringLiteral("^(\\d{4}) (\\d{1,3}\\.\\d)$"));
    std::set<int> years;
    double previous = 100.0;
    for (const QString& line : lines) {
        const QRegularExpressionMatch match = ranked.match(line);
        ASSERT_TRUE(match.hasMatch()) << line.toStdString();
        years.insert(match.captured(1).toInt());
        const double score = match.captured(2).toDouble();
        EXPECT_LE(score, previous) << line.toStdString();
        previous = score;
    }
    EXPECT_EQ(years.size(), static_cast<std::size_t>(kEditionCount));
    EXPECT_TRUE(IsEdition(*years.begin()) && IsEdition(*years.rbegin()));
    if (c.code == 0) {
        EXPECT_TRUE(lines[0].startsWith(QString::fromUtf8(c.verdict)));
        EXPECT_TRUE(outcome.err.isEmpty()) << outcome.err.toStdString();
    } else {
        EXPECT_TRUE(outcome.err.contains(QStringLiteral("推定できません"))) << outcome.err.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DetectCommandTest,
    ::testing::Values(DetectCase{"Sample1993", DemoRomImage(1993, {2, true, false}), "1993", 0},
                      DetectCase{"Sample1986WithTrainer", DemoRomImage(1986, {2, true, true}), "1986", 0},
                      DetectCase{"PlainSample1989", DemoRomImage(1989), "1989", 0},
                      DetectCase{"RandomBytes", RandomFile(kDemoRomSize), "unknown", 2},
                      DetectCase{"Undecidable", Undecidable(), "unknown", 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliDetect, ReportsFileAndUsageErrors)
{
    RomFolder folder;
    const Outcome missing = RunTool({QStringLiteral("detect"), folder.path(QStringLiteral("missing.nes"))});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("missing.nes"))) << missing.err.toStdString();
    EXPECT_TRUE(missing.out.isEmpty());

    const Outcome none = RunTool({QStringLiteral("detect")});
    EXPECT_EQ(none.code, 2);
    EXPECT_TRUE(none.err.contains(QStringLiteral("ROM"))) << none.err.toStdString();
}

// "auto" does what the detected edition given by hand does, and says which
// edition it took.
TEST(CliAuto, DoesWhatTheDetectedEditionDoes)
{
    RomFolder folder;
    const QByteArray image = DemoRomImage(1988, {3, true, true});
    const QString rom = folder.write(QStringLiteral("rom.nes"), image);
    const QString detected = QStringLiteral("1988年版と推定しました");

    const auto show = [&](const QString& edition, const QString& team) {
        return RunTool({QStringLiteral("show"), QStringLiteral("--edition"), edition, QStringLiteral("--team"), team, rom});
    };
    const Outcome byHand = show(QStringLiteral("88"), QStringLiteral("Bu"));
    const Outcome automatic = show(QStringLiteral("auto"), QStringLiteral("Bu"));
    EXPECT_EQ(automatic.code, 0);
    EXPECT_EQ(automatic.out, byHand.out);
    EXPECT_TRUE(automatic.err.contains(detected)) << automatic.err.toStdString();

    const QString handFile = folder.path(QStringLiteral("hand.txt"));
    const QString autoFile = folder.path(QStringLiteral("auto.txt"));
    ASSERT_EQ(RunTool({QStringLiteral("export"), QStringLiteral("--edition"), QStringLiteral("88"), rom, handFile}).code, 0);
    const Outcome exported = RunTool({QStringLiteral("export"), QStringLiteral("--edition"), QStringLiteral("auto"), rom, autoFile});
    EXPECT_EQ(exported.code, 0) << exported.err.toStdString();
    EXPECT_TRUE(exported.err.contains(detected)) << exported.err.toStdString();
    EXPECT_FALSE(ReadFile(autoFile).isEmpty());
    EXPECT_EQ(ReadFile(autoFile), ReadFile(handFile));

    const Outcome toStandardOutput =
        RunTool({QStringLiteral("export"), QStringLiteral("--edition"), QStringLiteral("auto"), rom, QStringLiteral("-")});
    EXPECT_EQ(toStandardOutput.code, 0);
    EXPECT_FALSE(toStandardOutput.out.isEmpty());

    const auto set = [&](const QString& edition, const QString& output) {
        return RunTool({QStringLiteral("set"), QStringLiteral("--edition"), edition, QStringLiteral("--team"),
                        QStringLiteral("3"), QStringLiteral("--grid"), QStringLiteral("pitcher"), QStringLiteral("--row"),
                        QStringLiteral("2"), QStringLiteral("--column"), QStringLiteral("7"), QStringLiteral("77"), rom,
                        QStringLiteral("--output"), output});
    };
    const QString handRom = folder.path(QStringLiteral("hand.nes"));
    const QString autoRom = folder.path(QStringLiteral("auto.nes"));
    ASSERT_EQ(set(QStringLiteral("1988"), handRom).code, 0);
    const Outcome edited = set(QStringLiteral("auto"), autoRom);
    EXPECT_EQ(edited.code, 0) << edited.err.toStdString();
    EXPECT_NE(ReadFile(autoRom), image);
    EXPECT_EQ(ReadFile(autoRom), ReadFile(handRom));
    EXPECT_EQ(ReadFile(rom), image);
}

struct RefusalCase {
    const char* name;
    std::vector<const char*> arguments;  // {rom} and {out} are filled in
};

void PrintTo(const RefusalCase& c, std::ostream* out)
{
    *out << c.name;
}

class AutoRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

// Without a clear edition nothing is shown or written: the ranking says why.
TEST_P(AutoRefusalTest, RefusesWithTheRanking)
{
    RomFolder folder;
    const QByteArray image = Undecidable();
    const QString rom = folder.write(QStringLiteral("rom.nes"), image);
    const QString out = folder.path(QStringLiteral("out"));
    QStringList arguments;
    for (const char* argument : GetParam().arguments)
        arguments << QString::fromUtf8(argument).replace(QStringLiteral("{rom}"), rom).replace(QStringLiteral("{out}"), out);

    const Outcome outcome = RunTool(arguments);
    EXPECT_EQ(outcome.code, 2);
    EXPECT_TRUE(outcome.out.isEmpty()) << outcome.out.toStdString();
    EXPECT_TRUE(outcome.err.contains(QStringLiteral("版を推定できません"))) << outcome.err.toStdString();
    EXPECT_TRUE(outcome.err.contains(QStringLiteral("--edition"))) << outcome.err.toStdString();
    EXPECT_TRUE(outcome.err.contains(QStringLiteral("\n  1993 100.0\n"))) << outcome.err.toStdString();
    EXPECT_TRUE(outcome.err.contains(QStringLiteral("\n  1994 100.0\n"))) << outcome.err.toStdString();
    EXPECT_EQ(ReadFile(rom), image);
    EXPECT_FALSE(FileExists(out));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, AutoRefusalTest,
    ::testing::Values(
        RefusalCase{"Show", {"show", "--edition", "auto", "--team", "0", "{rom}"}},
        RefusalCase{"Export", {"export", "--edition", "auto", "{rom}", "{out}"}},
        RefusalCase{"ExportToStandardOutput", {"export", "--edition", "auto", "{rom}", "-"}},
        RefusalCase{"Set", {"set", "--edition", "auto", "--team", "0", "--grid", "batter", "--row", "1", "--column", "4",
                            "20", "{rom}", "--output", "{out}"}},
        RefusalCase{"SetInPlace",
                    {"set", "--edition", "auto", "--team", "0", "--grid", "batter", "--row", "1", "--column", "4", "20", "{rom}"}}),
    [](const auto& info) { return std::string(info.param.name); });

// A given edition still checks its team before the ROM is read; with "auto"
// the team waits for the edition.
TEST(CliAuto, TeamsAreCheckedAgainstTheDetectedEdition)
{
    RomFolder folder;
    const QString rom = folder.write(QStringLiteral("rom.nes"), DemoRomImage(1993, {4, true, false}));
    const Outcome ambiguous = RunTool({QStringLiteral("show"), QStringLiteral("--edition"), QStringLiteral("auto"),
                                       QStringLiteral("--team"), QStringLiteral("C"), rom});
    EXPECT_EQ(ambiguous.code, 2);
    EXPECT_TRUE(ambiguous.err.contains(QStringLiteral("3、13"))) << ambiguous.err.toStdString();

    const Outcome missingTeam =
        RunTool({QStringLiteral("show"), QStringLiteral("--edition"), QStringLiteral("auto"), folder.path(QStringLiteral("none.nes"))});
    EXPECT_EQ(missingTeam.code, 2);
    EXPECT_TRUE(missingTeam.err.contains(QStringLiteral("--team"))) << missingTeam.err.toStdString();

    const Outcome badEdition = RunTool({QStringLiteral("export"), QStringLiteral("--edition"), QStringLiteral("automatic"), rom,
                                        folder.path(QStringLiteral("out.txt"))});
    EXPECT_EQ(badEdition.code, 2);
    EXPECT_TRUE(badEdition.err.contains(QStringLiteral("auto"))) << badEdition.err.toStdString();
}

TEST(CliDemo, FillsWithRandomBytesAndATrainerOnRequest)
{
    RomFolder folder;
    const QString plain = folder.path(QStringLiteral("plain.nes"));
    const QString filled = folder.path(QStringLiteral("filled.nes"));
    ASSERT_EQ(RunTool({QStringLiteral("demo"), QStringLiteral("--edition"), QStringLiteral("91"), plain}).code, 0);
    const Outcome made = RunTool({QStringLiteral("demo"), QStringLiteral("--edition"), QStringLiteral("91"),
                                  QStringLiteral("--random"), QStringLiteral("12"), QStringLiteral("--trainer"), filled});
    ASSERT_EQ(made.code, 0) << made.err.toStdString();
    EXPECT_EQ(ReadFile(plain), DemoRomImage(1991));
    EXPECT_EQ(ReadFile(filled), DemoRomImage(1991, {12, true, true}));

    for (const char* seed : {"-1", "x", "99999999999"}) {
        const QString out = folder.path(QStringLiteral("bad.nes"));
        const Outcome refused = RunTool({QStringLiteral("demo"), QStringLiteral("--edition"), QStringLiteral("91"),
                                         QStringLiteral("--random"), QString::fromUtf8(seed), out});
        EXPECT_EQ(refused.code, 2) << seed;
        EXPECT_TRUE(refused.err.contains(QStringLiteral("SEED"))) << refused.err.toStdString();
        EXPECT_FALSE(FileExists(out));
    }
}

} // namespace
} // namespace quindaro2
