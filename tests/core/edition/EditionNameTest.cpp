#include "core/edition/EditionName.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace quindaro2 {
namespace {

struct EditionCase {
    const char* text;
    std::optional<int> edition;
};

void PrintTo(const EditionCase& c, std::ostream* out)
{
    *out << '"' << c.text << '"';
}

class EditionTest : public ::testing::TestWithParam<EditionCase> {};

TEST_P(EditionTest, TakesTwoOrFourDigitYears)
{
    EXPECT_EQ(ParseEdition(QString::fromUtf8(GetParam().text)), GetParam().edition);
}

INSTANTIATE_TEST_SUITE_P(Cases, EditionTest,
                         ::testing::Values(EditionCase{"86", 1986}, EditionCase{"94", 1994}, EditionCase{"1986", 1986},
                                           EditionCase{"1994", 1994}, EditionCase{"85", std::nullopt}, EditionCase{"1985", std::nullopt},
                                           EditionCase{"95", std::nullopt}, EditionCase{"1995", std::nullopt},
                                           EditionCase{"086", std::nullopt}, EditionCase{"+86", std::nullopt},
                                           EditionCase{"", std::nullopt}, EditionCase{"８６", std::nullopt},
                                           EditionCase{"8 6", std::nullopt}, EditionCase{"-86", std::nullopt}));

} // namespace
} // namespace quindaro2
