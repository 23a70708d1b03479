#include "core/patch/BpsPatch.h"
#include "core/patch/Crc32.h"
#include "PatchBytes.h"

#include <gtest/gtest.h>

#include <functional>
#include <string_view>

namespace quindaro2 {
namespace {

using test::Fill;
using test::Filled;

void AppendCrc(QByteArray& out, quint32 crc)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.append(static_cast<char>(crc >> shift));
}

// "BPS1", the body, and the checksums of the source, the target and the patch.
QByteArray Bps(const QByteArray& source, const QByteArray& target, const char* bodyHex)
{
    QByteArray patch = QByteArray("BPS1") + QByteArray::fromHex(bodyHex);
    AppendCrc(patch, Crc32(source));
    AppendCrc(patch, Crc32(target));
    AppendCrc(patch, Crc32(patch));
    return patch;
}

struct LayoutCase {
    const char* name;
    QByteArray original;
    QByteArray modified;
    const char* bodyHex;  // sizes, then actions
};

TEST(BpsPatchTest, ByteLayout)
{
    const LayoutCase cases[] = {
        {"changed byte", Filled(4), Filled(4, {{2, 'X', 1}}), "848480 84 855800"},
        {"identical, two-byte numbers", Filled(128), Filled(128), "0080 0080 80 7C82"},
        {"run copied from its first byte", Filled(16), Filled(16, {{4, 0xEE, 12}}), "909080 8C 81EE AB88"},
        {"run continuing an unchanged byte", Filled(16, {{3, 0xEE, 1}}), Filled(16, {{3, 0xEE, 13}}),
         "909080 8C AF86"},
        {"longer", Filled(2), Filled(4, {{2, 'C', 1}, {3, 'D', 1}}), "828480 84 854344"},
        {"shorter", Filled(8), Filled(5), "888580 90"},
        {"emptied", Filled(3), Filled(0), "838080"},
    };
    for (const LayoutCase& c : cases) {
        const Result<QByteArray> patch = CreateBpsPatch(c.original, c.modified);
        ASSERT_TRUE(patch) << c.name;
        EXPECT_EQ(patch.value(), Bps(c.original, c.modified, c.bodyHex)) << c.name;
    }
}

// Bytes from a small alphabet: windows repeat often, as in code and tables.
QByteArray Repetitive(std::mt19937& rng, qsizetype size)
{
    QByteArray bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(rng() % 3 == 0 ? 0 : rng() % 5);
    return bytes;
}

// Blocks of the original moved elsewhere, blocks of new bytes repeated, runs and single bytes changed.
QByteArray Shuffled(std::mt19937& rng, const QByteArray& original, qsizetype size)
{
    QByteArray bytes = original.left(size);
    bytes.append(test::RandomBytes(rng, size - bytes.size()));
    for (int i = 0; i < 6 && size > 0; ++i) {
        const qsizetype length = 1 + rng() % std::min<qsizetype>(size, 600);
        const qsizetype to = rng() % (size - length + 1);
        switch (rng() % 4) {
        case 0:
            if (original.size() >= length)
                bytes.replace(to, length, original.mid(rng() % (original.size() - length + 1), length));
            break;
        case 1: {
            const qsizetype from = rng() % (size - length + 1);
            bytes.replace(to, length, bytes.mid(from, length));
            break;
        }
        case 2: bytes.replace(to, length, QByteArray(length, static_cast<char>(rng()))); break;
        default: bytes[to] = static_cast<char>(bytes[to] ^ (1 + rng() % 255)); break;
        }
    }
    return bytes;
}

TEST(BpsPatchTest, RandomPairsRoundTripByteForByte)
{
    const std::pair<qsizetype, qsizetype> sizes[] = {{0, 0}, {0, 7}, {5, 0}, {3, 4}, {4, 3}, {9, 9},
                                                     {700, 700}, {5000, 3000}, {3000, 5000}, {20000, 20000}};
    std::mt19937 rng(28);
    for (const auto& [originalSize, modifiedSize] : sizes) {
        for (int round = 0; round < 12; ++round) {
            const QByteArray original = round % 2 ? Repetitive(rng, originalSize) : test::RandomBytes(rng, originalSize);
            const QByteArray modified = Shuffled(rng, original, modifiedSize);
            const Result<QByteArray> patch = CreateBpsPatch(original, modified);
            ASSERT_TRUE(patch);
            const Result<QByteArray> applied = ApplyBpsPatch(original, patch.value());
            ASSERT_TRUE(applied) << originalSize << " -> " << modifiedSize << ", round " << round << ": "
                                 << applied.reason().toStdString();
            ASSERT_EQ(applied.value(), modified) << originalSize << " -> " << modifiedSize << ", round " << round;
        }
    }
}

struct CopyCase {
    const char* name;
    std::function<QByteArray(const QByteArray& original, const QByteArray& fresh)> modified;
    qsizetype atMost;  // bytes of patch beyond the fresh bytes it must carry
};

// Moved and repeated blocks cost a few bytes each, not their length.
TEST(BpsPatchTest, MovedAndRepeatedBlocksAreCopied)
{
    std::mt19937 rng(5);
    const QByteArray original = test::RandomBytes(rng, 65536);
    const QByteArray fresh = test::RandomBytes(rng, 1000);
    const CopyCase cases[] = {
        {"block moved forward", [](const QByteArray& o, const QByteArray&) { return o.mid(4096) + o.left(4096); }, 40},
        {"block moved back", [](const QByteArray& o, const QByteArray&) { return o.right(100) + o.left(65436); }, 40},
        {"records rotated",
         [](const QByteArray& o, const QByteArray&) {
             QByteArray m = o;
             for (qsizetype table = 0; table < 8; ++table)
                 m.replace(table * 4000 + 18, 18 * 29, o.mid(table * 4000, 18 * 29)).replace(table * 4000, 18, o.mid(table * 4000 + 18 * 29, 18));
             return m;
         },
         8 * 12},
        {"new block written twice",
         [](const QByteArray& o, const QByteArray& f) { return QByteArray(o).replace(100, 1000, f).replace(30000, 1000, f); }, 60},
        {"new block repeated end to end",
         [](const QByteArray& o, const QByteArray& f) { return o.left(500) + f.left(7).repeated(300) + o.mid(2600); }, 40},
    };
    for (const CopyCase& c : cases) {
        const QByteArray modified = c.modified(original, fresh);
        const Result<QByteArray> patch = CreateBpsPatch(original, modified);
        ASSERT_TRUE(patch) << c.name;
        const qsizetype freshBytes = c.name == std::string_view("new block written twice") ? 1000 : 0;
        EXPECT_LE(patch->size(), freshBytes + c.atMost) << c.name;
        const Result<QByteArray> applied = ApplyBpsPatch(original, patch.value());
        ASSERT_TRUE(applied) << c.name;
        EXPECT_EQ(applied.value(), modified) << c.name;
    }
}

struct MovedBlockCase {
    qsizetype size;
    qsizetype shift;      // the block lands 1000 + shift bytes after its place in the original
    bool changeBefore;    // a lone changed byte first, far from the block
};

// The index holds only some windows of an original: a moved block is found at every
// alignment, also when a lone change came first and nothing was looked up yet.
TEST(BpsPatchTest, MovedBlockIsCopiedAtEveryAlignment)
{
    const qsizetype large = (qsizetype(1) << 20) + 4096;
    const MovedBlockCase cases[] = {
        {3000, 1, false},   {3000, 2, true},    {300000, 1, true},  {300000, 7, false}, {large, 1, true},
        {large, 2, false},  {large, 3, true},   {large, 4, false},  {large, 5, true},   {large, -3, true},
    };
    std::mt19937 rng(19);
    for (const MovedBlockCase& c : cases) {
        const QByteArray original = test::RandomBytes(rng, c.size);
        const qsizetype from = c.size / 3;
        const qsizetype length = std::min<qsizetype>(c.size / 4, 20000);
        QByteArray modified = original;
        if (c.changeBefore)
            modified[10] = static_cast<char>(modified[10] ^ 0x5A);
        modified.replace(from + c.shift + 1000, length, original.mid(from, length));
        const Result<QByteArray> patch = CreateBpsPatch(original, modified);
        ASSERT_TRUE(patch);
        EXPECT_LE(patch->size(), 48) << c.size << " shifted " << c.shift;
        EXPECT_EQ(ApplyBpsPatch(original, patch.value()).value(), modified) << c.size << " shifted " << c.shift;
    }
}

// Scattered single changes: short unchanged gaps are cheaper inside the written bytes, longer ones read in place.
TEST(BpsPatchTest, ScatteredChangesCostWhatTheGapsDecide)
{
    // The gap between changes, and the bytes each change may cost: itself and the gap written out, or
    // itself, its header and the header of the unchanged bytes after it.
    const std::pair<qsizetype, qsizetype> cases[] = {{1, 2}, {2, 3}, {3, 3}, {5, 3}, {20, 3}};
    for (const auto& [gap, perChange] : cases) {
        const QByteArray original(4000, '\0');
        QByteArray modified = original;
        for (qsizetype at = 0; at < modified.size(); at += gap + 1)
            modified[at] = static_cast<char>(0x40 + at % 61);
        const qsizetype changes = (modified.size() + gap) / (gap + 1);
        const Result<QByteArray> patch = CreateBpsPatch(original, modified);
        ASSERT_TRUE(patch);
        EXPECT_LE(patch->size(), 32 + changes * perChange * 105 / 100) << "gap " << gap;
        EXPECT_EQ(ApplyBpsPatch(original, patch.value()).value(), modified) << "gap " << gap;
    }
}

TEST(BpsPatchTest, AppliesEveryAction)
{
    const QByteArray source("ABCDEFGH");
    const QByteArray target("ABEFGHZEFGHZABCCCCC");
    // SourceRead 2; SourceCopy 4 from +4; TargetRead "Z"; TargetCopy 5 from +2; SourceCopy 3 from -8;
    // TargetCopy 4 from +7, overlapping what it writes.
    const char* actions = "84 8E88 815A 9384 8A91 8F8E";
    for (const QByteArray& header : {QByteArray("889380"), QByteArray("889382") + QByteArray("xy").toHex()}) {
        const Result<QByteArray> applied = ApplyBpsPatch(source, Bps(source, target, (header + actions).constData()));
        ASSERT_TRUE(applied) << applied.reason().toStdString();
        EXPECT_EQ(applied.value(), target);
    }
}

TEST(BpsPatchTest, RefusesInconsistentPatchesWithGoodChecksums)
{
    const QByteArray source("ABCDEFGH");
    const std::pair<const char*, const char*> cases[] = {
        {"878080", "another source size"},
        {"88", "header cut"},
        {"889380 84", "result left short"},
        {"888280 88", "action past the result's end"},
        {"888A80 A4", "source read past the source"},
        {"888280 86 83", "source copy before the start"},
        {"888280 86 8E", "source copy past the end"},
        {"888280 87 80", "target copy from bytes not yet written"},
        {"888480 8D 4142", "target read past the actions"},
        {"888080 85 41", "metadata past the actions"},
        {"88 7F7F7F7F7F7F7F80 80", "result over 64 MiB"},
        {"88 00000000000000000000 80", "number too long"},
    };
    for (const auto& [body, name] : cases) {
        const Result<QByteArray> applied = ApplyBpsPatch(source, Bps(source, QByteArray(), body));
        EXPECT_FALSE(applied) << name;
        // Refused while reading, not only by the final checksum of the result.
        EXPECT_FALSE(applied.reason().isEmpty()) << name;
        EXPECT_FALSE(applied.reason().contains(QStringLiteral("出来上がったファイルの CRC32"))) << name;
    }
    EXPECT_FALSE(ApplyBpsPatch(source, Bps(source, "ABD", "888380 84 8143")))
        << "the result differs from the target's checksum";
}

TEST(BpsPatchTest, RefusesAnotherRomAndCutOrDamagedPatches)
{
    std::mt19937 rng(11);
    const QByteArray original = test::RandomBytes(rng, 2000);
    const QByteArray patch = CreateBpsPatch(original, test::RandomlyEdited(rng, original, 2100, 6)).value();
    ASSERT_TRUE(ApplyBpsPatch(original, patch));

    QByteArray changed = original;
    changed[1234] = static_cast<char>(changed[1234] ^ 1);
    for (const QByteArray& rom : {changed, original.left(1999), original + '\0', QByteArray()}) {
        const Result<QByteArray> applied = ApplyBpsPatch(rom, patch);
        EXPECT_FALSE(applied);
        EXPECT_TRUE(applied.reason().contains(QStringLiteral("別の ROM"))) << applied.reason().toStdString();
    }

    for (qsizetype length = 0; length < patch.size(); ++length)
        EXPECT_FALSE(ApplyBpsPatch(original, patch.left(length))) << length;
    for (qsizetype at = 0; at < patch.size(); ++at) {
        QByteArray damaged = patch;
        damaged[at] = static_cast<char>(damaged[at] ^ (1 + rng() % 255));
        EXPECT_FALSE(ApplyBpsPatch(original, damaged)) << at;
    }
}

} // namespace
} // namespace quindaro2
