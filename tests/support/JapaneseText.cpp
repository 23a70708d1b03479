#include "support/JapaneseText.h"

#include <QStringList>

namespace quindaro2::test {

bool IsJapanese(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x3000 && u <= 0x30FF) || (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF);
}

QString LineWithJapaneseOutsideQuotes(const QString& text)
{
    for (const QString& line : text.split(u'\n')) {
        bool quoted = false;
        for (const QChar c : line) {
            if (c == u'"')
                quoted = !quoted;
            else if (!quoted && IsJapanese(c))
                return line;
        }
    }
    return {};
}

} // namespace quindaro2::test
