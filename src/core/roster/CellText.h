#pragma once

#include <QString>

#include <optional>

namespace quindaro2 {

// The cell as a whole number, or none when any of it is not: the empty text,
// blanks, or a trailing character all fail. Full-width digits and signs
// ("４５", "－３") are the digits and signs they look like.
std::optional<int> StrictInteger(const QString& text);

// The text a grid cell holds for a number.
inline QString DecimalText(int value)
{
    return QString::number(value);
}

} // namespace quindaro2
