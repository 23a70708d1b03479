#include "core/patch/ByteChanges.h"

#include <gtest/gtest.h>

#include <vector>

namespace quindaro2 {
namespace {

struct ChangesCase {
    const char* name;
    QByteArray before;
    QByteArray after;
    std::vector<ByteChange> changes;
};

void PrintTo(const ChangesCase& c, std::ostream* out)
{
    *out << c.name;
}

class ByteChangesTest : public ::testing::TestWithParam<ChangesCase> {};

TEST_P(ByteChangesTest, FindsEveryRunOnce)
{
    const ChangesCase& c = GetParam();
    EXPECT_EQ(ByteChanges(c.before, c.after), c.changes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ByteChangesTest,
    ::testing::Values(
        ChangesCase{"Equal", "abcdef", "abcdef", {}},
        ChangesCase{"BothEmpty", "", "", {}},
        ChangesCase{"FirstByte", "abc", "xbc", {{0, 1, "a", "x"}}},
        ChangesCase{"LastByte", "abc", "abx", {{2, 1, "c", "x"}}},
        ChangesCase{"TwoRunsApart", "abcdef", "xbcdyf", {{0, 1, "a", "x"}, {4, 1, "e", "y"}}},
        ChangesCase{"AdjacentBytesAreOneRun", "abcdef", "axyzef", {{1, 3, "bcd", "xyz"}}},
        ChangesCase{"Lengthened", "abc", "abcde", {{3, 2, "", "de"}}},
        ChangesCase{"LengthenedRightAfterAChange", "abc", "abxde", {{2, 3, "c", "xde"}}},
        ChangesCase{"Shortened", "abcde", "abc", {{3, 2, "de", ""}}},
        ChangesCase{"FromNothing", "", "ab", {{0, 2, "", "ab"}}},
        ChangesCase{"ZeroBytesCount", QByteArray("a\0c", 3), QByteArray("a\1c", 3),
                    {{1, 1, QByteArray("\0", 1), QByteArray("\1", 1)}}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quindaro2
