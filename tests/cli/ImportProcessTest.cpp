#include "core/sample/DemoRom.h"
#include "core/export/PlayerExport.h"
#include "core/import/ImportReport.h"
#include "core/edition/EditionProfile.h"
#include "core/import/PlayerImport.h"
#include "core/import/TextLines.h"
#include "support/ExportText.h"
#include "support/SyntheticRom.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <QStringDecoder>

#include <functional>

namespace quindaro2 {
namespace {

using test::ExportLineIndex;
using test::ExportLines;
using test::FileExists;
using test::ReadFile;
using test::RomFolder;
using test::SetField;
using test::ShiftJisText;

Outcome Import(const QStringList& arguments)
{
    return RunTool(QStringList{QStringLiteral("import")} + arguments);
}

QString Edition(int edition)
{
    return QStringLiteral("--edition=%1").arg(edition);
}

// --- bad input ----------------------------------------------------------------

// An exported text spoilt one way, and where the report must point.
struct BadText {
    const char* name;
    int edition;
    std::function<QByteArray(QStringList lines)> make;  // from the edition's sample export
    int line;  // 0: the whole file
    const char* reason;
};

void PrintTo(const BadText& c, std::ostream* out)
{
    *out << c.name;
}

// The lines of one team of the export, the team line first.
int TeamLines(int edition)
{
    return ExportLineIndex(edition, 1, RecordKind::Batter, 0) - ExportLineIndex(edition, 0, RecordKind::Batter, 0);
}

int LineOf(int edition, RecordKind grid, int slot)
{
    return ExportLineIndex(edition, 0, grid, slot) + 1;
}

std::function<QByteArray(QStringList)> Cell(int edition, RecordKind grid, int slot, int column, const char* text)
{
    return [=](QStringList lines) {
        SetField(lines, LineOf(edition, grid, slot) - 1, column, QString::fromUtf8(text));
        return ShiftJisText(lines);
    };
}

const int kPitcherHeading93 = LineOf(1993, RecordKind::Pitcher, 0) - 1;

const BadText kBadTexts[] = {
    {"WrongBatterHeading", 1993,
     [](QStringList l) {
         l[1].replace(QStringLiteral("打率"), QStringLiteral("実打率"));
         return ShiftJisText(l);
     },
     2, "3 列目が「実打率」です（「打率」のはず）"},
    {"WrongPitcherHeading", 1993,
     [](QStringList l) {
         l[kPitcherHeading93 - 1].remove(QStringLiteral(",ユニフォーム"));
         return ShiftJisText(l);
     },
     kPitcherHeading93, "列が 10 個です（11 個のはず）"},
    {"AnotherEditionsExport", 1993,
     [](QStringList) { return ShiftJisText(ExportLines(RomImage(DemoRomImage(1992)), 1992)); }, 2,
     "版の指定を確かめてください"},
    {"TeamLineMissing", 1993,
     [](QStringList l) {
         l.removeAt(TeamLines(1993));
         return ShiftJisText(l);
     },
     TeamLines(1993) + 1, "見出しの行が多すぎます"},
    {"TeamTwice", 1993,
     [](QStringList l) { return ShiftJisText(l + l.mid(0, TeamLines(1993))); }, 16 * TeamLines(1993) + 1,
     "1 行目にもあります"},
    {"UnknownTeam", 1993,
     [](QStringList l) {
         l[0] = QStringLiteral("Zチーム");
         return ShiftJisText(l);
     },
     1, "1993年版のチームではありません"},
    {"LineBeforeTheFirstTeam", 1993, [](QStringList l) { return ShiftJisText(QStringList{QStringLiteral("メモ")} + l); }, 1,
     "チームの行（「Tチーム」など）より前に"},
    {"TooManyBatterLines", 1993,
     [](QStringList l) {
         l.insert(2, l[2]);
         return ShiftJisText(l);
     },
     LineOf(1993, RecordKind::Batter, 13), "バッターの行が多すぎます（13 行のところ 14 行）"},
    {"TooFewPitcherLines", 1993,
     [](QStringList l) {
         l.removeAt(LineOf(1993, RecordKind::Pitcher, 6) - 1);
         return ShiftJisText(l);
     },
     LineOf(1993, RecordKind::Pitcher, 5), "ピッチャーの行が足りません（7 行のところ 6 行）"},
    {"TooFewColumns", 1993,
     [](QStringList l) {
         l[4].chop(l[4].size() - l[4].lastIndexOf(u','));
         return ShiftJisText(l);
     },
     5, "列が 9 個あります（10 個のはず）"},
    {"NameTooLong", 1993, Cell(1993, RecordKind::Batter, 0, 1, "ＡＢＣＤＥＦ"), 3, "5 文字まで"},
    {"NameWithLatinLetters", 1988, Cell(1988, RecordKind::Pitcher, 2, 1, "AB"), LineOf(1988, RecordKind::Pitcher, 2),
     "使える文字"},
    {"SideNotOffered", 1986, Cell(1986, RecordKind::Batter, 4, 2, "両"), 7, "右、左"},
    {"FormLeftEmpty", 1990, Cell(1990, RecordKind::Pitcher, 0, 2, ""), LineOf(1990, RecordKind::Pitcher, 0),
     "「投法」に「」は選べません"},
    {"NumberAboveItsRange", 1987, Cell(1987, RecordKind::Pitcher, 1, 4, "191"), LineOf(1987, RecordKind::Pitcher, 1),
     "60～190"},
    {"NumberNotANumber", 1994, Cell(1994, RecordKind::Batter, 12, 9, "10番"), LineOf(1994, RecordKind::Batter, 12),
     "整数ではありません"},
    {"BatterTypeAgainstItsPosition", 1991,
     [](QStringList l) {
         // Both columns changed, each saying another position.
         const int line = LineOf(1991, RecordKind::Batter, 0) - 1;
         const int position = test::Field(l, line, 6).toInt();
         const int type = test::Field(l, line, 9).toInt() >> 4;
         SetField(l, line, 6, QString::number(position == 6 ? 4 : 6));
         SetField(l, line, 9, QString::number(16 * (type == 5 ? 6 : 5) + 7));
         return ShiftJisText(l);
     },
     3, "守備位置の部分"},
    {"PitcherTypeWithoutItsOne", 1991, Cell(1991, RecordKind::Pitcher, 3, 11, "48"), LineOf(1991, RecordKind::Pitcher, 3),
     "48 なら 49"},
    {"TypeBeyondAByte", 1991, Cell(1991, RecordKind::Pitcher, 3, 11, "257"), LineOf(1991, RecordKind::Pitcher, 3), "0～255"},
    {"BadEncoding", 1993,
     [](QStringList l) {
         QByteArray bytes = ShiftJisText(l);
         bytes.insert(bytes.indexOf("\r\n", bytes.indexOf("\r\n") + 2) + 2, "\x81\x20", 2);
         return bytes;
     },
     3, "Shift-JIS としても UTF-8 としても読めない"},
    {"CutFile", 1993,
     [](QStringList l) {
         const QByteArray whole = ShiftJisText(l.mid(0, 5 * TeamLines(1993) + 20));
         return whole.left(whole.size() - 12);
     },
     5 * TeamLines(1993) + 20, "ピッチャーの行が足りません"},
    {"BinaryFile", 1993, [](QStringList) { return DemoRomImage(1993); }, 1, "テキストファイルではありません"},
    {"EmptyFile", 1993, [](QStringList) { return QByteArray(); }, 0, "ファイルが空です"},
    {"Utf16File", 1993,
     [](QStringList l) {
         const QString text = l.join(u'\n');
         return QByteArray("\xFF\xFE", 2)
             + QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
     },
     0, "UTF-16"},
    {"UnclosedQuote", 1993,
     [](QStringList l) {
         l[3].prepend(u'"');
         return ShiftJisText(l);
     },
     4, "引用符 \" が閉じていません"},
    {"LongLine", 1993,
     [](QStringList l) {
         l[6] += QString(3000, u'，');
         return ShiftJisText(l);
     },
     7, "行が長すぎます"},
    {"TooLargeFile", 1993,
     [](QStringList l) {
         QByteArray bytes = ShiftJisText(l);
         while (bytes.size() <= kLargestImportText)
             bytes += "\r\n";
         return bytes;
     },
     0, "ファイルが大きすぎます"},
};

class BadTextTest : public ::testing::TestWithParam<BadText> {
protected:
    void SetUp() override
    {
        const BadText& c = GetParam();
        image = DemoRomImage(c.edition);
        text = c.make(ExportLines(RomImage(image), c.edition));
        place = c.line > 0 ? QStringLiteral(" %1 行目").arg(c.line) : QStringLiteral("：");
    }

