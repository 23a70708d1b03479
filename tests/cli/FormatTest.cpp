#include "cli/Io.h"
#include "cli/OutputFormat.h"
#include "cli/TeamRows.h"
#include "core/detect/EditionDetection.h"
#include "core/edition/ColumnTable.h"
#include "core/export/PlayerExport.h"
#include "core/patch/ByteChanges.h"
#include "core/patch/Crc32.h"
#include "core/patch/Patch.h"
#include "core/edition/EditionProfile.h"
#include "core/roster/GridFill.h"
#include "core/sample/DemoRom.h"
#include "support/ExportText.h"
#include "support/SyntheticRom.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <map>
#include <set>

namespace quindaro2 {
namespace {

using test::ExportLineIndex;
using test::ExportLines;
using test::Field;
using test::ReadFile;
using test::RomFolder;
using test::SetField;
using test::ShiftJisText;

Outcome In(const char* language, const QStringList& arguments)
{
    ToolRun run;
    run.environment.insert(QStringLiteral("QUINDARO2_LANG"), QString::fromLatin1(language));
    return RunTool(arguments, run);
}

QJsonObject Document(const Outcome& outcome)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(outcome.rawOut, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError)
        << error.errorString().toStdString() << " in: " << outcome.out.toStdString() << outcome.err.toStdString();
    EXPECT_TRUE(document.isObject());
    EXPECT_TRUE(outcome.rawOut.endsWith('\n')) << "one line";
    EXPECT_EQ(outcome.rawOut.count('\n'), 1) << "one line";
    return document.object();
}

QString CellText(const QJsonValue& value)
{
    return value.isDouble() ? QString::number(value.toInt()) : value.toString();
}

QString Hex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex());
}

QString RecordHex(const RomImage& image, RecordKind kind, int edition, int team, int slot)
{
    const RecordRead read = image.record(kind, edition, team, slot);
    return Hex(QByteArray(reinterpret_cast<const char*>(read.record.bytes.data()), read.bytesRead));
}

// The files the runs below read: a sample of 1993 and of 1986, an edited
// export of 1993 and a refused one, and patches of the 1993 sample.
class FormatFiles {
public:
    FormatFiles()
    {
        rom93_ = folder_.write(QStringLiteral("rom93.nes"), image93_.bytes());
        rom86_ = folder_.write(QStringLiteral("rom86.nes"), DemoRomImage(1986));
        zeros_ = folder_.write(QStringLiteral("zeros.bin"), QByteArray(1000, '\0'));

        ColumnOfKind(RecordKind::Batter, 1993, ColumnKind::BattingAverage, &averageColumn_);
        const QStringList lines = ExportLines(image93_, 1993);
        const int line = ExportLineIndex(1993, 0, RecordKind::Batter, 0);
        averageBefore_ = Field(lines, line, averageColumn_).toInt();
        averageAfter_ = averageBefore_ == 300 ? 301 : 300;
        QStringList edited = lines;
        SetField(edited, line, averageColumn_, QString::number(averageAfter_));
        edited_ = folder_.write(QStringLiteral("edited.txt"), ShiftJisText(edited));
        QStringList refused = lines;
        SetField(refused, line, averageColumn_, QStringLiteral("999"));
        refused_ = folder_.write(QStringLiteral("refused.txt"), ShiftJisText(refused));
        refusedLine_ = line + 1;

        modified_ = image93_.bytes();
        modified_[0x20] = static_cast<char>(modified_[0x20] ^ 0x5A);
        modified_[0x21] = static_cast<char>(modified_[0x21] ^ 0x5A);
        modified_[0x1000] = static_cast<char>(modified_[0x1000] ^ 0x01);
        modified_.append("tail", 4);
        for (const PatchKind kind : {PatchKind::Ips, PatchKind::Bps}) {
            const QString name = kind == PatchKind::Ips ? QStringLiteral("edit.ips") : QStringLiteral("edit.bps");
            patches_[kind] = folder_.write(name, CreatePatch(kind, image93_.bytes(), modified_).value());
        }
        notAPatch_ = folder_.write(QStringLiteral("notes.txt"), QByteArray("no patch at all"));
    }

    const RomImage& image93() const { return image93_; }
    const QByteArray& modified() const { return modified_; }
    QString rom93() const { return rom93_; }
    QString rom86() const { return rom86_; }
    QString zeros() const { return zeros_; }
    QString edited() const { return edited_; }
    QString refused() const { return refused_; }
    int refusedLine() const { return refusedLine_; }
    int averageColumn() const { return averageColumn_; }
    int averageBefore() const { return averageBefore_; }
    int averageAfter() const { return averageAfter_; }
    QString patch(PatchKind kind) const { return patches_.at(kind); }
    QString notAPatch() const { return notAPatch_; }
    QStringList folderEntries() const
    {
        return QDir(folder_.path(QString())).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    }

private:
    RomFolder folder_;
    RomImage image93_{DemoRomImage(1993)};
    QString rom93_, rom86_, zeros_, edited_, refused_, notAPatch_;
    int refusedLine_ = 0, averageColumn_ = 0, averageBefore_ = 0, averageAfter_ = 0;
    QByteArray modified_;
    std::map<PatchKind, QString> patches_;
};

