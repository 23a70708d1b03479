#include "core/detect/NesHeader.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <optional>

namespace quindaro2 {
namespace {

struct HeaderCase {
    const char* name;
    QByteArray bytes;
    bool marked;
    std::optional<qint64> declared;
};

void PrintTo(const HeaderCase& c, std::ostream* out)
{
    *out << c.name;
}

QByteArray Header(int program, int character, int flags6 = 0, int flags7 = 0, int byte9 = 0)
{
    QByteArray bytes("NES\x1A", 4);
    bytes += static_cast<char>(program);
    bytes += static_cast<char>(character);
    bytes += static_cast<char>(flags6);
    bytes += static_cast<char>(flags7);
    bytes += '\0';
    bytes += static_cast<char>(byte9);
    bytes += QByteArray(6, '\0');
    return bytes;
}

class NesHeaderTest : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(NesHeaderTest, SaysWhetherItIsMarkedAndHowLargeTheFileShouldBe)
{
    const HeaderCase& c = GetParam();
    const NesHeader header = ReadNesHeader(c.bytes);
    EXPECT_EQ(header.marked, c.marked);
    EXPECT_EQ(header.declaredSize, c.declared);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NesHeaderTest,
    ::testing::Values(
        HeaderCase{"ProgramBanksOnly", Header(16, 0, 0x10), true, 16 + 16 * 0x4000},
        HeaderCase{"ProgramAndCharacterBanks", Header(8, 16), true, 16 + 8 * 0x4000 + 16 * 0x2000},
        HeaderCase{"TrainerAddsItsBytes", Header(16, 0, 0x14), true, 16 + 512 + 16 * 0x4000},
        HeaderCase{"SecondVersionHighBits", Header(0, 1, 0, 0x08, 0x21), true, 16 + 256 * 0x4000 + 513 * 0x2000},
        HeaderCase{"SecondVersionExponentFormDeclaresNothing", Header(1, 0, 0, 0x08, 0x0F), true, std::nullopt},
        HeaderCase{"ByteNineIgnoredInTheFirstVersion", Header(2, 0, 0, 0x00, 0x01), true, 16 + 2 * 0x4000},
        HeaderCase{"NoProgramDeclaresNothing", Header(0, 4), true, std::nullopt},
        HeaderCase{"OldJunkAfterByteSeven", QByteArray("NES\x1A\x10\x00\x10" "DiskDude!", 16), true, 16 + 16 * 0x4000},
        HeaderCase{"NoMark", QByteArray(16, '\0'), false, std::nullopt},
        HeaderCase{"MarkOfAnotherFormat", QByteArray("FDS\x1A\x10\0\0\0\0\0\0\0\0\0\0\0", 16), false, std::nullopt},
        HeaderCase{"ShorterThanAHeader", QByteArray("NES\x1A\x10\x00", 6), false, std::nullopt},
        HeaderCase{"Empty", QByteArray(), false, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quindaro2
