#include "core/edition/ColumnTable.h"
#include "core/edition/Edition.h"
#include "core/import/CsvFields.h"
#include "core/import/ImportReport.h"
#include "core/import/PlayerImport.h"
#include "core/import/ShiftJisVariants.h"
#include "core/import/TextLines.h"
#include "core/roster/CellText.h"
#include "support/ExportText.h"
#include "support/ImportInto.h"
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
        LinesCase{"MarkedButNotUtf8", QByteArray("\xEF\xBB\xBF") + kShiftJisTeam, {}, 1, "UTF-8 として読めない"},
        LinesCase{"NeitherSaysHowToSave", kShiftJisTeam + "\r\n\x83", {}, 2, "UTF-8 で保存し直してください"},
        LinesCase{"JisTableVariantsAsTheExportReadsThem", QByteArray("Ａ\u2212Ｂ,\u301C\u2016\u00A2\u00A3\u00AC－\n"),
                  {"Ａ－Ｂ,～∥￠￡￢－"}, 0, nullptr},
        LinesCase{"ReplacementMarksOfAnotherCharacterSet", QByteArray("G\uFFFD\uFFFD\uFFFD\n"), {}, 1,
                  "Shift-JIS でも UTF-8 でもない"},
        LinesCase{"OneReplacementMarkOnALaterLine", QByteArray("Gチーム\nＡ\uFFFD,右\n"), {}, 2, "「\uFFFD」"}),
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

// The variants are what a decoder that follows the JIS table reads for the
// codes the export's own decoder reads as the stored characters.
TEST(UnifyShiftJisVariants, GivesWhatTheExportsDecoderReads)
{
    const struct {
        const char* code;
        char16_t jisReading;
    } variants[] = {{"\x81\x7C", u'\u2212'}, {"\x81\x60", u'\u301C'}, {"\x81\x61", u'\u2016'},
                    {"\x81\x91", u'\u00A2'}, {"\x81\x92", u'\u00A3'}, {"\x81\xCA", u'\u00AC'}};
    QStringDecoder exportDecoder("windows-31j");
    ASSERT_TRUE(exportDecoder.isValid());
    for (const auto& v : variants) {
        const QString stored = exportDecoder.decode(QByteArray(v.code));
        ASSERT_EQ(stored.size(), 1);
        ASSERT_NE(stored[0], QChar(v.jisReading));
        EXPECT_EQ(UnifyShiftJisVariants(QStringLiteral("Ａ") + QChar(v.jisReading) + QChar(v.jisReading)),
                  QStringLiteral("Ａ") + stored + stored)
            << v.code;
        EXPECT_EQ(UnifyShiftJisVariants(stored), stored);
    }
    EXPECT_EQ(UnifyShiftJisVariants(QStringLiteral("Gチーム,名　前　　,-1")), QStringLiteral("Gチーム,名　前　　,-1"));
}

