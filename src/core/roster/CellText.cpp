#include "core/roster/CellText.h"

#include <cstdint>
#include <limits>

namespace quindaro2 {

namespace {

struct Parsed {
    int value = 0;
    qsizetype end = 0;      // position after the last digit
    bool hasDigits = false;
    bool overflowed = false;  // the digits do not fit 32 bits
};

Parsed ParseSignedDigits(const QString& text, qsizetype position)
{
    Parsed parsed;
    bool negative = false;
    if (position < text.size() && (text[position] == u'+' || text[position] == u'-')) {
        negative = text[position] == u'-';
        ++position;
    }
    constexpr std::int64_t limit = std::numeric_limits<int>::max();
    std::int64_t magnitude = 0;
    while (position < text.size() && text[position] >= u'0' && text[position] <= u'9') {
        magnitude = std::min(magnitude * 10 + (text[position].unicode() - u'0'), limit + 2);
        parsed.hasDigits = true;
        ++position;
    }
    parsed.overflowed = magnitude > (negative ? limit + 1 : limit);
    const std::int64_t value = negative ? -std::min(magnitude, limit + 1) : std::min(magnitude, limit);
    parsed.value = static_cast<int>(value);
    parsed.end = position;
    return parsed;
}

} // namespace

int LeadingInteger(const QString& text)
{
    qsizetype position = 0;
    while (position < text.size() && text[position].isSpace())
        ++position;
    const Parsed parsed = ParseSignedDigits(text, position);
    return parsed.hasDigits ? parsed.value : 0;
}

std::optional<int> StrictInteger(const QString& text)
{
    const Parsed parsed = ParseSignedDigits(text, 0);
    if (!parsed.hasDigits || parsed.overflowed || parsed.end != text.size())
        return std::nullopt;
    return parsed.value;
}

} // namespace quindaro2
