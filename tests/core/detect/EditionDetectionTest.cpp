#include "core/sample/DemoRom.h"
#include "core/detect/EditionDetection.h"
#include "core/edition/Edition.h"
#include "core/edition/EditionLayout.h"
#include "support/SyntheticRom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <random>
#include <set>

namespace quindaro2 {
namespace {

using test::RomFolder;

constexpr std::uint32_t kSeeds = 20;

QByteArray RandomBytes(qint64 size, std::uint32_t seed)
{
    std::mt19937 random(seed);
    QByteArray bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random() & 0xFF);
    return bytes;
}

// A header that announces as many whole program banks as the file holds.
QByteArray WithHeader(QByteArray bytes)
{
    QByteArray header("NES\x1A", 4);
    header += static_cast<char>(std::clamp<qint64>((bytes.size() - 16) / 0x4000, 0, 255));
    header += QByteArray(11, '\0');
    bytes.replace(0, 16, header);
    return bytes;
}

// The smallest file that holds every record and colour of the edition.
qint64 Extent(int edition)
{
    qint64 end = 0;
    for (int team = 0; team < TeamCount(edition); ++team) {
        for (const RecordKind kind : {RecordKind::Batter, RecordKind::Pitcher, RecordKind::Manager}) {
            const int last = RecordsPerTeam(kind, edition).value_or(0) - 1;
            if (const std::optional<qint64> at = RecordOffset(kind, edition, team, last, 0))
                end = std::max(end, *at + *RecordSize(kind, edition));
        }
        end = std::max(end, ColorOffsets(edition, team, 0)->uniform + 1);
    }
    return end;
}

QString Describe(const Detection& detection)
{
    return RankingLines(detection).join(QStringLiteral(", ")) + QStringLiteral(" / ") + detection.doubt;
}

class DemoDetectionTest : public ::testing::TestWithParam<int> {};

// Sample images of every edition, with the bytes around the rosters zero or
// random and with or without a trainer, are all recognised.
TEST_P(DemoDetectionTest, RecognisesEverySampleOfTheEdition)
{
    const int edition = GetParam();
    for (const bool trainer : {false, true}) {
        for (std::uint32_t seed = 0; seed <= kSeeds; ++seed) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << (trainer ? " with trainer" : ""));
            const Detection detection = DetectEdition(RomImage(DemoRomImage(edition, {seed, seed > 0, trainer})));
            EXPECT_EQ(detection.edition, edition) << Describe(detection).toStdString();
            EXPECT_TRUE(detection.doubt.isEmpty());
            EXPECT_TRUE(detection.doubts.empty());
            EXPECT_DOUBLE_EQ(detection.ranking[0].score, 100.0);
            EXPECT_GE(detection.margin, kClearMargin);
        }
    }
}