// A spreadsheet that read the export's "－" (1992) through a JIS-table
// decoder saves "−": the cell reads as the character the edition stores.
TEST(JisDecodedImport, TheMinusOf1992ReadsAsTheStoredCharacter)
{
    constexpr int kEdition = 1992;
    test::SyntheticRom rom;
    test::FillPlausibleRoster(rom, kEdition, 3);
    const RomImage original(rom.bytes());
    const int line = ExportLineIndex(kEdition, 2, RecordKind::Batter, 4);
    const auto jisDecoded = [](QStringList lines) {
        for (QString& text : lines)
            text.replace(u'－', u'\u2212');
        return test::Utf8Text(lines, false);
    };

    QStringList lines = ExportLines(original, kEdition);
    SetField(lines, line, 1, QStringLiteral("ＡＢ－Ｃ"));
    const Result<PlayerImport> typed = test::ImportInto(original, kEdition, {{QStringLiteral("t.csv"), jisDecoded(lines)}});
    ASSERT_TRUE(typed.ok());
    ASSERT_TRUE(typed->ok()) << ProblemText(typed->problems.front()).toStdString();
    ASSERT_EQ(typed->changes.size(), 1U);
    EXPECT_EQ(typed->changes[0].after, QStringLiteral("ＡＢ－Ｃ　"));

    const QStringList exported = ExportLines(typed->image, kEdition);
    ASSERT_TRUE(Field(exported, line, 1).contains(u'－'));
    const Result<PlayerImport> untouched =
        test::ImportInto(typed->image, kEdition, {{QStringLiteral("t.csv"), jisDecoded(exported)}});
    ASSERT_TRUE(untouched.ok());
    ASSERT_TRUE(untouched->ok()) << ProblemText(untouched->problems.front()).toStdString();
    EXPECT_TRUE(untouched->changes.empty());
    EXPECT_EQ(untouched->image, typed->image);
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
        const RomDocument document(QStringLiteral("rom.nes"), test::Profile(kEdition), image);
        const Result<PlayerImport> imported = ImportPlayerData(document, files);
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

// A file name names the team only for a file that holds one of the teams
// sharing its code: one that holds both goes by their order.
TEST_F(ImportFormatTest, AFileHoldingBothCTeamsGoesByTheirOrderWhateverItsName)
{
    ASSERT_NE(Field(lines, Line(3, RecordKind::Batter, 1), 4), QStringLiteral("66"));
    ASSERT_NE(Field(lines, Line(13, RecordKind::Batter, 0), 4), QStringLiteral("77"));
    SetField(lines, Line(3, RecordKind::Batter, 1), 4, QStringLiteral("66"));
    SetField(lines, Line(13, RecordKind::Batter, 0), 4, QStringLiteral("77"));
    const int teamLines = Line(1, RecordKind::Batter, 0) - Line(0, RecordKind::Batter, 0);
    const QStringList bothC = lines.mid(3 * teamLines, teamLines) + lines.mid(13 * teamLines, teamLines);
    for (const auto& [file, text] : {std::pair(QStringLiteral("/out/players_C2.txt"), lines),
                                     std::pair(QStringLiteral("/out/both_C2.csv"), bothC),
                                     std::pair(QStringLiteral("/out/both_C1.csv"), bothC)}) {
        const PlayerImport imported = Import({ImportFile{file, test::ShiftJisText(text)}});
        ASSERT_TRUE(imported.ok()) << file.toStdString() << ": " << ProblemText(imported.problems.front()).toStdString();
        ASSERT_EQ(imported.changes.size(), 2U) << file.toStdString();
        EXPECT_EQ(imported.changes[0].team, 3) << file.toStdString();
        EXPECT_EQ(imported.changes[0].after, QStringLiteral("66"));
        EXPECT_EQ(imported.changes[1].team, 13) << file.toStdString();
        EXPECT_EQ(imported.changes[1].after, QStringLiteral("77"));
    }
}

// A spreadsheet that read the text in another character set and saved it
// as UTF-8 wrote U+FFFD for every character it could not read.
TEST_F(ImportFormatTest, ATextInAnotherCharacterSetSaysSoAndHowToSaveIt)
{
    const QStringList damaged = Mapped(lines, [](const QString& field) {
        QString text = field;
        for (QChar& c : text) {
            if (c.unicode() > 0x7F)
                c = QChar::ReplacementCharacter;
        }
        return text;
    });
    const PlayerImport imported = Import({ImportFile{QStringLiteral("players.csv"), test::Utf8Text(damaged, false)}});
    ASSERT_EQ(imported.problems.size(), 1U);
    EXPECT_EQ(imported.problems[0].line, 1);
    const QString reason = imported.problems[0].reason;
    EXPECT_TRUE(reason.contains(QStringLiteral("Shift-JIS でも UTF-8 でもない"))) << reason.toStdString();
    EXPECT_TRUE(reason.contains(QStringLiteral("同じ文字コードで保存してください"))) << reason.toStdString();
    EXPECT_FALSE(reason.contains(QStringLiteral("チームの行"))) << reason.toStdString();
    EXPECT_EQ(imported.image, image);
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
        const RomDocument document(QStringLiteral("rom.nes"), test::Profile(kEdition), image);
        return ImportPlayerData(document, {{QStringLiteral("t.txt"), test::ShiftJisText(lines)}}).value();
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

// What a line asks of a 1991 batter's shared byte, and what the byte holds
// afterwards; -1 is what the column or the byte held before. The type column
// asks for 16 × `type` + `typePosition`.
struct SharedByteCase {
    const char* name;
    int position;
    int type;
    int typePosition;
    int storedType;
    int storedPosition;
    const char* refusedAt;  // the column of the refusal; null when accepted
    const char* reason;
};

void PrintTo(const SharedByteCase& c, std::ostream* out)
{
    *out << c.name;
}

class SharedByteTest : public TypeByteTest, public ::testing::WithParamInterface<SharedByteCase> {};

// The column that was changed gives the position; two changed columns that
// disagree are refused, and so is a position no dialog accepts.
TEST_P(SharedByteTest, TheChangedColumnGivesThePosition)
{
    const SharedByteCase& c = GetParam();
    int slot = 0;
    const auto before = [&] { return Byte7(image, RecordKind::Batter, slot); };
    // A slot whose byte differs in both halves from every one the cases ask for.
    while ((before() >> 4) == 5 || (before() & 0x0F) == 6 || (before() & 0x0F) == 4 || (before() & 0x0F) == 0)
        ++slot;
    const int type = before() >> 4;
    const int position = before() & 0x0F;
    const int line = Line(RecordKind::Batter, slot);
    if (c.position >= 0)
        SetField(lines, line, 6, QString::number(c.position));
    if (c.type >= 0)
        SetField(lines, line, 9, QString::number(16 * c.type + (c.typePosition >= 0 ? c.typePosition : position)));

    const PlayerImport imported = Import();
    if (c.refusedAt) {
        ASSERT_EQ(imported.problems.size(), 1U);
        EXPECT_EQ(imported.problems[0].line, line + 1);
        EXPECT_EQ(imported.problems[0].column, QString::fromUtf8(c.refusedAt));
        EXPECT_TRUE(imported.problems[0].reason.contains(QString::fromUtf8(c.reason)))
            << imported.problems[0].reason.toStdString();
        EXPECT_EQ(imported.image, image);
        return;
    }
    ASSERT_TRUE(imported.ok()) << ProblemText(imported.problems.front()).toStdString();
    const int byte = 16 * (c.storedType >= 0 ? c.storedType : type) + (c.storedPosition >= 0 ? c.storedPosition : position);
    EXPECT_EQ(Byte7(imported.image, RecordKind::Batter, slot), byte);
    const QStringList after = ExportLines(imported.image, kEdition);
    EXPECT_EQ(Field(after, line, 6), QString::number(byte & 0x0F));
    EXPECT_EQ(Field(after, line, 9), QString::number(byte));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SharedByteTest,
    ::testing::Values(SharedByteCase{"PositionAlone", 6, -1, -1, -1, 6, nullptr, nullptr},
                      SharedByteCase{"TypeAlone", -1, 5, -1, 5, -1, nullptr, nullptr},
                      SharedByteCase{"TypeAloneWithAnotherPosition", -1, 5, 6, 5, 6, nullptr, nullptr},
                      SharedByteCase{"BothAgreeing", 6, 5, 6, 5, 6, nullptr, nullptr},
                      SharedByteCase{"BothDisagreeing", 6, 5, 4, 0, 0, "タイプ", "守備位置の部分 4 が「守備位置」6 と違います"},
                      SharedByteCase{"TypeAloneWithAPositionNoDialogAccepts", -1, 5, 0, 0, 0, "タイプ", "2～9"},
                      SharedByteCase{"PositionAloneOutOfRange", 11, -1, -1, 0, 0, "守備位置", "2～9"}),
    [](const auto& info) { return std::string(info.param.name); });

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
