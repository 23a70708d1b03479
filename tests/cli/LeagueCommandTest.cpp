#include "core/edition/EditionProfile.h"
#include "core/rom/RomImage.h"
#include "core/sample/DemoRom.h"
#include "support/QtPrinters.h"
#include "ToolProcess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace quindaro2 {
namespace {

using test::RomFolder;

// A 1993 sample league with one pitcher of the second "C " team renamed.
QByteArray LeagueWithTanaka()
{
    const EditionProfile& profile = *FindProfile(1993);
    RomImage image(DemoRomImage(1993));
    Record record = image.record(profile, RecordKind::Pitcher, 13, 2).record;
    profile.names.encode(QStringLiteral("たなか"), record);
    EXPECT_TRUE(image.setRecord(profile, RecordKind::Pitcher, 13, 2, record).ok());
    return image.bytes();
}

QStringList Args(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* text : texts)
        list << QString::fromUtf8(text);
    return list;
}

TEST(LeagueCommand, FindsAPlayerByRomajiInEveryFormat)
{
    RomFolder folder;
    const QString rom = folder.write(QStringLiteral("a.nes"), LeagueWithTanaka());

    const Outcome json = RunTool(Args({"league", "--edition", "93", "--find", "tanaka", "--format", "json"}) << rom);
    ASSERT_EQ(json.code, 0) << json.err.toStdString();
    const QJsonArray players = QJsonDocument::fromJson(json.out.toUtf8()).object()[QStringLiteral("players")].toArray();
    ASSERT_EQ(players.size(), 1);
    const QJsonObject player = players[0].toObject();
    EXPECT_EQ(player[QStringLiteral("team")].toInt(), 13);
    EXPECT_EQ(player[QStringLiteral("code")].toString(), QStringLiteral("C (13)"));
    EXPECT_EQ(player[QStringLiteral("grid")].toString(), QStringLiteral("pitcher"));
    EXPECT_EQ(player[QStringLiteral("row")].toInt(), 3);
    EXPECT_TRUE(player[QStringLiteral("fields")].toObject()[QStringLiteral("earnedRunAverage")].isDouble());

    const Outcome csv = RunTool(Args({"league", "--edition", "93", "--find", "たな", "--format", "csv"}) << rom);
    ASSERT_EQ(csv.code, 0);
    const QStringList lines = csv.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("team,code,grid,row,name,")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("13,C (13),pitcher,3,たなか"))) << lines[1].toStdString();

    const Outcome text = RunTool(Args({"league", "--edition", "93", "--find", "tanaka"}) << rom);
    ASSERT_EQ(text.code, 0);
    EXPECT_TRUE(text.out.contains(QStringLiteral("C (13)")));
    EXPECT_TRUE(text.out.contains(QStringLiteral("たなか")));
    EXPECT_FALSE(text.out.contains(QStringLiteral("本塁打"))) << "a table of pitchers shows no batters' columns";
}

TEST(LeagueCommand, SortsByAColumnAsNumbers)
{
    RomFolder folder;
    const QString rom = folder.write(QStringLiteral("a.nes"), DemoRomImage(1993));
    for (const char* column : {"homeRuns", "本塁打"}) {
        const Outcome run = RunTool(Args({"league", "--edition", "93", "--grid", "batter", "--team", "G", "--sort", column,
                                          "--descending", "--format", "csv"})
                                    << rom);
        ASSERT_EQ(run.code, 0) << run.err.toStdString();
        QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
        const int field = static_cast<int>(lines.takeFirst().split(u',').indexOf(QStringLiteral("homeRuns")));
        ASSERT_EQ(lines.size(), FindProfile(1993)->slots(RecordKind::Batter));
        for (qsizetype i = 1; i < lines.size(); ++i)
            EXPECT_GE(lines[i - 1].split(u',')[field].toInt(), lines[i].split(u',')[field].toInt()) << i;
    }
}

class ToolRunTest : public ::testing::TestWithParam<ToolCase> {};

