#include "core/patch/Crc32.h"
#include "core/patch/Patch.h"
#include "PatchBytes.h"

#include <gtest/gtest.h>

namespace quindaro2 {
namespace {

using test::RandomBytes;
using test::RandomlyEdited;

TEST(Crc32Test, KnownValues)
{
    const std::pair<const char*, quint32> cases[] = {
        {"", 0x00000000u},
        {"a", 0xE8B7BE43u},
        {"123456789", 0xCBF43926u},
        {"The quick brown fox jumps over the lazy dog", 0x414FA339u},
    };
    for (const auto& [text, crc] : cases)
        EXPECT_EQ(Crc32(QByteArray(text)), crc) << text;
}

// Bit by bit, as the polynomial defines it: the tables and their folding must agree at every length.
quint32 BitwiseCrc32(QByteArrayView bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= static_cast<quint8>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    return ~crc;
}

TEST(Crc32Test, AgreesWithTheBitwiseDefinitionAtEveryLengthAndAlignment)
{
    std::mt19937 rng(32);
    const QByteArray bytes = RandomBytes(rng, 80);
    for (qsizetype start = 0; start < 4; ++start) {
        for (qsizetype length = 0; start + length <= 72; ++length) {
            const QByteArrayView part = QByteArrayView(bytes).sliced(start, length);
            EXPECT_EQ(Crc32(part), BitwiseCrc32(part)) << start << "+" << length;
        }
    }
}

TEST(PatchKindTest, FromFileName)
{
    const std::pair<const char*, std::optional<PatchKind>> cases[] = {
        {"a.ips", PatchKind::Ips}, {"C:/x/A.IPS", PatchKind::Ips}, {"b.bps", PatchKind::Bps},
        {"b.Bps", PatchKind::Bps}, {"b.nes", std::nullopt},        {"ips", std::nullopt},
        {"a.ips.txt", std::nullopt},
    };
    for (const auto& [name, kind] : cases)
        EXPECT_EQ(PatchKindOfFileName(QString::fromUtf8(name)), kind) << name;
}

TEST(PatchKindTest, FromFirstBytes)
{
    const std::pair<QByteArray, std::optional<PatchKind>> cases[] = {
        {"PATCHEOF", PatchKind::Ips}, {"PATCH", PatchKind::Ips},     {"BPS1", PatchKind::Bps},
        {"BPS1\x00\x01", PatchKind::Bps}, {"PATC", std::nullopt}, {"BPS2", std::nullopt},
        {"bps1", std::nullopt},       {"", std::nullopt},            {" PATCH", std::nullopt},
    };
    for (const auto& [bytes, kind] : cases)
        EXPECT_EQ(PatchKindOfBytes(bytes), kind) << bytes.toStdString();
}

struct RoundTripCase {
    const char* name;
    qsizetype originalSize;
    qsizetype modifiedSize;
    int edits;
};

class RoundTripTest : public ::testing::TestWithParam<PatchKind> {};

TEST_P(RoundTripTest, ApplyingTheCreatedPatchGivesTheModifiedFile)
{
    const RoundTripCase cases[] = {
        {"identical", 40000, 40000, 0}, {"scattered", 40000, 40000, 12}, {"one edit", 4096, 4096, 1},
        {"longer", 30000, 50000, 8},    {"shorter", 50000, 30000, 8},    {"empty to some", 0, 500, 0},
        {"some to empty", 500, 0, 0},   {"both empty", 0, 0, 0},         {"tiny", 3, 5, 2},
    };
    std::mt19937 rng(20240611);
    for (const RoundTripCase& c : cases) {
        for (int round = 0; round < 5; ++round) {
            const QByteArray original = RandomBytes(rng, c.originalSize);
            const QByteArray modified = RandomlyEdited(rng, original, c.modifiedSize, c.edits);
            const Result<QByteArray> patch = CreatePatch(GetParam(), original, modified);
            ASSERT_TRUE(patch) << c.name << ": " << patch.reason().toStdString();
            const Result<AppliedPatch> applied = ApplyPatch(original, patch.value());
            ASSERT_TRUE(applied) << c.name << ": " << applied.reason().toStdString();
            EXPECT_EQ(applied->target, modified) << c.name;
            EXPECT_EQ(applied->kind, GetParam());
            EXPECT_EQ(applied->verified, GetParam() == PatchKind::Bps);
            if (c.edits == 0 && c.originalSize == c.modifiedSize) {
                EXPECT_LE(patch->size(), 32) << c.name << ": an unchanged file needs almost no patch";
            }
        }
    }
}

TEST_P(RoundTripTest, RunsLongerThanARecord)
{
    const QByteArray original = test::Filled(300000, {{100, 0x11, 1}});
    const QByteArray modified = test::Filled(320000, {{10, 0x55, 200000}, {250000, 0xFF, 70000}});
    const Result<QByteArray> patch = CreatePatch(GetParam(), original, modified);
    ASSERT_TRUE(patch) << patch.reason().toStdString();
    EXPECT_LT(patch->size(), 200) << "runs are written as repeats, not byte by byte";
    const Result<AppliedPatch> applied = ApplyPatch(original, patch.value());
    ASSERT_TRUE(applied) << applied.reason().toStdString();
    EXPECT_EQ(applied->target, modified);
}

INSTANTIATE_TEST_SUITE_P(Kinds, RoundTripTest, ::testing::Values(PatchKind::Ips, PatchKind::Bps),
                         [](const auto& info) { return info.param == PatchKind::Ips ? "Ips" : "Bps"; });

TEST(ApplyPatchTest, RefusesWhatIsNoPatch)
{
    for (const char* patch : {"", "PATC", "BPS", "ZZZZ1xxxxxxxxxxxxxxx", "patchEOF"}) {
        const Result<AppliedPatch> applied = ApplyPatch(QByteArray(16, '\0'), QByteArray(patch));
        EXPECT_FALSE(applied) << patch;
        EXPECT_FALSE(applied.reason().isEmpty());
    }
}

} // namespace
} // namespace quindaro2
