#include "core/edition/EditionName.h"

#include "core/edition/Edition.h"

#include <QCoreApplication>

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

QString EditionRefusal(const QString& text)
{
    return QCoreApplication::translate("EditionName", "版は %1 または %2 で指定してください：%3")
        .arg(ShortEditionSpan(), EditionSpan(), text);
}

} // namespace quindaro2