// Expanded images are longer than their edition's: neither the padding nor
// a header that announces it changes a score.
TEST_P(DemoDetectionTest, PaddingChangesNothing)
{
    const int edition = GetParam();
    const QByteArray image = DemoRomImage(edition, {3, true, false});
    const Detection original = DetectEdition(RomImage(image));
    ASSERT_EQ(original.edition, edition);

    QByteArray announced = image + QByteArray(image.size() - 16, '\xFF');
    announced[4] = 32;
    for (const QByteArray& padded : {image + QByteArray(image.size(), '\0'), image + RandomBytes(3 * image.size(), 9),
                                     announced}) {
        SCOPED_TRACE(padded.size());
        const Detection detection = DetectEdition(RomImage(padded));
        EXPECT_EQ(detection.edition, edition);
        EXPECT_EQ(RankingLines(detection), RankingLines(original));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryEdition, DemoDetectionTest, ::testing::Range(kFirstEdition, kLastEdition + 1));

struct UnknownCase {
    std::string name;
    QByteArray bytes;
    const char* doubt;  // part of the reason
    DetectionDoubt first;
};

void PrintTo(const UnknownCase& c, std::ostream* out)
{
    *out << c.name;
}

std::vector<UnknownCase> UnknownCases()
{
    const QString text = QStringLiteral("名前,打席,打率\r\nROM ではなく、ただのテキストです。\r\n").repeated(4000);
    std::vector<UnknownCase> cases{
        {"RandomOfTheSampleSize", RandomBytes(kDemoRomSize, 1), "印", DetectionDoubt::NotMarked},
        {"RandomOfTheSampleSizeAfterAHeader", WithHeader(RandomBytes(kDemoRomSize, 2)), "どの版としても", DetectionDoubt::LowScore},
        {"ZerosOfTheSampleSize", QByteArray(kDemoRomSize, '\0'), "印", DetectionDoubt::NotMarked},
        {"ZerosAfterAHeader", WithHeader(QByteArray(kDemoRomSize, '\0')), "どの版としても", DetectionDoubt::LowScore},
        {"OnesAfterAHeader", WithHeader(QByteArray(kDemoRomSize, '\xFF')), "どの版としても", DetectionDoubt::LowScore},
        {"Text", text.toUtf8(), "印", DetectionDoubt::NotMarked},
        {"TextAfterAHeader", WithHeader(text.toUtf8()), "どの版としても", DetectionDoubt::LowScore},
        {"Empty", QByteArray(), "印", DetectionDoubt::NotMarked},
    };
    for (int edition = kFirstEdition; edition <= kLastEdition; ++edition) {
        const std::string year = std::to_string(edition);
        const auto seed = static_cast<std::uint32_t>(edition);
        cases.push_back({"RandomOfTheSizeOf" + year, RandomBytes(Extent(edition), seed), "印", DetectionDoubt::NotMarked});
        cases.push_back({"RandomOfTheSizeOf" + year + "AfterAHeader", WithHeader(RandomBytes(Extent(edition), seed)),
                         "どの版としても", DetectionDoubt::LowScore});
        const QByteArray sample = DemoRomImage(edition, {seed, true, false});
        cases.push_back({"HalfOf" + year, sample.left(sample.size() / 2), "途中で切れています", DetectionDoubt::CutShort});
        cases.push_back({"HeaderlessSampleOf" + year, sample.mid(16), "印", DetectionDoubt::NotMarked});
    }
    return cases;
}

class UnknownTest : public ::testing::TestWithParam<UnknownCase> {};

TEST_P(UnknownTest, HasNoEditionAndSaysWhy)
{
    const UnknownCase& c = GetParam();
    const Detection detection = DetectEdition(RomImage(c.bytes));
    EXPECT_FALSE(detection.edition) << Describe(detection).toStdString();
    EXPECT_TRUE(detection.doubt.contains(QString::fromUtf8(c.doubt))) << detection.doubt.toStdString();
    ASSERT_FALSE(detection.doubts.empty());
    EXPECT_EQ(detection.doubts.front(), c.first) << "the text tells the first reason";
    EXPECT_EQ(detection.ranking.size(), static_cast<std::size_t>(kEditionCount));
}

// Each reason that holds is listed, the header's before the scores'.
TEST(Detection, ListsEveryReasonThatHolds)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        std::vector<DetectionDoubt> doubts;
    };
    const QByteArray sample = DemoRomImage(1990, {3, true, false});
    const std::vector<Case> cases{
        {"ZerosWithoutHeader", QByteArray(kDemoRomSize, '\0'),
         {DetectionDoubt::NotMarked, DetectionDoubt::LowScore, DetectionDoubt::TooClose}},
        {"ZerosAfterAHeader", WithHeader(QByteArray(kDemoRomSize, '\0')),
         {DetectionDoubt::LowScore, DetectionDoubt::TooClose}},
        {"HeaderlessSample", sample.mid(16),
         {DetectionDoubt::NotMarked, DetectionDoubt::LowScore, DetectionDoubt::TooClose}},
        {"MarkRubbedOut", QByteArray(sample).replace(0, 1, "X"), {DetectionDoubt::NotMarked}},
        {"SampleCutByOneByte", sample.chopped(1), {DetectionDoubt::CutShort}},
        {"Sample", sample, {}},
    };
    for (const Case& c : cases) {
        const Detection detection = DetectEdition(RomImage(c.bytes));
        EXPECT_EQ(detection.doubts, c.doubts) << c.name << ": " << Describe(detection).toStdString();
        EXPECT_EQ(detection.edition.has_value(), c.doubts.empty()) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, UnknownTest, ::testing::ValuesIn(UnknownCases()),
                         [](const auto& info) { return info.param.name; });

