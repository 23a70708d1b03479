#pragma once

#include <QString>

#include <optional>

namespace quindaro2 {

// An edition as users write it: 86 to 94 or 1986 to 1994, digits only; the
// year, or none for anything else.
std::optional<int> ParseEdition(const QString& text);

// Why ParseEdition refused `text`, with the forms it takes.
QString EditionRefusal(const QString& text);

} // namespace quindaro2
