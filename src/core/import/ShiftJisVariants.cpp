#include "core/import/ShiftJisVariants.h"

#include <array>
#include <utility>

namespace quindaro2 {

namespace {

// (as a JIS-table decoder reads the code, as the export's decoder reads it)
constexpr std::array<std::pair<char16_t, char16_t>, 6> kVariants{{
    {u'\u2212', u'\uFF0D'},  // minus, 0x817C
    {u'\u301C', u'\uFF5E'},  // wave dash, 0x8160
    {u'\u2016', u'\u2225'},  // double vertical line, 0x8161
    {u'\u00A2', u'\uFFE0'},  // cent, 0x8191
    {u'\u00A3', u'\uFFE1'},  // pound, 0x8192
    {u'\u00AC', u'\uFFE2'},  // not, 0x81CA
}};

} // namespace

QString UnifyShiftJisVariants(QString text)
{
    for (const auto& [variant, stored] : kVariants)
        text.replace(QChar(variant), QChar(stored));
    return text;
}

} // namespace quindaro2