    QByteArray image;
    QByteArray text;
    QString place;
};

TEST_P(BadTextTest, TheCoreNamesThePlaceAndChangesNothing)
{
    const RomDocument document(QStringLiteral("rom.nes"), *FindProfile(GetParam().edition), RomImage(image));
    const Result<PlayerImport> imported = ImportPlayerData(document, {{QStringLiteral("players.txt"), text}});
    ASSERT_TRUE(imported.ok()) << imported.reason().toStdString();
    ASSERT_FALSE(imported->ok());
    QStringList report;
    for (const ImportProblem& problem : imported->problems)
        report << ProblemText(problem);
    const QString reason = QString::fromUtf8(GetParam().reason);
    EXPECT_TRUE(std::any_of(imported->problems.begin(), imported->problems.end(),
                            [&](const ImportProblem& p) { return p.line == GetParam().line && p.reason.contains(reason); }))
        << report.join(u'\n').toStdString();
    EXPECT_EQ(imported->image.bytes(), image);
    EXPECT_TRUE(imported->changes.empty());
}

TEST_P(BadTextTest, TheToolExitsWithTwoAndWritesNothing)
{
    RomFolder folder;
    const QString rom = folder.write(QStringLiteral("rom.nes"), image);
    const QString players = folder.write(QStringLiteral("players.txt"), text);
    const QString copy = folder.path(QStringLiteral("copy.nes"));
    const Outcome outcome = Import({Edition(GetParam().edition), rom, players, QStringLiteral("--output"), copy});
    EXPECT_EQ(outcome.code, 2);
    EXPECT_TRUE(outcome.err.contains(players + place)) << outcome.err.toStdString();
    EXPECT_TRUE(outcome.err.contains(QString::fromUtf8(GetParam().reason))) << outcome.err.toStdString();
    EXPECT_TRUE(outcome.err.contains(QStringLiteral("何も書き込んでいません")));
    EXPECT_TRUE(outcome.out.isEmpty()) << outcome.out.toStdString();
    EXPECT_FALSE(FileExists(copy));
    EXPECT_EQ(ReadFile(rom), image);

    const Outcome inPlace = Import({Edition(GetParam().edition), rom, players});
    EXPECT_EQ(inPlace.code, 2);
    EXPECT_EQ(ReadFile(rom), image);
}

INSTANTIATE_TEST_SUITE_P(Texts, BadTextTest, ::testing::ValuesIn(kBadTexts),
                         [](const auto& info) { return std::string(info.param.name); });

// --- the tool against `set` -------------------------------------------------------

struct SetCase {
    int edition;
    const char* team;
    int teamIndex;
    const char* grid;
    int row;
    int column;
    const char* value;     // as `set` takes it
    const char* exported;  // as the text holds it; `value` when null
};

void PrintTo(const SetCase& c, std::ostream* out)
{
    *out << c.edition << ' ' << c.grid << ' ' << c.row << ' ' << c.column;
}

class ImportLikeSetTest : public ::testing::TestWithParam<SetCase> {};

// The export of the tool with one cell changed, imported by the tool, gives
// the bytes of `set` of that cell; so does the same text saved in UTF-8 with
// a byte-order mark and LF line ends.
TEST_P(ImportLikeSetTest, GivesTheBytesOfSet)
{
    const SetCase& c = GetParam();
    RomFolder folder;
    const QByteArray image = DemoRomImage(c.edition);
    const QString viaSet = folder.write(QStringLiteral("set.nes"), image);
    const Outcome set = RunTool({QStringLiteral("set"), Edition(c.edition), QStringLiteral("--team"), QString::fromUtf8(c.team),
                                 QStringLiteral("--grid"), QString::fromUtf8(c.grid), QStringLiteral("--row"),
                                 QString::number(c.row), QStringLiteral("--column"), QString::number(c.column),
                                 QString::fromUtf8(c.value), viaSet});
    ASSERT_EQ(set.code, 0) << set.err.toStdString();
    ASSERT_NE(ReadFile(viaSet), image);

    const QString rom = folder.write(QStringLiteral("rom.nes"), image);
    const QString exported = folder.path(QStringLiteral("players.txt"));
    ASSERT_EQ(RunTool({QStringLiteral("export"), Edition(c.edition), rom, exported}).code, 0);
    QStringDecoder decoder("windows-31j");
    QString text = decoder(ReadFile(exported));
    text.chop(2);
    QStringList lines = text.split(QStringLiteral("\r\n"));
    const RecordKind grid = QString::fromUtf8(c.grid) == QStringLiteral("batter") ? RecordKind::Batter : RecordKind::Pitcher;
    SetField(lines, ExportLineIndex(c.edition, c.teamIndex, grid, c.row - 1), c.column,
             QString::fromUtf8(c.exported ? c.exported : c.value));

    for (const QByteArray& saved : {ShiftJisText(lines), test::Utf8Text(lines, true)}) {
        const QString edited = folder.write(QStringLiteral("edited.csv"), saved);
        const QString out = folder.path(QStringLiteral("imported.nes"));
        const Outcome outcome = Import({Edition(c.edition), rom, edited, QStringLiteral("--output"), out});
        ASSERT_EQ(outcome.code, 0) << outcome.err.toStdString();
        EXPECT_TRUE(outcome.err.contains(QStringLiteral("1 チームの 1 セルが変わります"))) << outcome.err.toStdString();
        EXPECT_EQ(ReadFile(out), ReadFile(viaSet));
        EXPECT_EQ(ReadFile(rom), image);
    }
}

INSTANTIATE_TEST_SUITE_P(Cells, ImportLikeSetTest,
                         ::testing::Values(SetCase{1986, "L", 1, "batter", 3, 4, "40", nullptr},
                                           SetCase{1989, "Bu", 1, "pitcher", 2, 1, "あいうえお", nullptr},
                                           SetCase{1991, "G", 0, "pitcher", 1, 11, "15", "241"},
                                           SetCase{1993, "13", 13, "batter", 13, 2, "両", nullptr}));

// --- the tool's own behaviour ----------------------------------------------------

class ImportToolTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        image = DemoRomImage(1992);
        rom = folder.write(QStringLiteral("rom.nes"), image);
        lines = ExportLines(RomImage(image), 1992);
    }

