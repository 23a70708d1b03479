#include "core/export/ShiftJisTable.h"

#include <algorithm>

namespace quindaro2 {

extern const ShiftJisEntry kShiftJisEntries[];
extern const std::size_t kShiftJisEntryCount;

std::span<const ShiftJisEntry> ShiftJisEntries()
{
    return {kShiftJisEntries, kShiftJisEntryCount};
}

std::optional<QByteArray> EncodeShiftJis(QStringView text)
{
    const std::span<const ShiftJisEntry> entries = ShiftJisEntries();
    QByteArray out;
    out.reserve(text.size() * 2);
    for (const QChar character : text) {
        const char16_t code = character.unicode();
        const auto entry = std::lower_bound(entries.begin(), entries.end(), code,
                                            [](const ShiftJisEntry& e, char16_t c) { return e.character < c; });
        if (entry == entries.end() || entry->character != code)
            return std::nullopt;
        if (entry->bytes >= 0x100)
            out.append(static_cast<char>(entry->bytes >> 8));
        out.append(static_cast<char>(entry->bytes & 0xFF));
    }
    return out;
}

} // namespace quindaro2
