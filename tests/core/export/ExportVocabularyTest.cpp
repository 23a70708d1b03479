#include "core/export/ExportVocabulary.h"
#include "core/export/PlayerExport.h"
#include "core/edition/Edition.h"
#include "support/SyntheticRom.h"

#include <gtest/gtest.h>

#include <QStringEncoder>

#include <random>

namespace quindaro2 {
namespace {

QByteArray ShiftJis(const QString& text)
{
    QStringEncoder encoder("windows-31j");
    return encoder(text);
}

class ExportVocabularyTest : public ::testing::TestWithParam<int> {};

// The bytes the export copies from the vocabulary are the Shift-JIS of the
// fields the import compares with: any record, whatever its bytes, gives
// the same line both ways.
TEST_P(ExportVocabularyTest, RecordLinesAreTheShiftJisOfTheExportedFields)
{
    const int edition = GetParam();
    const ExportVocabulary& words = ExportVocabulary::Of(edition);
    ASSERT_TRUE(words.ok());
    std::mt19937 random(static_cast<unsigned>(edition));
    for (const RecordKind grid : {RecordKind::Batter, RecordKind::Pitcher}) {
        EXPECT_EQ(words.headingLine(grid), ShiftJis(ExportedHeadings(grid, edition).join(u',') + QStringLiteral("\r\n")));
        for (int round = 0; round < 400; ++round) {
            Record record = test::MakeRecord(grid, edition);
            for (int i = 0; i < record.size; ++i)
                record[i] = static_cast<std::uint8_t>(round < 256 ? (i == 1 ? round : random()) : random());
            std::string line;
            words.appendRecordLine(grid, record, line);
            EXPECT_EQ(QByteArray(line.data(), static_cast<qsizetype>(line.size())),
                      ShiftJis(ExportedFields(grid, edition, record).join(u',') + QStringLiteral("\r\n")))
                << edition << " round " << round;
        }
    }
    for (int team = 0; team < TeamCount(edition); ++team)
        EXPECT_EQ(words.teamLine(team), ShiftJis(TeamLabel(edition, team) + QStringLiteral("チーム\r\n")));
}

INSTANTIATE_TEST_SUITE_P(Editions, ExportVocabularyTest, ::testing::Range(kFirstEdition, kLastEdition + 1));

} // namespace
} // namespace quindaro2