    RomFolder folder;
    QByteArray image;
    QString rom;
    QStringList lines;
};

TEST_F(ImportToolTest, AnUnchangedExportLeavesTheRomAlone)
{
    const QString perTeam = folder.path(QStringLiteral("team.txt"));
    ASSERT_EQ(RunTool({QStringLiteral("export"), QStringLiteral("--per-team"), Edition(1992), rom, perTeam}).code, 0);
    QStringList files;
    for (int team = 15; team >= 0; --team)
        files << folder.path(QStringLiteral("team_%1.txt").arg(TeamLabel(1992, team)));
    const Outcome outcome = Import(QStringList{Edition(1992), rom} + files);
    EXPECT_EQ(outcome.code, 0) << outcome.err.toStdString();
    EXPECT_TRUE(outcome.err.contains(QStringLiteral("16 チームを読みました。変わるセルはありません")));
    EXPECT_EQ(ReadFile(rom), image);
}

TEST_F(ImportToolTest, DryRunListsTheChangesAndWritesNothing)
{
    const int line = ExportLineIndex(1992, 2, RecordKind::Pitcher, 4);
    const QString name = test::Field(lines, line, 1);
    const QString before = test::Field(lines, line, 10);
    SetField(lines, line, 10, before == QStringLiteral("50") ? QStringLiteral("51") : QStringLiteral("50"));
    const QString players = folder.write(QStringLiteral("players.csv"), test::Utf8Text(lines, false));

    const Outcome outcome = Import({Edition(1992), rom, players, QStringLiteral("--dry-run")});
    EXPECT_EQ(outcome.code, 0) << outcome.err.toStdString();
    // The changes are the data asked for; that nothing was written is a message.
    EXPECT_EQ(outcome.out, QStringLiteral("16 チームを読みました。1 チームの 1 セルが変わります（Sチーム 1）\n"
                                          "Sチーム ピッチャー 5「%1」 フォーク：%2 → %3\n")
                               .arg(name, before, test::Field(lines, line, 10)));
    EXPECT_EQ(outcome.err, QStringLiteral("--dry-run のため何も書き込んでいません\n"));
    EXPECT_EQ(ReadFile(rom), image);

    const Outcome written = Import({Edition(1992), rom, players});
    EXPECT_EQ(written.code, 0) << written.err.toStdString();
    EXPECT_TRUE(written.err.endsWith(QStringLiteral("%1 に保存しました\n").arg(rom)));
    EXPECT_TRUE(written.out.isEmpty());
    EXPECT_NE(ReadFile(rom), image);
}

