#include "core/roster/CellText.h"

#include <gtest/gtest.h>

namespace quindaro2 {
namespace {

struct TextCase {
    const char* text;
    std::optional<int> strict;
};

std::ostream& operator<<(std::ostream& out, const TextCase& c)
{
    return out << '"' << c.text << '"';
}

class CellTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(CellTextTest, StrictIntegers)
{
    const TextCase& c = GetParam();
    EXPECT_EQ(StrictInteger(QString::fromUtf8(c.text)), c.strict);
}

INSTANTIATE_TEST_SUITE_P(Cells, CellTextTest,
                         ::testing::Values(TextCase{"348", 348}, TextCase{"-1", -1}, TextCase{"+7", 7},
                                           TextCase{"", std::nullopt}, TextCase{"  12", std::nullopt},
                                           TextCase{"12ab", std::nullopt}, TextCase{"abc", std::nullopt},
                                           TextCase{"-", std::nullopt}, TextCase{" -5x", std::nullopt},
                                           TextCase{"3 ", std::nullopt}, TextCase{"１２", 12},
                                           TextCase{"2147483647", 2147483647},
                                           TextCase{"-2147483648", -2147483647 - 1},
                                           TextCase{"99999999999", std::nullopt},
                                           TextCase{"-99999999999", std::nullopt},
                                           // Full-width digits and signs, as input methods and spreadsheets give
                                           // them, are whole numbers.
                                           TextCase{"４５", 45}, TextCase{"－３", -3}, TextCase{"＋７", 7},
                                           TextCase{"１2", 12}, TextCase{"４ａ", std::nullopt},
                                           TextCase{"－", std::nullopt}, TextCase{"ー５", std::nullopt},
                                           TextCase{"２１４７４８３６４８", std::nullopt},
                                           TextCase{"－２１４７４８３６４８", -2147483647 - 1}));

} // namespace
} // namespace quindaro2