// Whatever the file, the ranking holds every edition once, best first, and
// the margin is the lead of the first over the second.
TEST(Detection, RanksEveryEditionOnceBestFirst)
{
    for (const QByteArray& bytes : {DemoRomImage(1991, {4, true, true}), RandomBytes(0x20000, 4), QByteArray()}) {
        const Detection detection = DetectEdition(RomImage(bytes));
        std::set<int> editions;
        for (std::size_t i = 0; i < detection.ranking.size(); ++i) {
            editions.insert(detection.ranking[i].edition);
            EXPECT_GE(detection.ranking[i].score, 0.0);
            EXPECT_LE(detection.ranking[i].score, 100.0);
            if (i > 0) {
                EXPECT_GE(detection.ranking[i - 1].score, detection.ranking[i].score);
            }
        }
        EXPECT_EQ(editions.size(), static_cast<std::size_t>(kEditionCount));
        EXPECT_DOUBLE_EQ(detection.margin, detection.ranking[0].score - detection.ranking[1].score);
    }
}

// 1993 and 1994 differ only in team codes and colour places: with colours at
// both places no byte tells them apart, and the detector says so.
TEST(Detection, EditionsThatNoByteTellsApartStayOpen)
{
    QByteArray image = DemoRomImage(1993, {5, true, false});
    for (int team = 0; team < TeamCount(1994); ++team) {
        image[ColorOffsets(1994, team, 0)->helmet] = image[ColorOffsets(1993, team, 0)->helmet];
        image[ColorOffsets(1994, team, 0)->uniform] = image[ColorOffsets(1993, team, 0)->uniform];
    }
    const Detection detection = DetectEdition(RomImage(image));
    EXPECT_FALSE(detection.edition);
    EXPECT_EQ((std::set<int>{detection.ranking[0].edition, detection.ranking[1].edition}), (std::set<int>{1993, 1994}));
    EXPECT_DOUBLE_EQ(detection.margin, 0.0);
    EXPECT_EQ(detection.doubts, std::vector<DetectionDoubt>{DetectionDoubt::TooClose});
    EXPECT_TRUE(detection.doubt.contains(QStringLiteral("1993年版"))) << detection.doubt.toStdString();
    EXPECT_TRUE(detection.doubt.contains(QStringLiteral("1994年版"))) << detection.doubt.toStdString();
}

// A ROM with a few values no dialog accepts, as hacks have, is still its edition.
TEST(Detection, AFewOddValuesDoNotHideTheEdition)
{
    QByteArray image = DemoRomImage(1992, {6, true, false});
    for (int team = 0; team < TeamCount(1992); team += 3)
        image[*RecordOffset(RecordKind::Batter, 1992, team, 0, 0) + 11] = 40;  // fielding, at most 8
    const Detection detection = DetectEdition(RomImage(image));
    EXPECT_EQ(detection.edition, 1992) << Describe(detection).toStdString();
    EXPECT_LT(detection.ranking[0].score, 100.0);
}

struct VerdictCase {
    const char* name;
    std::vector<EditionScore> scores;
    const char* headerDoubt;
    std::optional<int> edition;
    double margin;
    const char* doubt;  // part of the reason; null when there is an edition
};