TEST_F(ImportToolTest, FilesThatCannotBeReadOrWrittenExitWithOne)
{
    const QString players = folder.write(QStringLiteral("players.txt"), ShiftJisText(lines));
    const struct {
        QStringList arguments;
        QString message;
    } cases[] = {
        {{Edition(1992), rom, folder.path(QStringLiteral("missing.txt"))}, folder.path(QStringLiteral("missing.txt"))},
        {{Edition(1992), rom, folder.path(QString())}, QStringLiteral("フォルダです")},
        {{Edition(1992), folder.path(QStringLiteral("missing.nes")), players}, folder.path(QStringLiteral("missing.nes"))},
        {{Edition(1992), folder.write(QStringLiteral("short.nes"), image.left(0x2000)), players},
         QStringLiteral("ROM のDチームを読み込めません")},
        {{Edition(1992), rom, players, QStringLiteral("--output"), folder.path(QStringLiteral("no/such/out.nes"))},
         QStringLiteral("no/such/out.nes")},
    };
    for (const auto& c : cases) {
        const Outcome outcome = Import(c.arguments);
        EXPECT_EQ(outcome.code, 1) << outcome.err.toStdString();
        EXPECT_TRUE(outcome.err.contains(c.message)) << outcome.err.toStdString();
        EXPECT_EQ(ReadFile(rom), image);
    }
    const Outcome overText = Import({Edition(1992), rom, players, QStringLiteral("--output"), players});
    EXPECT_EQ(overText.code, 2);
    EXPECT_TRUE(overText.err.contains(QStringLiteral("取り込むテキストファイルです"))) << overText.err.toStdString();
    EXPECT_EQ(ReadFile(players), ShiftJisText(lines));
    const Outcome noText = Import({Edition(1992), rom});
    EXPECT_EQ(noText.code, 2);
    EXPECT_TRUE(noText.err.contains(QStringLiteral("CSV"))) << noText.err.toStdString();
}

