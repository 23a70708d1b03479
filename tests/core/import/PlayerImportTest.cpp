#include "core/edit/CellEdit.h"
#include "core/edition/ColumnTable.h"
#include "core/edition/Edition.h"
#include "core/export/PlayerExport.h"
#include "core/import/ImportReport.h"
#include "core/import/PlayerImport.h"
#include "core/roster/CellText.h"
#include "core/roster/GridFill.h"
#include "support/DocumentEdit.h"
#include "support/ExportText.h"
#include "support/PlausibleRom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace quindaro2 {
namespace {

using test::ExportLineIndex;
using test::ExportLines;

enum class Roster { Random, Plausible };

struct RoundTrip {
    int edition;
    Roster roster;
    bool trainer;
};

void PrintTo(const RoundTrip& c, std::ostream* out)
{
    *out << c.edition << (c.roster == Roster::Random ? " random" : " plausible") << (c.trainer ? " with trainer" : "");
}

// The first offset at which two images differ; -1 when they are equal.
qint64 FirstDifference(const RomImage& a, const RomImage& b)
{
    const QByteArray& x = a.bytes();
    const QByteArray& y = b.bytes();
    const auto [i, j] = std::mismatch(x.begin(), x.end(), y.begin(), y.end());
    return i == x.end() && j == y.end() ? -1 : i - x.begin();
}

QString Problems(const PlayerImport& import)
{
    QStringList lines;
    for (const ImportProblem& problem : import.problems)
        lines << ProblemText(problem);
    return lines.join(u'\n');
}

class RoundTripTest : public ::testing::TestWithParam<RoundTrip> {
protected:
    void SetUp() override
    {
        const RoundTrip& c = GetParam();
        seed = static_cast<unsigned>(c.edition * 4 + (c.roster == Roster::Random ? 2 : 0) + (c.trainer ? 1 : 0));
        if (c.roster == Roster::Random) {
            image = RomImage(test::RandomRoster(c.edition, seed, c.trainer).bytes());
        } else {
            test::SyntheticRom rom;
            rom.withTrainer(c.trainer);
            test::FillPlausibleRoster(rom, c.edition, seed);
            image = RomImage(rom.bytes());
        }
    }

    PlayerImport Import(const std::vector<ImportFile>& files) const
    {
        const RomDocument document(QStringLiteral("rom.nes"), test::Profile(GetParam().edition), image);
        const Result<PlayerImport> imported = ImportPlayerData(document, files);
        EXPECT_TRUE(imported.ok()) << imported.reason().toStdString();
        return imported ? imported.value() : PlayerImport{};
    }

