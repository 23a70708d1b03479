#include "core/roster/CellText.h"

#include <gtest/gtest.h>

namespace quindaro2 {
namespace {

struct TextCase {
    const char* text;
    int leading;
    std::optional<int> strict;
};

std::ostream& operator<<(std::ostream& out, const TextCase& c)
{
    return out << '"' << c.text << '"';
}

class CellTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(CellTextTest, LeadingAndStrictIntegers)
{
    const TextCase& c = GetParam();
    EXPECT_EQ(LeadingInteger(QString::fromUtf8(c.text)), c.leading);
    EXPECT_EQ(StrictInteger(QString::fromUtf8(c.text)), c.strict);
}

INSTANTIATE_TEST_SUITE_P(Cells, CellTextTest,
                         ::testing::Values(TextCase{"348", 348, 348}, TextCase{"-1", -1, -1}, TextCase{"+7", 7, 7},
                                           TextCase{"", 0, std::nullopt}, TextCase{"  12", 12, std::nullopt},
                                           TextCase{"12ab", 12, std::nullopt}, TextCase{"abc", 0, std::nullopt},
                                           TextCase{"-", 0, std::nullopt}, TextCase{" -5x", -5, std::nullopt},
                                           TextCase{"3 ", 3, std::nullopt}, TextCase{"１２", 0, 12},
                                           TextCase{"2147483647", 2147483647, 2147483647},
                                           TextCase{"-2147483648", -2147483647 - 1, -2147483647 - 1},
                                           TextCase{"99999999999", 2147483647, std::nullopt},
                                           TextCase{"-99999999999", -2147483647 - 1, std::nullopt},
                                           // Full-width digits and signs, as input methods and spreadsheets give
                                           // them, are whole numbers; the leading integer stays ASCII.
                                           TextCase{"４５", 0, 45}, TextCase{"－３", 0, -3}, TextCase{"＋７", 0, 7},
                                           TextCase{"１2", 0, 12}, TextCase{"４ａ", 0, std::nullopt},
                                           TextCase{"－", 0, std::nullopt}, TextCase{"ー５", 0, std::nullopt},
                                           TextCase{"２１４７４８３６４８", 0, std::nullopt},
                                           TextCase{"－２１４７４８３６４８", 0, -2147483647 - 1}));

} // namespace
} // namespace quindaro2