const FormatFiles& Files()
{
    static const FormatFiles files;
    return files;
}

QStringList ShowArguments(const QString& rom, int edition, const char* format)
{
    return {QStringLiteral("show"), QStringLiteral("--edition"), QString::number(edition), QStringLiteral("--team"),
            QStringLiteral("0"), QStringLiteral("--format"), QString::fromLatin1(format), rom};
}

QStringList DetectArguments(const QString& file, const char* format = "json")
{
    return {QStringLiteral("detect"), QStringLiteral("--format"), QString::fromLatin1(format), file};
}

QStringList ImportArguments(const QString& text, const char* format = "json")
{
    return {QStringLiteral("import"), QStringLiteral("--edition"), QStringLiteral("93"), Files().rom93(), text,
            QStringLiteral("--dry-run"), QStringLiteral("--format"), QString::fromLatin1(format)};
}

QStringList PatchArguments(const QString& rom, const QString& patch, const char* format = "json")
{
    return {QStringLiteral("patch"), QStringLiteral("apply"), QStringLiteral("--dry-run"), rom, patch,
            QStringLiteral("--format"), QString::fromLatin1(format)};
}

// --- the same document in every language ----------------------------------------

struct LanguageCase {
    const char* name;
    std::function<QStringList()> arguments;
    int code;
};

void PrintTo(const LanguageCase& c, std::ostream* out)
{
    *out << c.name;
}

class SameInEveryLanguageTest : public ::testing::TestWithParam<LanguageCase> {};