    unsigned seed = 0;
    RomImage image;
};

// Unchanged cells keep their bytes: names with codes no character stands
// for, list bytes without a text and values outside the edit ranges alike.
TEST_P(RoundTripTest, ExportThenImportLeavesTheRomAsItWas)
{
    const int edition = GetParam().edition;
    for (const ExportMode mode : {ExportMode::OneFile, ExportMode::PerTeam}) {
        const Result<std::vector<ExportFile>> exported =
            PlayerExportFiles(image, QStringLiteral("rom.nes"), edition, QStringLiteral("/out/players.txt"), mode);
        ASSERT_TRUE(exported.ok()) << exported.reason().toStdString();
        std::vector<ImportFile> files;
        for (const ExportFile& file : exported.value())
            files.push_back({file.path, file.bytes});
        std::reverse(files.begin(), files.end());  // per-team files in any order

        const PlayerImport imported = Import(files);
        EXPECT_TRUE(imported.ok()) << Problems(imported).toStdString();
        EXPECT_EQ(static_cast<int>(imported.teams.size()), TeamCount(edition));
        EXPECT_TRUE(imported.changes.empty()) << ChangeText(edition, imported.changes.front()).toStdString();
        EXPECT_TRUE(imported.notes.isEmpty()) << imported.notes.join(u'\n').toStdString();
        EXPECT_EQ(FirstDifference(imported.image, image), -1);
    }
}

// A text for the cell that its edit accepts and that differs from what the
// cell shows, and the same value as the export writes it.
struct NewValue {
    QString cell;
    QString exported;
};

NewValue OtherValue(const TeamView& team, int edition, RecordKind grid, int column, int row, std::mt19937& random)
{
    const ColumnDescriptor& descriptor = *Column(grid, edition, column);
    const QString current = team.grid(grid).cell(column, row);
    for (;;) {
        QString text;
        if (descriptor.isName()) {
            text = test::PlausibleName(edition, random);
        } else if (descriptor.choices) {
            const QStringList offered = descriptor.choices->OfferedTexts();
            text = offered[std::uniform_int_distribution<qsizetype>(0, offered.size() - 1)(random)];
        } else {
            text = DecimalText(std::uniform_int_distribution<int>(descriptor.range->minimum, descriptor.range->maximum)(random));
        }
        if (text == current)
            continue;
        if (descriptor.kind != ColumnKind::Type)
            return {text, text};
        int position = 0;
        const int low = ColumnOfKind(grid, edition, ColumnKind::Position, &position)
            ? *StrictInteger(team.grid(grid).cell(position, row))
            : 1;
        return {text, DecimalText(16 * *StrictInteger(text) + low)};
    }
}

// One cell changed in the exported text gives the bytes that the same edit
// in the editor (or `set`) and a Save give: the export's own Shift-JIS, and
// the file as a spreadsheet saves it in UTF-8 with a byte-order mark and LF.
TEST_P(RoundTripTest, OneChangedCellGivesTheBytesOfTheSameEdit)
{
    const int edition = GetParam().edition;
    std::mt19937 random(seed);
    for (int round = 0; round < 6; ++round) {
        const int teamIndex = std::uniform_int_distribution<int>(0, TeamCount(edition) - 1)(random);
        const RecordKind grid = round % 2 == 0 ? RecordKind::Batter : RecordKind::Pitcher;
        const int slot = std::uniform_int_distribution<int>(0, *RecordsPerTeam(grid, edition) - 1)(random);
        const int column =
            std::uniform_int_distribution<int>(1, static_cast<int>(Columns(grid, edition).size()))(random);

        RomDocument document(QStringLiteral("rom.nes"), test::Profile(edition), image);
        const TeamView team = FillTeam(document.profile(), image, teamIndex);
        ASSERT_TRUE(team.readProblems.isEmpty());
        const NewValue value = OtherValue(team, edition, grid, column, slot + 1, random);
        test::Edit(document, teamIndex, grid, column, slot + 1, value.cell);
        const RomImage& edited = document.image();

        QStringList lines = ExportLines(image, edition);
        const int line = ExportLineIndex(edition, teamIndex, grid, slot);
        test::SetField(lines, line, column, value.exported);
        // A 1991 batter's type holds the position: a new position goes into both columns.
        int position = 0;
        int type = 0;
        if (ColumnOfKind(grid, edition, ColumnKind::Position, &position) && ColumnOfKind(grid, edition, ColumnKind::Type, &type)
            && column == position) {
            const int byte = *StrictInteger(test::Field(lines, line, type));
            test::SetField(lines, line, type, DecimalText((byte & 0xF0) | *StrictInteger(value.exported)));
        }
        SCOPED_TRACE(QStringLiteral("team %1 %2 slot %3 column %4: %5")
                         .arg(teamIndex)
                         .arg(grid == RecordKind::Batter ? QStringLiteral("batter") : QStringLiteral("pitcher"))
                         .arg(slot)
                         .arg(column)
                         .arg(value.exported)
                         .toStdString());
        for (const QByteArray& text : {test::ShiftJisText(lines), test::Utf8Text(lines, true)}) {
            const PlayerImport imported = Import({{QStringLiteral("players.txt"), text}});
            ASSERT_TRUE(imported.ok()) << Problems(imported).toStdString();
            EXPECT_EQ(FirstDifference(imported.image, edited), -1);
            EXPECT_EQ(imported.changes.size(), FirstDifference(edited, image) < 0 ? 0U : 1U);
        }
    }
}

std::vector<RoundTrip> AllRoundTrips()
{
    std::vector<RoundTrip> cases;
    for (int edition = kFirstEdition; edition <= kLastEdition; ++edition) {
        for (const Roster roster : {Roster::Random, Roster::Plausible}) {
            for (const bool trainer : {false, true})
                cases.push_back({edition, roster, trainer});
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryEdition, RoundTripTest, ::testing::ValuesIn(AllRoundTrips()));

} // namespace
} // namespace quindaro2