void PrintTo(const VerdictCase& c, std::ostream* out)
{
    *out << c.name;
}

// Nine scores: the two given, the other editions far behind.
std::vector<EditionScore> Scores(int first, double firstScore, int second, double secondScore)
{
    std::vector<EditionScore> scores;
    for (int edition = kFirstEdition; edition <= kLastEdition; ++edition)
        scores.push_back({edition, edition == first ? firstScore : edition == second ? secondScore : 10.0});
    return scores;
}

class VerdictTest : public ::testing::TestWithParam<VerdictCase> {};

// The best edition is the guess when it scores at least 75 and leads the
// second by at least 1.0, both bounds included, in the tenths shown.
TEST_P(VerdictTest, AtTheBounds)
{
    const VerdictCase& c = GetParam();
    std::vector<DoubtReason> header;
    if (*c.headerDoubt)
        header.push_back({DetectionDoubt::NotMarked, QString::fromUtf8(c.headerDoubt)});
    const Detection detection = JudgeScores(c.scores, header);
    EXPECT_EQ(detection.edition, c.edition) << Describe(detection).toStdString();
    EXPECT_DOUBLE_EQ(detection.margin, c.margin);
    if (c.doubt)
        EXPECT_TRUE(detection.doubt.contains(QString::fromUtf8(c.doubt))) << detection.doubt.toStdString();
    else
        EXPECT_TRUE(detection.doubt.isEmpty()) << detection.doubt.toStdString();
    ASSERT_EQ(detection.ranking.size(), c.scores.size());
    for (std::size_t i = 1; i < detection.ranking.size(); ++i)
        EXPECT_GE(detection.ranking[i - 1].score, detection.ranking[i].score);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VerdictTest,
    ::testing::Values(VerdictCase{"LeadOfExactlyOne", Scores(1994, 100.0, 1993, 99.0), "", 1994, 1.0, nullptr},
                      VerdictCase{"LeadOfOneInTenths", Scores(1987, 76.3, 1986, 75.3), "", 1987, 1.0, nullptr},
                      VerdictCase{"LeadJustShort", Scores(1993, 100.0, 1994, 99.1), "", std::nullopt, 0.9, "区別がつきません"},
                      VerdictCase{"LeastScoreExactly", Scores(1989, 75.0, 1988, 74.0), "", 1989, 1.0, nullptr},
                      VerdictCase{"LeastScoreJustShort", Scores(1989, 74.9, 1988, 60.0), "", std::nullopt, 14.9, "どの版としても"},
                      VerdictCase{"HeaderDoubtStands", Scores(1990, 100.0, 1991, 0.0), "印がありません", std::nullopt, 90.0,
                                  "印がありません"},
                      VerdictCase{"OneScoreIsNoComparison", {{1990, 100.0}}, "", std::nullopt, 0.0, "比べる版"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Detection, NoteForTheEditionDialog)
{
    Detection known;
    known.edition = 1993;
    EXPECT_EQ(DetectionNote(known), QStringLiteral("推定：1993年版"));
    EXPECT_EQ(DetectionNote(Detection{}), QStringLiteral("推定できません"));
}

TEST(Detection, OfAFile)
{
    RomFolder folder;
    const QString rom = folder.write(QStringLiteral("rom.nes"), DemoRomImage(1989, {8, true, false}));
    EXPECT_EQ(DetectEditionOfFile(rom).edition, 1989);

    const QString missing = folder.path(QStringLiteral("missing.nes"));
    const Detection unread = DetectEditionOfFile(missing);
    EXPECT_FALSE(unread.edition);
    EXPECT_TRUE(unread.doubt.contains(missing)) << unread.doubt.toStdString();
    EXPECT_EQ(unread.doubts, std::vector<DetectionDoubt>{DetectionDoubt::Unreadable});
    EXPECT_EQ(unread.ranking.size(), static_cast<std::size_t>(kEditionCount));
}

} // namespace
} // namespace quindaro2
