#include "core/edition/ColumnTable.h"
#include "core/edition/Edition.h"
#include "core/import/CsvFields.h"
#include "core/import/ImportReport.h"
#include "core/import/PlayerImport.h"
#include "core/import/TextLines.h"
#include "core/roster/CellText.h"
#include "support/ExportText.h"
#include "support/PlausibleRom.h"

#include <gtest/gtest.h>

#include <QStringDecoder>

#include <functional>

namespace quindaro2 {
namespace {

using test::ExportLineIndex;
using test::ExportLines;
using test::Field;
using test::SetField;

// --- fields and lines ----------------------------------------------------------

struct FieldCase {
    const char* line;
    std::vector<const char*> fields;  // empty and `error` set: refused
    const char* error;
};

class SplitFieldsTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(SplitFieldsTest, ReadsTheFieldsSpreadsheetsWrite)
{
    const FieldCase& c = GetParam();
    const Result<QStringList> fields = SplitFields(QString::fromUtf8(c.line));
    if (c.error) {
        ASSERT_FALSE(fields.ok());
        EXPECT_TRUE(fields.reason().contains(QString::fromUtf8(c.error))) << fields.reason().toStdString();
        return;
    }
    ASSERT_TRUE(fields.ok()) << fields.reason().toStdString();
    QStringList expected;
    for (const char* field : c.fields)
        expected << QString::fromUtf8(field);
    EXPECT_EQ(fields.value(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitFieldsTest,
    ::testing::Values(FieldCase{"ＡＢ,右,250", {"ＡＢ", "右", "250"}, nullptr},
                      FieldCase{"ＡＢ,,250", {"ＡＢ", "", "250"}, nullptr},
                      FieldCase{",右", {"", "右"}, nullptr},
                      FieldCase{"ＡＢ,右,,,", {"ＡＢ", "右"}, nullptr},
                      FieldCase{",,,", {}, nullptr},
                      FieldCase{"", {}, nullptr},
                      FieldCase{"\"ＡＢ\",\"右\",\"2,50\"", {"ＡＢ", "右", "2,50"}, nullptr},
                      FieldCase{"\"a\"\"b\",\"\"", {"a\"b"}, nullptr},
                      FieldCase{"\"ＡＢ,右", {}, "閉じていません"},
                      FieldCase{"\"ＡＢ\"x,右", {}, "閉じた引用符"}));

struct LinesCase {
    const char* name;
    QByteArray bytes;
    std::vector<const char*> lines;  // when readable
    int problemLine;
    const char* problem;  // part of the reason; null when readable
};

void PrintTo(const LinesCase& c, std::ostream* out)
{
    *out << c.name;
}

const QByteArray kShiftJisTeam("G\x83\x60\x81\x5B\x83\x80", 7);  // Gチーム

class DecodeTextLinesTest : public ::testing::TestWithParam<LinesCase> {};

TEST_P(DecodeTextLinesTest, ReadsShiftJisAndUtf8AndRefusesWhatIsNoText)
{
    const LinesCase& c = GetParam();
    const TextLines text = DecodeTextLines(c.bytes);
    if (c.problem) {
        ASSERT_FALSE(text.ok());
        EXPECT_EQ(text.problemLine, c.problemLine);
        EXPECT_TRUE(text.problem.contains(QString::fromUtf8(c.problem))) << text.problem.toStdString();
        return;
    }
    ASSERT_TRUE(text.ok()) << text.problem.toStdString();
    ASSERT_EQ(text.lines.size(), c.lines.size());
    for (std::size_t i = 0; i < c.lines.size(); ++i) {
        EXPECT_EQ(text.lines[i].number, static_cast<int>(i) + 1);
        EXPECT_EQ(text.lines[i].text, QString::fromUtf8(c.lines[i]));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecodeTextLinesTest,
    ::testing::Values(
        LinesCase{"ShiftJisCrLf", kShiftJisTeam + "\r\n1\r\n", {"Gチーム", "1"}, 0, nullptr},
        LinesCase{"Utf8WithMarkAndLf", QByteArray("\xEF\xBB\xBF") + "Gチーム\n1\n", {"Gチーム", "1"}, 0, nullptr},
        LinesCase{"Utf8MixedEndsNoLastEnd", QByteArray("Gチーム\r\n\n1"), {"Gチーム", "", "1"}, 0, nullptr},
        LinesCase{"TabsAreText", QByteArray("a\tb\n"), {"a\tb"}, 0, nullptr},
        LinesCase{"ShiftJisCrOnly", kShiftJisTeam + "\r1\r", {"Gチーム", "1"}, 0, nullptr},
        LinesCase{"EveryEndAlike", QByteArray("a\r\r\nb\n\rc"), {"a", "", "b", "", "c"}, 0, nullptr},
        LinesCase{"OtherControlsAreNoText", QByteArray("a\rb\x0c\n"), {}, 2, "制御文字 0x0c"},
        LinesCase{"CutInsideACharacter", kShiftJisTeam + "\r\n\x83", {}, 2, "Shift-JIS としても"},
        LinesCase{"MarkedButNotUtf8", QByteArray("\xEF\xBB\xBF") + kShiftJisTeam, {}, 1, "UTF-8 として読めない"}),
    [](const auto& info) { return std::string(info.param.name); });

// The export's own Shift-JIS is never taken for UTF-8, in any edition.
TEST(DecodeTextLines, ReadsEveryEditionsExportAsWritten)
{
    for (int edition = kFirstEdition; edition <= kLastEdition; ++edition) {
        test::SyntheticRom rom;
        test::FillPlausibleRoster(rom, edition, 7);
        const QStringList lines = ExportLines(RomImage(rom.bytes()), edition);
        const TextLines text = DecodeTextLines(test::ShiftJisText(lines));
        ASSERT_TRUE(text.ok()) << edition;
        ASSERT_EQ(text.lines.size(), static_cast<std::size_t>(lines.size()));
        for (std::size_t i = 0; i < text.lines.size(); ++i)
            EXPECT_EQ(text.lines[i].text, lines[static_cast<qsizetype>(i)]) << edition;
    }
}

// --- teams, variants and reports, on one 1993 league -----------------------------

class ImportFormatTest : public ::testing::Test {
protected:
    static constexpr int kEdition = 1993;

    void SetUp() override
    {
        test::SyntheticRom rom;
        test::FillPlausibleRoster(rom, kEdition, 11);
        image = RomImage(rom.bytes());
        lines = ExportLines(image, kEdition);
    }

    PlayerImport Import(const std::vector<ImportFile>& files) const
    {
        const Result<PlayerImport> imported = ImportPlayerData(image, kEdition, files);
        EXPECT_TRUE(imported.ok()) << imported.reason().toStdString();
        return imported ? imported.value() : PlayerImport{};
    }

    PlayerImport ImportText(const QStringList& text) const
    {
        return Import({ImportFile{QStringLiteral("players.txt"), test::ShiftJisText(text)}});
    }

    int Line(int team, RecordKind grid, int slot) const { return ExportLineIndex(kEdition, team, grid, slot); }

    RomImage image;
    QStringList lines;
};

struct Variant {
    const char* name;
    std::function<QByteArray(const QStringList&)> save;
};

void PrintTo(const Variant& c, std::ostream* out)
{
    *out << c.name;
}

class SpreadsheetVariantTest : public ImportFormatTest, public ::testing::WithParamInterface<Variant> {};

// What a spreadsheet may make of the export without changing a value.
TEST_P(SpreadsheetVariantTest, ChangesNothing)
{
    const PlayerImport imported = Import({ImportFile{QStringLiteral("players.csv"), GetParam().save(lines)}});
    ASSERT_TRUE(imported.ok()) << ProblemText(imported.problems.front()).toStdString();
    EXPECT_EQ(imported.teams.size(), 16U);
    EXPECT_TRUE(imported.changes.empty());
    EXPECT_EQ(imported.image, image);
}

QStringList Mapped(const QStringList& lines, const std::function<QString(const QString&)>& field)
{
    QStringList mapped;
    for (const QString& line : lines) {
        QStringList fields = line.split(u',');
        for (QString& text : fields)
            text = field(text);
        mapped << fields.join(u',');
    }
    return mapped;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpreadsheetVariantTest,
    ::testing::Values(
        Variant{"Utf8WithoutMark", [](const QStringList& l) { return test::Utf8Text(l, false); }},
        Variant{"EveryFieldQuoted",
                [](const QStringList& l) {
                    return test::ShiftJisText(Mapped(l, [](const QString& f) { return u'"' + f + u'"'; }));
                }},
        Variant{"TrailingEmptyFieldsAndBlankLines",
                [](const QStringList& l) {
                    QStringList padded;
                    for (const QString& line : l)
                        padded << line + QStringLiteral(",,,") << QString() << QStringLiteral(",,");
                    return test::Utf8Text(padded, true);
                }},
        Variant{"CrOnlyLineEnds",
                [](const QStringList& l) { return test::ShiftJisText(l).replace("\r\n", "\r"); }},
        Variant{"FullWidthDigits",
                [](const QStringList& l) {
                    return test::Utf8Text(Mapped(l, [](const QString& f) {
                                              if (!StrictInteger(f))
                                                  return f;
                                              QString wide;
                                              for (const QChar c : f)
                                                  wide += c == u'-' ? QChar(u'－') : QChar(c.unicode() - u'0' + u'０');
                                              return wide;
                                          }),
                                          false);
                }},
        Variant{"TrailingBlanksTrimmedAndNumbersWithLeadingZeros",
                [](const QStringList& l) {
                    return test::ShiftJisText(Mapped(l, [](const QString& f) {
                        QString text = f;
                        while (text.endsWith(u'　'))
                            text.chop(1);
                        return StrictInteger(text) ? u'0' + text : text;
                    }));
                }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ImportFormatTest, ATeamLeftOutKeepsItsRecords)
{
    const int line = Line(6, RecordKind::Pitcher, 2);
    SetField(lines, line, 3, QStringLiteral("120"));
    const int teamLines = Line(1, RecordKind::Batter, 0) - Line(0, RecordKind::Batter, 0);
    const QStringList sixAndSeven = lines.mid(Line(5, RecordKind::Batter, 0) - 2, 2 * teamLines);

    const PlayerImport imported = ImportText(sixAndSeven);
    ASSERT_TRUE(imported.ok()) << ProblemText(imported.problems.front()).toStdString();
    EXPECT_EQ(imported.teams, (std::vector<int>{5, 6}));
    ASSERT_EQ(imported.changes.size(), 1U);
    EXPECT_EQ(imported.changes[0].team, 6);
    EXPECT_EQ(imported.changes[0].slot, 2);
    EXPECT_EQ(imported.changes[0].heading, QStringLiteral("防御率"));
    EXPECT_EQ(imported.changes[0].after, QStringLiteral("120"));
    EXPECT_EQ(ChangeText(kEdition, imported.changes[0]),
              QStringLiteral("Lチーム ピッチャー 3「%1」 防御率：%2 → 120").arg(Field(lines, line, 1), imported.changes[0].before));
}

// 1993 has two teams coded C (list places 3 and 13).
TEST_F(ImportFormatTest, TheSecondCTeamByItsPlaceOrByItsFileName)
{
    SetField(lines, Line(13, RecordKind::Batter, 0), 4, QStringLiteral("77"));
    const PlayerImport whole = ImportText(lines);
    ASSERT_EQ(whole.changes.size(), 1U);
    EXPECT_EQ(whole.changes[0].team, 13);
    EXPECT_EQ(ImportTeamName(kEdition, 13), QStringLiteral("Cチーム（2つ目）"));

    const int teamLines = Line(1, RecordKind::Batter, 0) - Line(0, RecordKind::Batter, 0);
    const QByteArray secondC = test::ShiftJisText(lines.mid(13 * teamLines, teamLines));
    const struct {
        const char* file;
        int team;
    } named[] = {{"/out/players_C2.txt", 13}, {"/out/players_C2_edited.csv", 13}, {"/out/players_C.txt", 3},
                 {"/out/other.txt", 3}};
    for (const auto& c : named) {
        const PlayerImport imported = Import({ImportFile{QString::fromUtf8(c.file), secondC}});
        ASSERT_TRUE(imported.ok()) << c.file;
        EXPECT_EQ(imported.teams, std::vector<int>{c.team}) << c.file;
    }
    const PlayerImport third = Import({ImportFile{QStringLiteral("/out/players_C3.txt"), secondC}});
    ASSERT_EQ(third.problems.size(), 1U);
    EXPECT_TRUE(third.problems[0].reason.contains(QStringLiteral("「_C3」"))) << third.problems[0].reason.toStdString();
}

// Nothing is written while anything is refused, and the report names every
// refused cell with its file, line, heading and text.
TEST_F(ImportFormatTest, EveryRefusedCellIsReportedAndNothingChanges)
{
    SetField(lines, Line(0, RecordKind::Batter, 0), 3, QStringLiteral("401"));
    SetField(lines, Line(0, RecordKind::Batter, 0), 2, QStringLiteral("左右"));
    SetField(lines, Line(0, RecordKind::Batter, 1), 4, QStringLiteral("50"));  // accepted
    SetField(lines, Line(9, RecordKind::Pitcher, 6), 1, QStringLiteral("ＡＢＣＤＥＦ"));

    const PlayerImport imported = ImportText(lines);
    ASSERT_EQ(imported.problems.size(), 3U);
    const struct {
        int line;
        const char* column;
        const char* text;
        const char* reason;
    } expected[] = {{3, "打　席", "左右", "右、左"},
                    {3, "打率", "401", "150～400"},
                    {Line(9, RecordKind::Pitcher, 6) + 1, "名　前　　", "ＡＢＣＤＥＦ", "5 文字まで"}};
    for (std::size_t i = 0; i < 3; ++i) {
        const ImportProblem& problem = imported.problems[i];
        EXPECT_EQ(problem.file, QStringLiteral("players.txt"));
        EXPECT_EQ(problem.line, expected[i].line);
        EXPECT_EQ(problem.column, QString::fromUtf8(expected[i].column));
        EXPECT_EQ(problem.text, QString::fromUtf8(expected[i].text));
        EXPECT_TRUE(problem.reason.contains(QString::fromUtf8(expected[i].reason))) << problem.reason.toStdString();
    }
    EXPECT_TRUE(ProblemText(imported.problems[1]).startsWith(QStringLiteral("players.txt 3 行目 打率「401」：「打率」の値 401 は範囲外です")))
        << ProblemText(imported.problems[1]).toStdString();
    EXPECT_TRUE(imported.changes.empty());
    EXPECT_EQ(imported.image, image);
    EXPECT_EQ(ImportSummary(kEdition, imported), QStringLiteral("取り込めないところが 3 か所あります。何も書き込みません"));
}

// An import takes 1 MiB and 65,536 lines of text, its files together, and
// lists its first 100 problems, counting the rest: a file that is no export
// at all costs neither minutes nor memory.
TEST_F(ImportFormatTest, TheTextsOfAnImportAreBounded)
{
    const QByteArray text = test::ShiftJisText(lines);
    // Lines of commas are blank to the import.
    const auto padded = [&](qint64 size) {
        QByteArray bytes = text;
        while (bytes.size() < size)
            bytes += QByteArray(std::min<qint64>(4000, size - bytes.size() - 2), ',') + "\r\n";
        return bytes.left(size);
    };
    const auto problems = [&](const QByteArray& bytes) {
        const PlayerImport imported = Import({ImportFile{QStringLiteral("players.txt"), bytes}});
        QStringList found;
        for (const ImportProblem& problem : imported.problems)
            found << ProblemText(problem);
        return found.join(u'\n');
    };
    EXPECT_EQ(problems(padded(kLargestImportText)), QString());
    EXPECT_TRUE(problems(padded(kLargestImportText + 1)).contains(QStringLiteral("大きすぎます")));
    const int blank = kMostImportLines - static_cast<int>(lines.size());
    EXPECT_EQ(problems(text + QByteArray(blank, '\n')), QString());
    EXPECT_TRUE(problems(text + QByteArray(blank + 1, '\n')).contains(QStringLiteral("行が多すぎます")));

    // Two files of lines: together one too many.
    const PlayerImport twoFiles = Import({ImportFile{QStringLiteral("a.txt"), text + QByteArray(blank, '\n')},
                                          ImportFile{QStringLiteral("b.txt"), QByteArray("\n")}});
    ASSERT_EQ(twoFiles.problems.size(), 1U);
    EXPECT_EQ(twoFiles.problems[0].file, QStringLiteral("b.txt"));
    EXPECT_TRUE(twoFiles.problems[0].reason.contains(QStringLiteral("合わせて"))) << twoFiles.problems[0].reason.toStdString();

    // 150 lines no field of which can be read, after the export: 100 listed, 50 counted.
    QByteArray unreadable = text;
    for (int i = 0; i < 150; ++i)
        unreadable += "\"a\r\n";
    const PlayerImport capped = Import({ImportFile{QStringLiteral("players.txt"), unreadable}});
    EXPECT_EQ(capped.problems.size(), kMostImportProblems);
    EXPECT_EQ(capped.unlistedProblems, 150 + 1 - static_cast<int>(kMostImportProblems));
    EXPECT_FALSE(capped.ok());
    EXPECT_EQ(ImportSummary(kEdition, capped), QStringLiteral("取り込めないところが 151 か所あります。何も書き込みません"));
    const QStringList details = ImportDetails(kEdition, capped);
    ASSERT_EQ(details.size(), 101);
    EXPECT_EQ(details.back(), QStringLiteral("ほか 51 か所（最初の 100 か所だけを示しています）"));
    EXPECT_EQ(capped.image, image);
}

TEST_F(ImportFormatTest, AValueStoredOtherwiseIsNoted)
{
    SetField(lines, Line(2, RecordKind::Pitcher, 0), 3, QStringLiteral("123"));  // earned-run averages step by 10
    const PlayerImport imported = ImportText(lines);
    ASSERT_TRUE(imported.ok());
    ASSERT_EQ(imported.notes.size(), 1);
    EXPECT_TRUE(imported.notes[0].contains(QStringLiteral("防御率「123」は「120」として保存されます"))) << imported.notes[0].toStdString();
}

// --- the 1991 type columns hold the whole byte ------------------------------------

class TypeByteTest : public ::testing::Test {
protected:
    static constexpr int kEdition = 1991;

    void SetUp() override
    {
        image = RomImage(test::RandomRoster(kEdition, 5, false).bytes());
        lines = ExportLines(image, kEdition);
    }

    PlayerImport Import() const
    {
        return ImportPlayerData(image, kEdition, {{QStringLiteral("t.txt"), test::ShiftJisText(lines)}}).value();
    }

    int Byte7(const RomImage& of, RecordKind grid, int slot) const
    {
        return of.record(grid, kEdition, 4, slot).record[7];
    }

    int Line(RecordKind grid, int slot) const { return ExportLineIndex(kEdition, 4, grid, slot); }

    RomImage image;
    QStringList lines;
};

TEST_F(TypeByteTest, ABatterTypeAndPositionChangeTogether)
{
    const int position = 6;
    const int line = Line(RecordKind::Batter, 3);
    SetField(lines, line, 6, QString::number(position));
    SetField(lines, line, 9, QString::number(16 * 3 + position));
    const PlayerImport imported = Import();
    ASSERT_TRUE(imported.ok()) << ProblemText(imported.problems.front()).toStdString();
    EXPECT_EQ(Byte7(imported.image, RecordKind::Batter, 3), 16 * 3 + position);
}

// A pitcher byte whose low four bits are not 1 (no editor wrote it) takes
// the whole byte asked for, though the type shown stays the same.
TEST_F(TypeByteTest, APitcherTypeTakesTheWholeByte)
{
    int slot = 0;
    while ((Byte7(image, RecordKind::Pitcher, slot) & 0x0F) == 1)
        ++slot;
    const int wanted = (Byte7(image, RecordKind::Pitcher, slot) & 0xF0) | 1;
    SetField(lines, Line(RecordKind::Pitcher, slot), 11, QString::number(wanted));
    const PlayerImport imported = Import();
    ASSERT_TRUE(imported.ok());
    EXPECT_EQ(Byte7(imported.image, RecordKind::Pitcher, slot), wanted);
    ASSERT_EQ(imported.changes.size(), 1U);
    EXPECT_EQ(imported.changes[0].after, QString::number(wanted));
}

} // namespace
} // namespace quindaro2