// What scripts read does not change with the language; only the messages do.
TEST_P(SameInEveryLanguageTest, JsonAndCsvAreTheSame)
{
    const QStringList arguments = GetParam().arguments();
    const Outcome japanese = In("ja", arguments);
    const Outcome english = In("en", arguments);
    EXPECT_EQ(japanese.code, GetParam().code) << japanese.err.toStdString();
    EXPECT_EQ(english.code, GetParam().code) << english.err.toStdString();
    EXPECT_FALSE(japanese.rawOut.isEmpty());
    EXPECT_EQ(english.rawOut, japanese.rawOut);
    if (arguments.contains(QStringLiteral("json"))) {
        EXPECT_EQ(Document(english), Document(japanese));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, SameInEveryLanguageTest,
    ::testing::Values(
        LanguageCase{"Show1993", [] { return ShowArguments(Files().rom93(), 93, "json"); }, 0},
        LanguageCase{"Show1986", [] { return ShowArguments(Files().rom86(), 86, "json"); }, 0},
        LanguageCase{"ShowCsv", [] { return ShowArguments(Files().rom93(), 93, "csv"); }, 0},
        LanguageCase{"DetectSample", [] { return DetectArguments(Files().rom93()); }, 0},
        LanguageCase{"DetectUnknown", [] { return DetectArguments(Files().zeros()); }, 2},
        LanguageCase{"DetectCsv", [] { return DetectArguments(Files().zeros(), "csv"); }, 2},
        LanguageCase{"ImportChange", [] { return ImportArguments(Files().edited()); }, 0},
        LanguageCase{"ImportRefused", [] { return ImportArguments(Files().refused()); }, 2},
        LanguageCase{"ImportCsv", [] { return ImportArguments(Files().edited(), "csv"); }, 0},
        LanguageCase{"PatchIps", [] { return PatchArguments(Files().rom93(), Files().patch(PatchKind::Ips)); }, 0},
        LanguageCase{"PatchBps", [] { return PatchArguments(Files().rom93(), Files().patch(PatchKind::Bps)); }, 0},
        LanguageCase{"PatchForAnotherRom",
                     [] { return PatchArguments(Files().rom86(), Files().patch(PatchKind::Bps)); }, 2},
        LanguageCase{"PatchCsv",
                     [] { return PatchArguments(Files().rom93(), Files().patch(PatchKind::Ips), "csv"); }, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// --- the values ------------------------------------------------------------------

// show's document holds what the grids show, cell by cell, with each record's bytes.
TEST(ShowJsonTest, HoldsTheGridsTheFiguresAndTheBytes)
{
    RomFolder folder;
    for (const int edition : {1986, 1991, 1993}) {
        SCOPED_TRACE(edition);
        const RomImage image(DemoRomImage(edition, {7, true, false}));
        const QString rom = folder.write(QStringLiteral("%1.nes").arg(edition), image.bytes());
        const TeamView shown = FillTeam(*FindProfile(edition), image, 0);
        ASSERT_TRUE(shown.readProblems.isEmpty());

        const QJsonObject document = Document(In("en", ShowArguments(rom, edition, "json")));
        EXPECT_EQ(document[QStringLiteral("edition")].toInt(), edition);
        const QJsonObject team = document[QStringLiteral("team")].toObject();
        EXPECT_EQ(team[QStringLiteral("index")].toInt(-1), 0);
        EXPECT_EQ(team[QStringLiteral("code")].toString(), TeamLabel(edition, 0));
        EXPECT_EQ(team[QStringLiteral("colors")][QStringLiteral("helmet")].toInt(-1), shown.HelmetColorCode);
        EXPECT_EQ(team[QStringLiteral("colors")][QStringLiteral("uniform")].toInt(-1), shown.UniformColorCode);
        const QJsonObject figures = team[QStringLiteral("figures")].toObject();
        EXPECT_EQ(figures[QStringLiteral("battingAverage")].toString(), shown.statistics.AverageLabel);
        EXPECT_EQ(figures[QStringLiteral("homeRuns")].toString(), shown.statistics.HomerunLabel);
        EXPECT_EQ(figures[QStringLiteral("running")].toString(), shown.statistics.RunLabel);
        EXPECT_EQ(figures[QStringLiteral("earnedRunAverage")].toString(), shown.statistics.ErrorLabel);

        const QJsonObject grids = team[QStringLiteral("grids")].toObject();
        EXPECT_EQ(grids.contains(QStringLiteral("manager")), edition >= 1993);
        const std::pair<const char*, RecordKind> kinds[] = {
            {"batter", RecordKind::Batter}, {"pitcher", RecordKind::Pitcher}, {"manager", RecordKind::Manager}};
        for (const auto& [word, kind] : kinds) {
            const TextGrid& cells = shown.grid(kind);
            if (cells.rowCount() == 0)
                continue;
            const QJsonObject grid = grids[QString::fromLatin1(word)].toObject();
            EXPECT_EQ(grid[QStringLiteral("recordSize")].toInt(), RecordSize(kind, edition).value_or(-1));
            const QJsonArray columns = grid[QStringLiteral("columns")].toArray();
            ASSERT_EQ(columns.size(), cells.columnCount() - 1) << word;
            for (int c = 1; c < cells.columnCount(); ++c)
                EXPECT_EQ(columns[c - 1][QStringLiteral("heading")].toString(), cells.cell(c, 0));
            const QJsonArray rows = grid[QStringLiteral("rows")].toArray();
            ASSERT_EQ(rows.size(), cells.rowCount() - 1) << word;
            for (int r = 1; r < cells.rowCount(); ++r) {
                const QJsonObject row = rows[r - 1].toObject();
                EXPECT_EQ(row[QStringLiteral("row")].toInt(), r);
                EXPECT_EQ(row[QStringLiteral("bytes")].toString(), RecordHex(image, kind, edition, 0, r - 1));
                const QJsonArray values = row[QStringLiteral("cells")].toArray();
                ASSERT_EQ(values.size(), cells.columnCount() - 1);
                for (int c = 1; c < cells.columnCount(); ++c) {
                    const ColumnDescriptor& column = *Column(kind, edition, c);
                    EXPECT_EQ(values[c - 1].isDouble(), !column.isName() && !column.choices)
                        << word << " row " << r << " column " << c;
                    EXPECT_EQ(CellText(values[c - 1]), cells.cell(c, r)) << word << " row " << r << " column " << c;
                }
            }
        }
    }
}

// A ROM cut inside a record: the record shows the bytes there are, and the
// records past the end show no value and no bytes; the tool says it could not read all.
TEST(ShowJsonTest, ACutRomShowsWhatItHolds)
{
    const QByteArray image = DemoRomImage(1993);
    const qint64 cut = *RecordOffset(RecordKind::Batter, 1993, 0, 2, 0) + 5;
    RomFolder folder;
    const QString rom = folder.write(QStringLiteral("cut.nes"), image.left(cut));
    const Outcome outcome = In("en", ShowArguments(rom, 93, "json"));
    EXPECT_EQ(outcome.code, 1);
    const QJsonArray rows = Document(outcome)[QStringLiteral("team")][QStringLiteral("grids")][QStringLiteral("batter")]
                                [QStringLiteral("rows")]
                                    .toArray();
    ASSERT_GT(rows.size(), 3);
    EXPECT_EQ(rows[1][QStringLiteral("bytes")].toString().size(), 2 * RecordSize(RecordKind::Batter, 1993).value());
    EXPECT_EQ(rows[2][QStringLiteral("bytes")].toString(), Hex(image.mid(cut - 5, 5)));
    EXPECT_EQ(rows[3][QStringLiteral("bytes")].toString(), QString());
    int battingAverage = 0;
    ColumnOfKind(RecordKind::Batter, 1993, ColumnKind::BattingAverage, &battingAverage);
    EXPECT_TRUE(rows[3][QStringLiteral("cells")][battingAverage - 1].isNull());
}

TEST(ShowCsvTest, OneLineACellUnderEnglishColumnNames)
{
    const Outcome outcome = In("ja", ShowArguments(Files().rom93(), 93, "csv"));
    ASSERT_EQ(outcome.code, 0);
    const QStringList lines = outcome.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines[0], QStringLiteral("team,code,grid,row,column,field,heading,text,bytes"));
    qsizetype cells = 0;
    for (const RecordKind kind : {RecordKind::Batter, RecordKind::Pitcher, RecordKind::Manager})
        cells += RecordsPerTeam(kind, 1993).value_or(0) * static_cast<qsizetype>(Columns(kind, 1993).size());
    EXPECT_EQ(lines.size(), cells + 1);
    const TeamView shown = FillTeam(*FindProfile(1993), Files().image93(), 0);
    ASSERT_TRUE(shown.readProblems.isEmpty());
    const int column = Files().averageColumn();
    const QString expected = QStringLiteral("0,%1,pitcher,2,%2,%3,%4,%5,%6")
                                 .arg(TeamLabel(1993, 0))
                                 .arg(column)
                                 .arg(cli::FieldWord(Column(RecordKind::Pitcher, 1993, column)->kind),
                                      Column(RecordKind::Pitcher, 1993, column)->header,
                                      shown.PitcherGrid.cell(column, 2),
                                      RecordHex(Files().image93(), RecordKind::Pitcher, 1993, 0, 1));
    EXPECT_TRUE(lines.contains(expected)) << expected.toStdString();
}

struct DetectCase {
    const char* name;
    std::function<QByteArray()> bytes;
    QJsonValue edition;
    QStringList reasons;
};

void PrintTo(const DetectCase& c, std::ostream* out)
{
    *out << c.name;
}

class DetectJsonTest : public ::testing::TestWithParam<DetectCase> {};

TEST_P(DetectJsonTest, GivesTheVerdictTheScoresAndTheReasons)
{
    const DetectCase& c = GetParam();
    const QByteArray bytes = c.bytes();
    RomFolder folder;
    const QString file = folder.write(QStringLiteral("file.nes"), bytes);
    const Outcome outcome = In("ja", DetectArguments(file));
    EXPECT_EQ(outcome.code, c.edition.isNull() ? 2 : 0);
    const QJsonObject document = Document(outcome);
    EXPECT_EQ(document[QStringLiteral("edition")], c.edition);
    QStringList reasons;
    for (const QJsonValue& reason : document[QStringLiteral("reasons")].toArray())
        reasons << reason.toString();
    EXPECT_EQ(reasons, c.reasons);
    EXPECT_EQ(document[QStringLiteral("size")].toInteger(), bytes.size());

    const Detection detection = DetectEdition(RomImage(bytes));
    EXPECT_DOUBLE_EQ(document[QStringLiteral("margin")].toDouble(), detection.margin);
    const QJsonArray scores = document[QStringLiteral("scores")].toArray();
    ASSERT_EQ(scores.size(), static_cast<qsizetype>(detection.ranking.size()));
    for (qsizetype i = 0; i < scores.size(); ++i) {
        EXPECT_EQ(scores[i][QStringLiteral("edition")].toInt(), detection.ranking[static_cast<std::size_t>(i)].edition);
        EXPECT_DOUBLE_EQ(scores[i][QStringLiteral("score")].toDouble(),
                         detection.ranking[static_cast<std::size_t>(i)].score);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, DetectJsonTest,
    ::testing::Values(
        DetectCase{"Sample", [] { return DemoRomImage(1988, {3, true, false}); }, QJsonValue(1988), {}},
        DetectCase{"Zeros", [] { return QByteArray(1000, '\0'); }, QJsonValue(),
                   {QStringLiteral("noNesMark"), QStringLiteral("lowScore"), QStringLiteral("tooClose")}},
        DetectCase{"CutByOneByte", [] { return DemoRomImage(1990).chopped(1); }, QJsonValue(),
                   {QStringLiteral("cutFile")}},
        DetectCase{"MarkRubbedOut", [] { return DemoRomImage(1992).replace(0, 1, "X"); }, QJsonValue(),
                   {QStringLiteral("noNesMark")}},
        DetectCase{"OfTwoEditions",
                   [] {
                       QByteArray image = DemoRomImage(1993, {5, true, false});
                       for (int team = 0; team < TeamCount(1994); ++team) {
                           image[ColorOffsets(1994, team, 0)->helmet] = image[ColorOffsets(1993, team, 0)->helmet];
                           image[ColorOffsets(1994, team, 0)->uniform] = image[ColorOffsets(1993, team, 0)->uniform];
                       }
                       return image;
                   },
                   QJsonValue(), {QStringLiteral("tooClose")}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DetectJsonTest, TellsTheSizeTheHeaderDeclares)
{
    const QByteArray sample = DemoRomImage(1990);
    RomFolder folder;
    const QJsonObject cut = Document(In("en", DetectArguments(folder.write(QStringLiteral("cut.nes"), sample.left(100)))));
    EXPECT_EQ(cut[QStringLiteral("declaredSize")].toInteger(), sample.size());
    EXPECT_EQ(cut[QStringLiteral("size")].toInteger(), 100);
    EXPECT_TRUE(Document(In("en", DetectArguments(Files().zeros())))[QStringLiteral("declaredSize")].isNull());
}

// The change the edited export makes, with the record's bytes before and after;
// nothing is written.
TEST(ImportJsonTest, NamesEachChangeWithItsRecordBytes)
{
    const QByteArray before = ReadFile(Files().rom93());
    const Outcome outcome = In("en", ImportArguments(Files().edited()));
    ASSERT_EQ(outcome.code, 0) << outcome.err.toStdString();
    const QJsonObject document = Document(outcome);
    EXPECT_EQ(document[QStringLiteral("edition")].toInt(), 1993);
    EXPECT_TRUE(document[QStringLiteral("accepted")].toBool());
    EXPECT_EQ(document[QStringLiteral("teams")].toArray().size(), TeamCount(1993));
    EXPECT_TRUE(document[QStringLiteral("problems")].toArray().isEmpty());
    const QJsonArray changes = document[QStringLiteral("changes")].toArray();
    ASSERT_EQ(changes.size(), 1) << outcome.out.toStdString();
    const QJsonObject change = changes[0].toObject();
    EXPECT_EQ(change[QStringLiteral("team")].toInt(-1), 0);
    EXPECT_EQ(change[QStringLiteral("code")].toString(), TeamLabel(1993, 0));
    EXPECT_EQ(change[QStringLiteral("grid")].toString(), QStringLiteral("batter"));
    EXPECT_EQ(change[QStringLiteral("row")].toInt(), 1);
    EXPECT_EQ(change[QStringLiteral("field")].toString(), QStringLiteral("battingAverage"));
    EXPECT_EQ(change[QStringLiteral("heading")].toString(),
              Column(RecordKind::Batter, 1993, Files().averageColumn())->header);
    EXPECT_EQ(change[QStringLiteral("before")], QJsonValue(Files().averageBefore()));
    EXPECT_EQ(change[QStringLiteral("after")], QJsonValue(Files().averageAfter()));
    const QString bytesBefore = RecordHex(Files().image93(), RecordKind::Batter, 1993, 0, 0);
    EXPECT_EQ(change[QStringLiteral("bytesBefore")].toString(), bytesBefore);
    const QString bytesAfter = change[QStringLiteral("bytesAfter")].toString();
    EXPECT_EQ(bytesAfter.size(), bytesBefore.size());
    EXPECT_NE(bytesAfter, bytesBefore);
    EXPECT_EQ(ReadFile(Files().rom93()), before) << "a dry run writes nothing";
    EXPECT_TRUE(outcome.err.contains(QStringLiteral("Nothing was written"))) << outcome.err.toStdString();
}

TEST(ImportJsonTest, ARefusedCellIsAProblemAndNothingIsWritten)
{
    const QByteArray before = ReadFile(Files().rom93());
    const Outcome outcome = In("en", ImportArguments(Files().refused()));
    EXPECT_EQ(outcome.code, 2);
    const QJsonObject document = Document(outcome);
    EXPECT_FALSE(document[QStringLiteral("accepted")].toBool(true));
    EXPECT_TRUE(document[QStringLiteral("changes")].toArray().isEmpty());
    const QJsonArray problems = document[QStringLiteral("problems")].toArray();
    ASSERT_EQ(problems.size(), 1) << outcome.out.toStdString();
    EXPECT_EQ(problems[0][QStringLiteral("file")].toString(), Files().refused());
    EXPECT_EQ(problems[0][QStringLiteral("line")].toInt(), Files().refusedLine());
    EXPECT_EQ(problems[0][QStringLiteral("heading")].toString(),
              Column(RecordKind::Batter, 1993, Files().averageColumn())->header);
    EXPECT_EQ(problems[0][QStringLiteral("text")].toString(), QStringLiteral("999"));
    EXPECT_TRUE(outcome.err.contains(QStringLiteral("999"))) << "the reason is a message: " << outcome.err.toStdString();
    EXPECT_EQ(ReadFile(Files().rom93()), before);
}

TEST(ImportCsvTest, OneLineAChangedCell)
{
    const Outcome outcome = In("ja", ImportArguments(Files().edited(), "csv"));
    ASSERT_EQ(outcome.code, 0) << outcome.err.toStdString();
    const QStringList lines = outcome.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << outcome.out.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("team,code,grid,row,player,field,heading,before,after"));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("0,%1,batter,1,").arg(TeamLabel(1993, 0)))) << lines[1].toStdString();
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral(",battingAverage,%1,%2,%3")
                                      .arg(Column(RecordKind::Batter, 1993, Files().averageColumn())->header)
                                      .arg(Files().averageBefore())
                                      .arg(Files().averageAfter())))
        << lines[1].toStdString();
}

class PatchJsonTest : public ::testing::TestWithParam<PatchKind> {};

// The runs the patch changes, and the checks of both files; nothing is written.
TEST_P(PatchJsonTest, SaysWhatThePatchChangesAndThatItFits)
{
    const QStringList entries = Files().folderEntries();
    const Outcome outcome = In("en", PatchArguments(Files().rom93(), Files().patch(GetParam())));
    ASSERT_EQ(outcome.code, 0) << outcome.err.toStdString();
    const QJsonObject document = Document(outcome);
    const bool bps = GetParam() == PatchKind::Bps;
    EXPECT_EQ(document[QStringLiteral("kind")].toString(), bps ? QStringLiteral("bps") : QStringLiteral("ips"));
    EXPECT_TRUE(document[QStringLiteral("fits")].toBool());
    EXPECT_EQ(document[QStringLiteral("verified")].toBool(), bps);
    const QByteArray& rom = Files().image93().bytes();
    const QByteArray& result = Files().modified();
    EXPECT_EQ(document[QStringLiteral("rom")][QStringLiteral("size")].toInteger(), rom.size());
    EXPECT_EQ(document[QStringLiteral("rom")][QStringLiteral("crc32")].toString(),
              QStringLiteral("%1").arg(Crc32(rom), 8, 16, QLatin1Char('0')));
    EXPECT_EQ(document[QStringLiteral("result")][QStringLiteral("size")].toInteger(), result.size());
    EXPECT_EQ(document[QStringLiteral("result")][QStringLiteral("crc32")].toString(),
              QStringLiteral("%1").arg(Crc32(result), 8, 16, QLatin1Char('0')));
    const std::vector<ByteChange> expected = ByteChanges(rom, result);
    const QJsonArray changes = document[QStringLiteral("changes")].toArray();
    ASSERT_EQ(changes.size(), static_cast<qsizetype>(expected.size()));
    for (qsizetype i = 0; i < changes.size(); ++i) {
        const ByteChange& change = expected[static_cast<std::size_t>(i)];
        EXPECT_EQ(changes[i][QStringLiteral("offset")].toInteger(), change.offset);
        EXPECT_EQ(changes[i][QStringLiteral("length")].toInteger(), change.length);
        EXPECT_EQ(changes[i][QStringLiteral("before")].toString(), Hex(change.before));
        EXPECT_EQ(changes[i][QStringLiteral("after")].toString(), Hex(change.after));
    }
    EXPECT_EQ(Files().folderEntries(), entries) << "a dry run writes nothing";
}

INSTANTIATE_TEST_SUITE_P(Kinds, PatchJsonTest, ::testing::Values(PatchKind::Ips, PatchKind::Bps),
                         [](const auto& info) { return std::string(info.param == PatchKind::Ips ? "Ips" : "Bps"); });

struct UnfitCase {
    const char* name;
    std::function<QString()> patch;
    QJsonValue kind;
};

void PrintTo(const UnfitCase& c, std::ostream* out)
{
    *out << c.name;
}

class UnfitPatchTest : public ::testing::TestWithParam<UnfitCase> {};

TEST_P(UnfitPatchTest, DoesNotFitAndChangesNothing)
{
    const Outcome outcome = In("en", PatchArguments(Files().rom86(), GetParam().patch()));
    EXPECT_EQ(outcome.code, 2);
    const QJsonObject document = Document(outcome);
    EXPECT_EQ(document[QStringLiteral("kind")], GetParam().kind);
    EXPECT_FALSE(document[QStringLiteral("fits")].toBool(true));
    EXPECT_FALSE(document[QStringLiteral("verified")].toBool(true));
    EXPECT_TRUE(document[QStringLiteral("result")].isNull());
    EXPECT_TRUE(document[QStringLiteral("changes")].toArray().isEmpty());
    EXPECT_TRUE(outcome.err.contains(QStringLiteral("Nothing was written"))) << outcome.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Patches, UnfitPatchTest,
    ::testing::Values(UnfitCase{"BpsForAnotherRom", [] { return Files().patch(PatchKind::Bps); }, QJsonValue(QStringLiteral("bps"))},
                      UnfitCase{"NoPatch", [] { return Files().notAPatch(); }, QJsonValue()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PatchDryRunTest, TellsPeopleTheRunsInTheirLanguage)
{
    const Outcome outcome = In("ja", {QStringLiteral("patch"), QStringLiteral("apply"), QStringLiteral("--dry-run"),
                                      Files().rom93(), Files().patch(PatchKind::Ips)});
    ASSERT_EQ(outcome.code, 0) << outcome.err.toStdString();
    EXPECT_TRUE(outcome.out.contains(QStringLiteral("確かめられません"))) << outcome.out.toStdString();
    EXPECT_TRUE(outcome.out.contains(QStringLiteral("変わるのは 3 か所、7 バイトです"))) << outcome.out.toStdString();
    EXPECT_TRUE(outcome.out.contains(QStringLiteral("  0x000020  2 バイト  "))) << outcome.out.toStdString();
    EXPECT_TRUE(outcome.out.contains(QStringLiteral("（なし） → 74 61 69 6C"))) << outcome.out.toStdString();
}

// --- the schema ------------------------------------------------------------------

// Every path to a value: keys joined by ".", "[]" for the elements of an
// array, "GRID" for the grids' names.
void CollectPaths(const QJsonValue& value, const QString& path, std::set<QString>& paths)
{
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            const QString key = path.endsWith(QStringLiteral("grids")) ? QStringLiteral("GRID") : it.key();
            CollectPaths(it.value(), path.isEmpty() ? key : path + u'.' + key, paths);
        }
    } else if (value.isArray()) {
        for (const QJsonValue& element : value.toArray())
            CollectPaths(element, path + QStringLiteral("[]"), paths);
    } else {
        paths.insert(path);
    }
}

struct Schema {
    std::set<QString> keys;
    QString csvColumns;
};

// The keys and CSV columns 'help formats' documents for each command.
std::map<QString, Schema> DocumentedSchemas(const QString& help)
{
    static const QRegularExpression block(QStringLiteral("^([a-z][a-z -]*[a-z]) --format (json|csv):"));
    static const QRegularExpression key(QStringLiteral("^  ([a-z][A-Za-z0-9.\\[\\]]*)  "));
    std::map<QString, Schema> schemas;
    QString command;
    bool csv = false;
    for (const QString& line : help.split(u'\n')) {
        if (const QRegularExpressionMatch start = block.match(line); start.hasMatch()) {
            command = start.captured(1);
            csv = start.captured(2) == QStringLiteral("csv");
        } else if (line.isEmpty()) {
            command.clear();
        } else if (!command.isEmpty() && csv && line.startsWith(QStringLiteral("    "))) {
            schemas[command].csvColumns = line.trimmed();
            csv = false;
        } else if (const QRegularExpressionMatch item = key.match(line); !command.isEmpty() && item.hasMatch()) {
            schemas[command].keys.insert(item.captured(1));
        }
    }
    return schemas;
}

std::set<QString> PathsOf(const std::vector<QStringList>& runs)
{
    std::set<QString> paths;
    for (const QStringList& arguments : runs)
        CollectPaths(Document(In("en", arguments)), QString(), paths);
    return paths;
}

QString CsvHeader(const QStringList& arguments)
{
    return In("en", arguments).out.section(u'\n', 0, 0);
}

class SchemaTest : public ::testing::TestWithParam<const char*> {};

// The help names exactly the keys the documents hold and the columns the
// tables have, in either language.
TEST_P(SchemaTest, HelpDocumentsEveryKeyAndColumn)
{
    const Outcome help = In(GetParam(), {QStringLiteral("help"), QStringLiteral("formats")});
    ASSERT_EQ(help.code, 0);
    const std::map<QString, Schema> schemas = DocumentedSchemas(help.out);
    const auto schema = [&](const char* command) {
        const auto found = schemas.find(QString::fromLatin1(command));
        EXPECT_NE(found, schemas.end()) << command << " is not documented";
        return found == schemas.end() ? Schema{} : found->second;
    };
    EXPECT_EQ(schemas.size(), 4u);
    EXPECT_EQ(schema("show").keys, PathsOf({ShowArguments(Files().rom93(), 93, "json")}));
    EXPECT_EQ(schema("detect").keys, PathsOf({DetectArguments(Files().zeros()), DetectArguments(Files().rom93())}));
    EXPECT_EQ(schema("import --dry-run").keys,
              PathsOf({ImportArguments(Files().edited()), ImportArguments(Files().refused())}));
    EXPECT_EQ(schema("patch apply --dry-run").keys,
              PathsOf({PatchArguments(Files().rom93(), Files().patch(PatchKind::Bps))}));

    EXPECT_EQ(schema("show").csvColumns, CsvHeader(ShowArguments(Files().rom93(), 93, "csv")));
    EXPECT_EQ(schema("detect").csvColumns, CsvHeader(DetectArguments(Files().zeros(), "csv")));
    EXPECT_EQ(schema("import --dry-run").csvColumns, CsvHeader(ImportArguments(Files().edited(), "csv")));
    EXPECT_EQ(schema("patch apply --dry-run").csvColumns,
              CsvHeader(PatchArguments(Files().rom93(), Files().patch(PatchKind::Ips), "csv")));
}

// The example is what the tool writes for the file it names.
TEST_P(SchemaTest, ExampleIsTheToolsOwnOutput)
{
    const QString help = In(GetParam(), {QStringLiteral("help"), QStringLiteral("formats")}).out;
    const QString command = QStringLiteral("    $ quindaro2-cli detect --format json zeros.bin\n");
    const qsizetype start = help.indexOf(command);
    ASSERT_GE(start, 0) << help.toStdString();
    QJsonParseError error;
    const QJsonDocument example = QJsonDocument::fromJson(help.mid(start + command.size()).toUtf8(), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    EXPECT_EQ(example.object(), Document(In(GetParam(), DetectArguments(Files().zeros()))));
}

INSTANTIATE_TEST_SUITE_P(Languages, SchemaTest, ::testing::Values("en", "ja"));

// --- the option ------------------------------------------------------------------

class FormatOptionTest : public ::testing::TestWithParam<ToolCase> {};

TEST_P(FormatOptionTest, IsRefusedWhereItDoesNotApply)
{
    const ToolCase& c = GetParam();
    const CaseFiles files;
    const Outcome outcome = RunTool(files.arguments(c));
    EXPECT_EQ(outcome.code, c.code);
    EXPECT_TRUE((c.onStdout ? outcome.out : outcome.err).contains(files.fill(c.message))) << outcome.err.toStdString();
    EXPECT_TRUE(outcome.out.isEmpty()) << outcome.out.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatOptionTest,
    ::testing::Values(
        ToolCase{"UnknownFormat", {"show", "--edition", "93", "--team", "0", "--format", "xml", "{rom}"}, 2, false,
                 "形式は text、json、csv のどれかです：xml"},
        ToolCase{"EmptyFormat", {"detect", "--format=", "{rom}"}, 2, false, "形式は text、json、csv のどれかです："},
        ToolCase{"ImportWithoutDryRun", {"import", "--edition", "93", "{rom}", "{short}", "--format", "json"}, 2,
                 false, "--format は --dry-run と一緒に使います"},
        ToolCase{"PatchWithoutDryRun", {"patch", "apply", "{rom}", "{short}", "{out}", "--format", "json"}, 2, false,
                 "--format は --dry-run と一緒に使います"},
        ToolCase{"DryRunOfCreate", {"patch", "create", "--dry-run", "{rom}", "{short}"}, 2, false,
                 "--dry-run は patch apply --dry-run ROM PATCH の形で使います"},
        ToolCase{"DryRunWithOut", {"patch", "apply", "--dry-run", "{rom}", "{short}", "{out}"}, 2, false,
                 "--dry-run は patch apply --dry-run ROM PATCH の形で使います"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- CSV fields ------------------------------------------------------------------

TEST(CsvTest, QuotesWhatWouldSplitAField)
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    cli::Io io(outStream, errStream);
    cli::PrintCsv(io, {{QStringLiteral("a"), QStringLiteral("b")},
                       {{QStringLiteral("plain"), QStringLiteral("名　前")},
                        {QStringLiteral("x,y"), QStringLiteral("say \"hi\"")},
                        {QStringLiteral("two\nlines"), QString()},
                        {QStringLiteral("cr\r"), QStringLiteral("\"")}}});
    outStream.flush();
    EXPECT_EQ(out, QStringLiteral("a,b\nplain,名　前\n\"x,y\",\"say \"\"hi\"\"\"\ntwo\\x0alines,\ncr\\x0d,\"\"\"\"\n"));
    EXPECT_TRUE(err.isEmpty());
}

// A text from a file name may hold any character: the line holds none that
// acts on a terminal, and reads back as the same text.
TEST(JsonTest, NoControlCharacterReachesTheTerminal)
{
    const QString name = QStringLiteral("a\x1b[31m\x7f\u009b\u0085b\n");
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    cli::Io io(outStream, errStream);
    cli::PrintJson(io, {{QStringLiteral("file"), name}});
    outStream.flush();
    ASSERT_TRUE(out.endsWith(u'\n'));
    for (const QChar c : out.chopped(1))
        EXPECT_FALSE(c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F)) << int(c.unicode());
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(out.toUtf8(), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << out.toStdString();
    EXPECT_EQ(document.object()[QStringLiteral("file")].toString(), name);
}

} // namespace
} // namespace quindaro2
