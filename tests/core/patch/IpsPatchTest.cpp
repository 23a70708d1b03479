#include "core/patch/IpsPatch.h"
#include "PatchBytes.h"

#include <gtest/gtest.h>

namespace quindaro2 {
namespace {

using test::Fill;
using test::Filled;

constexpr qsizetype kEofOffset = 0x454F46;

QByteArray Ips(const char* recordsHex)
{
    return QByteArray("PATCH") + QByteArray::fromHex(recordsHex);
}

// (offset, size) of every record, read the way the format describes them.
std::vector<std::pair<qsizetype, qsizetype>> Records(const QByteArray& patch)
{
    std::vector<std::pair<qsizetype, qsizetype>> records;
    qsizetype at = 5;
    const auto number = [&](int bytes) {
        qsizetype value = 0;
        for (int i = 0; i < bytes; ++i)
            value = (value << 8) | static_cast<quint8>(patch[at++]);
        return value;
    };
    while (patch.mid(at, 3) != "EOF") {
        const qsizetype offset = number(3);
        const qsizetype size = number(2);
        records.emplace_back(offset, size == 0 ? number(2) : size);
        at += size == 0 ? 1 : size;
    }
    return records;
}

struct LayoutCase {
    const char* name;
    qsizetype originalSize;
    qsizetype modifiedSize;
    std::vector<Fill> changes;
    const char* recordsHex;  // after "PATCH"
};

TEST(IpsPatchTest, ByteLayout)
{
    const LayoutCase cases[] = {
        {"identical", 32, 32, {}, "454F46"},
        {"one byte", 32, 32, {{0x10, 0x7F, 1}}, "000010 0001 7F 454F46"},
        {"short run stays plain", 32, 32, {{8, 0xAA, 3}}, "000008 0003 AAAAAA 454F46"},
        {"run", 64, 64, {{8, 0xAA, 20}}, "000008 0000 0014 AA 454F46"},
        {"run between bytes, too short to split", 64, 64, {{8, 1, 1}, {9, 0xAA, 12}, {21, 2, 1}},
         "000008 000E 01 AAAAAAAAAAAAAAAAAAAAAAAA 02 454F46"},
        {"run between bytes", 64, 64, {{8, 1, 1}, {9, 0xAA, 20}, {29, 2, 1}},
         "000008 0001 01 000009 0000 0014 AA 00001D 0001 02 454F46"},
        {"short gap joined", 32, 32, {{8, 1, 1}, {11, 2, 1}}, "000008 0004 01000002 454F46"},
        {"long gap apart", 32, 32, {{8, 1, 1}, {14, 2, 1}}, "000008 0001 01 00000E 0001 02 454F46"},
        {"added zero bytes", 4, 6, {}, "000004 0002 0000 454F46"},
        {"shorter", 8, 5, {}, "454F46 000005"},
        {"shorter and changed", 8, 5, {{0, 0x58, 1}}, "000000 0001 58 454F46 000005"},
    };
    for (const LayoutCase& c : cases) {
        const QByteArray original = Filled(c.originalSize);
        const QByteArray modified = Filled(c.modifiedSize, c.changes);
        const Result<QByteArray> patch = CreateIpsPatch(original, modified);
        ASSERT_TRUE(patch) << c.name;
        EXPECT_EQ(patch.value(), Ips(c.recordsHex)) << c.name;
        const Result<QByteArray> applied = ApplyIpsPatch(original, patch.value());
        ASSERT_TRUE(applied) << c.name;
        EXPECT_EQ(applied.value(), modified) << c.name;
    }
}

TEST(IpsPatchTest, NoRecordStartsWhereItsOffsetReadsAsEof)
{
    const QByteArray original = Filled(kEofOffset + 100);
    std::mt19937 rng(7);
    QByteArray plainAcross = original;
    plainAcross.replace(kEofOffset - 0xFFFF, 0xFFFF + 10, test::RandomBytes(rng, 0xFFFF + 10));
    plainAcross[kEofOffset - 0xFFFF] = 1;  // the record starts here and splits exactly at the offset
    const QByteArray modifieds[] = {
        Filled(original.size(), {{kEofOffset, 0x42, 1}}),
        Filled(original.size(), {{kEofOffset, 0x77, 30}}),
        Filled(original.size(), {{kEofOffset - 0xFFFF, 0x33, 0xFFFF}, {kEofOffset, 0x77, 30}}),
        Filled(original.size(), {{kEofOffset - 20, 0x33, 20}, {kEofOffset, 0x34, 1}, {kEofOffset + 1, 0x35, 1}}),
        plainAcross,
    };
    for (const QByteArray& modified : modifieds) {
        const Result<QByteArray> patch = CreateIpsPatch(original, modified);
        ASSERT_TRUE(patch);
        for (const auto& [offset, size] : Records(patch.value())) {
            EXPECT_NE(offset, kEofOffset);
            EXPECT_LE(size, 0xFFFF);
        }
        const Result<QByteArray> applied = ApplyIpsPatch(original, patch.value());
        ASSERT_TRUE(applied) << applied.reason().toStdString();
        EXPECT_EQ(applied.value(), modified);
    }
}

TEST(IpsPatchTest, OffsetsBeyondThreeBytesAreRefused)
{
    const qsizetype limit = 0x1000000;
    const QByteArray original = Filled(limit + 16);
    EXPECT_TRUE(CreateIpsPatch(original, Filled(original.size(), {{limit - 1, 1, 1}})));
    EXPECT_TRUE(CreateIpsPatch(original, Filled(limit - 1)));
    for (const QByteArray& modified :
         {Filled(original.size(), {{limit, 1, 1}}), Filled(original.size(), {{limit + 5, 1, 1}}),
          Filled(limit + 32), Filled(limit + 8)}) {
        const Result<QByteArray> patch = CreateIpsPatch(original, modified);
        EXPECT_FALSE(patch);
        EXPECT_TRUE(patch.reason().contains(QStringLiteral("16 MiB"))) << patch.reason().toStdString();
    }
}

TEST(IpsPatchTest, RefusesCutOrMalformedPatches)
{
    const QByteArray rom = Filled(64);
    const QByteArray whole = Ips("000008 0000 0014 AA 000020 0003 010203 454F46");
    ASSERT_TRUE(ApplyIpsPatch(rom, whole));
    for (qsizetype length = 0; length < whole.size(); ++length)
        EXPECT_FALSE(ApplyIpsPatch(rom, whole.left(length))) << length;

    for (const char* hex : {"454F46 00", "454F46 0000", "454F46 00000000", "454F46 000041"})
        EXPECT_FALSE(ApplyIpsPatch(rom, Ips(hex))) << hex << ": junk after the end or a truncation past the file";
}

// The size after "EOF" is measured against the file as the records left it.
TEST(IpsPatchTest, TruncatesToAnySizeUpToTheFilesOwn)
{
    const QByteArray rom = Filled(64, {{0, 9, 64}});
    const QByteArray grown = rom + QByteArray::fromHex("01020304");
    const struct {
        const char* recordsHex;
        qsizetype size;  // of the result; -1 when refused
    } cases[] = {
        {"454F46 000040", 64},
        {"454F46 00003F", 63},
        {"454F46 000000", 0},
        {"454F46 000041", -1},
        {"000040 0004 01020304 454F46 000044", 68},
        {"000040 0004 01020304 454F46 000042", 66},
        {"000040 0004 01020304 454F46 000045", -1},
    };
    for (const auto& c : cases) {
        const Result<QByteArray> applied = ApplyIpsPatch(rom, Ips(c.recordsHex));
        if (c.size < 0) {
            ASSERT_FALSE(applied) << c.recordsHex;
            EXPECT_TRUE(applied.reason().contains(QStringLiteral("切り詰める大きさ"))) << applied.reason().toStdString();
            continue;
        }
        ASSERT_TRUE(applied) << c.recordsHex << ": " << applied.reason().toStdString();
        EXPECT_EQ(applied.value(), grown.left(c.size)) << c.recordsHex;
    }
}

TEST(IpsPatchTest, WritesPastTheEndGrowTheFile)
{
    const Result<QByteArray> applied =
        ApplyIpsPatch(Filled(4, {{0, 9, 4}}), Ips("000006 0002 0102 00000A 0000 0002 07 454F46"));
    ASSERT_TRUE(applied);
    EXPECT_EQ(applied.value(), QByteArray::fromHex("09090909 0000 0102 0000 0707"));
}

// A patch whose records reach past the largest ROM is refused before any is
// applied, wherever that record is among the others; one that reaches the
// largest ROM exactly, or a record of no bytes far out, is applied.
TEST(IpsPatchTest, AResultLargerThanAnyRomIsRefused)
{
    const QByteArray rom = Filled(64);
    struct Case {
        const char* recordsHex;
        qsizetype size;  // of the result; 0 when refused
    };
    // A run of 0xFFFF bytes from 0xFF0000, then one byte at 0xFFFFFF: 16 MiB exactly.
    for (const Case& c : {Case{"FF0000 0000 FFFF 07 FFFFFF 0001 08 454F46", 0x1000000},
                          Case{"000000 0001 01 FFFFFF 0002 0808 000001 0001 02 454F46", 0},
                          Case{"FFFFFF 0000 0002 07 454F46", 0},
                          Case{"FFFFFF 0000 0000 07 454F46", 64}}) {
        const Result<QByteArray> applied = ApplyIpsPatch(rom, Ips(c.recordsHex));
        EXPECT_EQ(applied.ok(), c.size > 0) << c.recordsHex;
        if (applied)
            EXPECT_EQ(applied->size(), c.size) << c.recordsHex;
        else
            EXPECT_TRUE(applied.reason().contains(QStringLiteral("16 MiB"))) << applied.reason().toStdString();
    }
}

} // namespace
} // namespace quindaro2
