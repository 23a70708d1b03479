#include "core/edit/CellEdit.h"
#include "core/edition/ColumnTable.h"
#include "core/edition/EditionProfile.h"
#include "core/export/PlayerExport.h"
#include "core/i18n/Translations.h"
#include "core/import/ImportReport.h"
#include "core/rom/NameCodec.h"
#include "core/roster/GridFill.h"
#include "core/sample/DemoRom.h"
#include "support/ExportText.h"
#include "support/JapaneseText.h"

#include <gtest/gtest.h>

#include <memory>

#include <QCoreApplication>
#include <QStringDecoder>

namespace quindaro2 {
namespace {

using test::LineWithJapaneseOutsideQuotes;

// The core as the programs run it with QUINDARO2_LANG=en: its English
// translations installed.
class EnglishCoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("QUINDARO2_LANG", "en");
        ASSERT_TRUE(InstallTranslations(application_, {QStringLiteral("core")}));
    }

    void TearDown() override { qunsetenv("QUINDARO2_LANG"); }

    // A document of a sample ROM of the edition.
    static std::unique_ptr<RomDocument> Sample(int edition)
    {
        return std::make_unique<RomDocument>(QStringLiteral("rom.nes"), *FindProfile(edition), RomImage(DemoRomImage(edition)));
    }

    static int ColumnNumber(RecordKind grid, int edition, ColumnKind kind)
    {
        int column = 0;
        EXPECT_NE(ColumnOfKind(grid, edition, kind, &column), nullptr);
        return column;
    }

private:
    int argc_ = 1;
    char program_[18] = "translation_tests";
    char* argv_[2] = {program_, nullptr};
    QCoreApplication application_{argc_, argv_};
};

struct DialogCase {
    const char* name;
    int edition;
    RecordKind grid;
    ColumnKind kind;
    const char* caption;
    const char* hint;  // empty: the blank hint
};

void PrintTo(const DialogCase& c, std::ostream* out)
{
    *out << c.name;
}

class EnglishDialogTest : public EnglishCoreTest, public ::testing::WithParamInterface<DialogCase> {};

// A list dialog's caption and a value dialog's hint are the editor's words;
// a value dialog's caption is the column's heading and the list texts are
// the game's, which stay Japanese.
TEST_P(EnglishDialogTest, AsksInEnglishAboutTheGamesTexts)
{
    const DialogCase& c = GetParam();
    const auto document = Sample(c.edition);
    const Result<CellEditor> editor = CellEditorOf(*document, 0, c.grid, ColumnNumber(c.grid, c.edition, c.kind), 1);
    ASSERT_TRUE(editor) << editor.reason().toStdString();
    EXPECT_EQ(editor->caption, QString::fromUtf8(c.caption));
    if (*c.hint)
        EXPECT_EQ(editor->hint, QString::fromUtf8(c.hint));
    else
        EXPECT_TRUE(editor->hint.trimmed().isEmpty()) << editor->hint.toStdString();
    for (const QString& choice : editor->choices)
        EXPECT_TRUE(test::IsJapanese(choice[0])) << choice.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Columns, EnglishDialogTest,
    ::testing::Values(
        DialogCase{"BattingSide", 1993, RecordKind::Batter, ColumnKind::BattingSide, "Batting side", ""},
        DialogCase{"PitchingForm", 1986, RecordKind::Pitcher, ColumnKind::PitchingForm, "Pitching form", ""},
        DialogCase{"Position", 1993, RecordKind::Batter, ColumnKind::Position, "守備位置", "(10=DH, 11=manager)"},
        DialogCase{"UniformNumber", 1994, RecordKind::Manager, ColumnKind::UniformNumber, "背番号",
                   "(from 101 on, only the last two digits count)"},
        // The carriage return starts the hint's second line.
        DialogCase{"BatterType", 1991, RecordKind::Batter, ColumnKind::Type, "タイプ",
                   "(infield 1-3, outfield 4-6, catcher 7;\rother values work too)"},
        DialogCase{"PitcherType", 1991, RecordKind::Pitcher, ColumnKind::Type, "タイプ", "(8-10;\rother values work too)"},
        DialogCase{"Stamina", 1990, RecordKind::Pitcher, ColumnKind::Stamina, "スタミナ", ""}),
    [](const ::testing::TestParamInfo<DialogCase>& info) { return std::string(info.param.name); });