TEST_P(ToolRunTest, ExitsWithItsCode)
{
    const ToolCase& c = GetParam();
    const CaseFiles files;
    const Outcome run = RunTool(files.arguments(c));
    EXPECT_EQ(run.code, c.code) << run.err.toStdString();
    EXPECT_TRUE((c.onStdout ? run.out : run.err).contains(files.fill(c.message)))
        << run.out.toStdString() << run.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    League, ToolRunTest,
    ::testing::Values(ToolCase{"Whole", {"league", "--edition", "93", "{rom}"}, 0, true, "C (3)"},
                      ToolCase{"AmbiguousTeam", {"league", "--edition", "93", "--team", "C", "{rom}"}, 2, false, "3、13"},
                      ToolCase{"NoSuchGrid", {"league", "--edition", "93", "--grid", "coach", "{rom}"}, 2, false, "coach"},
                      ToolCase{"NoManagerYet", {"league", "--edition", "90", "--grid", "manager", "{rom}"}, 2, false, "監督"},
                      ToolCase{"NoSuchColumn", {"league", "--edition", "93", "--sort", "speed", "{rom}"}, 2, false, "本塁打"},
                      ToolCase{"Missing", {"league", "--edition", "93", "{missing}"}, 1, false, "{missing}"},
                      ToolCase{"SameRom", {"diff", "--edition", "93", "{rom}", "{rom}"}, 0, false, "違いはありません"},
                      ToolCase{"EditionDetected", {"diff", "--edition", "auto", "{rom}", "{rom}"}, 0, false, "1993"},
                      ToolCase{"OtherMissing", {"diff", "--edition", "93", "{rom}", "{missing}"}, 1, false, "{missing}"},
                      ToolCase{"PatchMissing", {"diff", "--edition", "93", "{rom}", "--patch", "{missing}"}, 1, false,
                               "{missing}"},
                      ToolCase{"NoPatch", {"diff", "--edition", "93", "{rom}", "--patch", "{rom}"}, 2, false, "{rom}"},
                      ToolCase{"NoCsv", {"diff", "--edition", "93", "{rom}", "{rom}", "--format", "csv"}, 2, false, "json"},
                      ToolCase{"OneFile", {"diff", "--edition", "93", "{rom}"}, 2, false, "OTHER"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DiffCommand, ListsEveryDifferingCellOfARomOrAPatch)
{
    RomFolder folder;
    const QString a = folder.write(QStringLiteral("a.nes"), DemoRomImage(1993));
    const QString b = folder.write(QStringLiteral("b.nes"), LeagueWithTanaka());

    const Outcome text = RunTool(Args({"diff", "--edition", "93"}) << a << b);
    EXPECT_EQ(text.code, 3);
    ASSERT_EQ(text.out.count(u'\n'), 1) << text.out.toStdString();
    EXPECT_TRUE(text.out.startsWith(QStringLiteral("C (13)  ピッチャー  3行目  "))) << text.out.toStdString();
    EXPECT_TRUE(text.out.contains(QStringLiteral("→ たなか")));

    for (const char* kind : {"ips", "bps"}) {
        const QString patch = folder.path(QStringLiteral("p.") + QString::fromUtf8(kind));
        ASSERT_EQ(RunTool({QStringLiteral("patch"), QStringLiteral("create"), a, b, patch}).code, 0);
        const Outcome json = RunTool(Args({"diff", "--edition", "93", "--format", "json", "--patch"}) << patch << a);
        EXPECT_EQ(json.code, 3) << json.err.toStdString();
        const QJsonArray cells = QJsonDocument::fromJson(json.out.toUtf8()).object()[QStringLiteral("differences")].toArray();
        ASSERT_EQ(cells.size(), 1) << kind;
        const QJsonObject cell = cells[0].toObject();
        EXPECT_EQ(cell[QStringLiteral("team")].toInt(), 13);
        EXPECT_EQ(cell[QStringLiteral("grid")].toString(), QStringLiteral("pitcher"));
        EXPECT_EQ(cell[QStringLiteral("row")].toInt(), 3);
        EXPECT_TRUE(cell[QStringLiteral("new")].toString().startsWith(QStringLiteral("たなか")));
    }

    // A BPS made for another ROM is refused, as applying it to a file is.
    const QString bps = folder.path(QStringLiteral("p.bps"));
    const Outcome refused = RunTool(Args({"diff", "--edition", "93", "--patch"}) << bps << b);
    EXPECT_EQ(refused.code, 2);
    EXPECT_TRUE(refused.out.isEmpty());
}

} // namespace
} // namespace quindaro2
