#include "core/edition/EditionName.h"

#include "core/edition/Edition.h"

namespace quindaro2 {

std::optional<int> ParseEdition(const QString& text)
{
    if (text.size() != 2 && text.size() != 4)
        return std::nullopt;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    const int number = text.toInt();
    const int year = text.size() == 2 ? 1900 + number : number;
    if (!IsEdition(year))
        return std::nullopt;
    return year;
}

} // namespace quindaro2
