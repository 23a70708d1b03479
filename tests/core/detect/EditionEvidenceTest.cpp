#include "core/sample/DemoRom.h"
#include "core/detect/EditionEvidence.h"
#include "core/edition/EditionLayout.h"
#include "support/SyntheticRom.h"

#include <gtest/gtest.h>

#include <functional>

namespace quindaro2 {
namespace {

using test::SyntheticRom;

// Sets bytes of one record of team 0, the first record of its kind unless told.
void SetRecordBytes(QByteArray& image, RecordKind kind, int edition, std::initializer_list<std::pair<int, int>> bytes,
                    int slot = 0)
{
    const qint64 offset = *RecordOffset(kind, edition, 0, slot, 0);
    for (const auto& [byte, value] : bytes)
        image[offset + byte] = static_cast<char>(value);
}

struct DamageCase {
    const char* name;
    int edition;
    std::function<void(QByteArray&)> damage;
    int failures;
};

void PrintTo(const DamageCase& c, std::ostream* out)
{
    *out << c.name;
}

class EvidenceTest : public ::testing::TestWithParam<DamageCase> {};

// A sample image passes every check of its edition; each kind of damage
// fails exactly the checks it touches.
TEST_P(EvidenceTest, FailsTheChecksTheDamageTouches)
{
    const DamageCase& c = GetParam();
    QByteArray image = DemoRomImage(c.edition, {7, true, false});
    const Evidence clean = WeighEdition(RomImage(image), *FindProfile(c.edition));
    ASSERT_EQ(clean.failures, 0);
    EXPECT_DOUBLE_EQ(clean.bits, clean.possible);
    EXPECT_DOUBLE_EQ(clean.percent(), 100.0);

    c.damage(image);
    const Evidence damaged = WeighEdition(RomImage(image), *FindProfile(c.edition));
    EXPECT_EQ(damaged.failures, c.failures);
    EXPECT_EQ(damaged.checks, clean.checks);
    EXPECT_DOUBLE_EQ(damaged.possible, clean.possible);
    EXPECT_LT(damaged.percent(), 100.0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EvidenceTest,
    ::testing::Values(
        DamageCase{"ColourPastThePalette", 1993,
                   [](QByteArray& image) { image[ColorOffsets(1993, 0, 0)->helmet] = 64; }, 1},
        DamageCase{"OneColourEverywhere", 1993,
                   [](QByteArray& image) {
                       for (int team = 0; team < 16; ++team) {
                           image[ColorOffsets(1993, team, 0)->helmet] = 0x0F;
                           image[ColorOffsets(1993, team, 0)->uniform] = 0x0F;
                       }
                   },
                   32},
        DamageCase{"ColourPastTheEndOfTheFile", 1993,
                   [](QByteArray& image) { image.truncate(ColorOffsets(1993, 15, 0)->helmet); }, 2},
        DamageCase{"NameCodeOfNoCharacter", 1993,
                   [](QByteArray& image) { SetRecordBytes(image, RecordKind::Batter, 1993, {{1, 0xFF}}); }, 1},
        DamageCase{"SecondCodeOfARepeatedCharacter", 1993,
                   [](QByteArray& image) { SetRecordBytes(image, RecordKind::Batter, 1993, {{2, 0x01}}); }, 1},
        DamageCase{"SecondCodeOfTheBlankBefore1993", 1990,
                   [](QByteArray& image) { SetRecordBytes(image, RecordKind::Pitcher, 1990, {{1, 39}}); }, 1},
        DamageCase{"EmptyName", 1993,
                   [](QByteArray& image) {
                       SetRecordBytes(image, RecordKind::Manager, 1993, {{1, 4}, {2, 4}, {3, 4}, {4, 4}, {5, 4}});
                   },
                   1},
        DamageCase{"BattingSideWithoutACode", 1993,
                   [](QByteArray& image) { SetRecordBytes(image, RecordKind::Batter, 1993, {{7, 3}}); }, 1},
        DamageCase{"PitchingFormWithoutACode", 1986,
                   [](QByteArray& image) { SetRecordBytes(image, RecordKind::Pitcher, 1986, {{5, 4}}); }, 1},
        DamageCase{"ValueOutsideTheEditRange", 1993,
                   [](QByteArray& image) { SetRecordBytes(image, RecordKind::Batter, 1993, {{8, 11}}); }, 1},
        DamageCase{"ImpossibleValue", 1988,
                   [](QByteArray& image) { SetRecordBytes(image, RecordKind::Batter, 1988, {{10, 195}}); }, 1},
        DamageCase{"HighNibbleOutsideItsRange", 1992,
                   [](QByteArray& image) {
                       const qint64 at = *RecordOffset(RecordKind::Pitcher, 1992, 0, 0, 0) + 7;
                       image[at] = static_cast<char>((image[at] & 0x0F) | 0xF0);
                   },
                   1},
        // Name, the 9 columns and the 3 figures of the batters.
        DamageCase{"BlankRecord", 1993,
                   [](QByteArray& image) {
                       image.replace(*RecordOffset(RecordKind::Batter, 1993, 0, 0, 0), 18, QByteArray(18, '\xFF'));
                   },
                   5 + 1 + 9 + 3},
        DamageCase{"TeamFigureAtTheEdgeOfItsRange", 1993,
                   [](QByteArray& image) {
                       for (int slot = 0; slot < 13; ++slot)
                           SetRecordBytes(image, RecordKind::Batter, 1993, {{10, 0}}, slot);
                   },
                   1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Evidence, AFileTooShortForTheEditionFailsEveryCheck)
{
    const SyntheticRom empty(16);
    for (const EditionProfile& profile : Profiles()) {
        SCOPED_TRACE(profile.year);
        const Evidence evidence = WeighEdition(RomImage(empty.bytes()), profile);
        EXPECT_GT(evidence.checks, 0);
        EXPECT_EQ(evidence.failures, evidence.checks);
        EXPECT_DOUBLE_EQ(evidence.percent(), 0.0);
    }
}

} // namespace
} // namespace quindaro2