struct RefusalCase {
    const char* name;
    RecordKind grid;
    ColumnKind kind;
    const char* text;
    const char* quoted;  // what the reason shows in quotes
};

void PrintTo(const RefusalCase& c, std::ostream* out)
{
    *out << c.name;
}

class EnglishRefusalTest : public EnglishCoreTest, public ::testing::WithParamInterface<RefusalCase> {};

// A refused edit says why in English, quoting the heading and the text.
TEST_P(EnglishRefusalTest, SaysWhyInEnglish)
{
    const RefusalCase& c = GetParam();
    const auto document = Sample(1993);
    const Result<Change> change =
        EditCell(*document, 0, c.grid, ColumnNumber(c.grid, 1993, c.kind), 1, QString::fromUtf8(c.text));
    ASSERT_FALSE(change);
    EXPECT_TRUE(change.reason().contains(QStringLiteral("\"%1\"").arg(QString::fromUtf8(c.quoted))))
        << change.reason().toStdString();
    EXPECT_EQ(LineWithJapaneseOutsideQuotes(change.reason()), QString()) << change.reason().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Edits, EnglishRefusalTest,
    ::testing::Values(RefusalCase{"OutOfRange", RecordKind::Batter, ColumnKind::BattingAverage, "999", "打率"},
                      RefusalCase{"NoNumber", RecordKind::Pitcher, ColumnKind::Stamina, "多い", "スタミナ"},
                      RefusalCase{"NoChoice", RecordKind::Pitcher, ColumnKind::PitchingForm, "右ま", "右ま"},
                      RefusalCase{"NameTooLong", RecordKind::Batter, ColumnKind::Name, "ＡＢＣＤＥＦＧＨＩ",
                                  "ＡＢＣＤＥＦＧＨＩ"},
                      RefusalCase{"NameCharacter", RecordKind::Batter, ColumnKind::Name, "あい漢", "漢"}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

// The import reads the Japanese export whatever the language, and counts
// in English: one team, several teams.
TEST_F(EnglishCoreTest, ImportReadsTheExportAndCountsInEnglish)
{
    const int edition = 1993;
    const RomImage image(DemoRomImage(edition));
    QStringList lines = test::ExportLines(image, edition);
    const int index = test::ExportLineIndex(edition, 0, RecordKind::Batter, 0);
    const int column = ColumnNumber(RecordKind::Batter, edition, ColumnKind::HomeRuns);
    const QString before = test::Field(lines, index, column);
    test::SetField(lines, index, column, before == QStringLiteral("7") ? QStringLiteral("8") : QStringLiteral("7"));

    const RomDocument document(QStringLiteral("rom.nes"), *FindProfile(edition), image);
    const Result<PlayerImport> import =
        ImportPlayerData(document, {ImportFile{QStringLiteral("players.txt"), test::ShiftJisText(lines)}});
    ASSERT_TRUE(import);
    ASSERT_TRUE(import->ok()) << ImportDetails(edition, import.value()).join(u'\n').toStdString();
    EXPECT_EQ(ImportSummary(edition, import.value()),
              QStringLiteral("Read %1 teams; changes to 1 cell in 1 team (team %2: 1)")
                  .arg(TeamCount(edition))
                  .arg(TeamLabel(edition, 0)));
    for (const QString& line : ImportDetails(edition, import.value()))
        EXPECT_EQ(LineWithJapaneseOutsideQuotes(line), QString()) << line.toStdString();
}

// The export is the game's text: Japanese team lines and headings, however
// the user interface speaks.
TEST_F(EnglishCoreTest, ExportStaysJapanese)
{
    const int edition = 1992;
    const Result<std::vector<ExportFile>> files = PlayerExportFiles(RomImage(DemoRomImage(edition)), QStringLiteral("rom.nes"),
                                                                    edition, QStringLiteral("out.txt"), ExportMode::OneFile);
    ASSERT_TRUE(files);
    QStringDecoder shiftJis("windows-31j");
    const QStringList lines = shiftJis(files->front().bytes).operator QString().split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0], TeamLabel(edition, 0) + QStringLiteral("チーム"));
    EXPECT_EQ(lines[1], ExportedHeadings(RecordKind::Batter, edition).join(u','));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("名　前")));
}

} // namespace
} // namespace quindaro2
