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

// The digit's value, or -1; full-width digits (０～９) count too.
int DigitValue(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'０' && c <= u'９')
        return c.unicode() - u'０';
    return -1;
}

// The full-width forms of ASCII lie from U+FF01 on, in ASCII's order.
bool IsSign(QChar c, char16_t sign)
{
    return c == sign || c.unicode() == sign - u'!' + u'！';
}

Parsed ParseSignedDigits(const QString& text)
{
    Parsed parsed;
    qsizetype position = 0;
    bool negative = false;
    if (position < text.size() && (IsSign(text[position], u'+') || IsSign(text[position], u'-'))) {
        negative = IsSign(text[position], u'-');
        ++position;
    }
    constexpr std::int64_t limit = std::numeric_limits<int>::max();
    std::int64_t magnitude = 0;
    while (position < text.size() && DigitValue(text[position]) >= 0) {
        magnitude = std::min(magnitude * 10 + DigitValue(text[position]), limit + 2);
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

std::optional<int> StrictInteger(const QString& text)
{
    // Spreadsheets and input methods give full-width digits and signs.
    const Parsed parsed = ParseSignedDigits(text);
    if (!parsed.hasDigits || parsed.overflowed || parsed.end != text.size())
        return std::nullopt;
    return parsed.value;
}

} // namespace quindaro2
