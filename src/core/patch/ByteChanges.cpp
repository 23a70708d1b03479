#include "core/patch/ByteChanges.h"

#include <algorithm>

namespace quindaro2 {

std::vector<ByteChange> ByteChanges(const QByteArray& before, const QByteArray& after)
{
    const qint64 common = std::min(before.size(), after.size());
    const qint64 end = std::max(before.size(), after.size());
    const auto differs = [&](qint64 i) { return i >= common || before[i] != after[i]; };
    std::vector<ByteChange> changes;
    for (qint64 i = 0; i < end;) {
        if (!differs(i)) {
            ++i;
            continue;
        }
        const qint64 start = i;
        while (i < end && differs(i))
            ++i;
        changes.push_back({start, i - start, before.mid(start, i - start), after.mid(start, i - start)});
    }
    return changes;
}

} // namespace quindaro2