// --patch writes what --output would write as a patch of the ROM, in both
// formats, and the ROM keeps its bytes; --edition auto takes the detected
// edition.
TEST_F(ImportToolTest, APatchOfTheImportAndTheDetectedEdition)
{
    const int line = ExportLineIndex(1992, 5, RecordKind::Batter, 3);
    SetField(lines, line, 3, test::Field(lines, line, 3) == QStringLiteral("300") ? QStringLiteral("302") : QStringLiteral("300"));
    const QString players = folder.write(QStringLiteral("players.txt"), ShiftJisText(lines));
    const QString copy = folder.path(QStringLiteral("copy.nes"));
    ASSERT_EQ(Import({Edition(1992), rom, players, QStringLiteral("--output"), copy}).code, 0);
    for (const QString& extension : {QStringLiteral("ips"), QStringLiteral("bps")}) {
        const QString patch = folder.path(QStringLiteral("update.") + extension);
        const Outcome made = Import({Edition(1992), rom, players, QStringLiteral("--patch"), patch});
        ASSERT_EQ(made.code, 0) << made.err.toStdString();
        EXPECT_EQ(ReadFile(rom), image);
        const QString patched = folder.path(QStringLiteral("patched-") + extension + QStringLiteral(".nes"));
        ASSERT_EQ(RunTool({QStringLiteral("patch"), QStringLiteral("apply"), rom, patch, patched}).code, 0);
        EXPECT_EQ(ReadFile(patched), ReadFile(copy));
    }
    EXPECT_EQ(Import({Edition(1992), rom, players, QStringLiteral("--patch"), folder.path(QStringLiteral("p.bps")),
                      QStringLiteral("--output"), copy})
                  .code,
              2);
    EXPECT_EQ(Import({Edition(1992), rom, players, QStringLiteral("--patch"), rom}).code, 2);

    const QByteArray detectable = DemoRomImage(1992, DemoFill{3, true, false});
    const QString other = folder.write(QStringLiteral("other.nes"), detectable);
    const QString otherPlayers =
        folder.write(QStringLiteral("other.txt"), ShiftJisText(ExportLines(RomImage(detectable), 1992)));
    const Outcome automatic = Import({QStringLiteral("--edition=auto"), other, otherPlayers});
    EXPECT_EQ(automatic.code, 0) << automatic.err.toStdString();
    EXPECT_TRUE(automatic.err.contains(QStringLiteral("1992"))) << automatic.err.toStdString();
    const Outcome unknown = Import({QStringLiteral("--edition=auto"), folder.write(QStringLiteral("zeros.nes"), QByteArray(0x40010, '\0')),
                                    otherPlayers});
    EXPECT_EQ(unknown.code, 2);
}

} // namespace
} // namespace quindaro2
