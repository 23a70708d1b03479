#include "core/file/LinkChain.h"

#include <unistd.h>

namespace quindaro2 {

std::vector<QByteArray> LinkChain(const QByteArray& path)
{
    constexpr std::size_t kMostNames = 40;
    std::vector<QByteArray> chain{path};
    while (chain.size() < kMostNames) {
        const QByteArray& name = chain.back();
        char target[4096];
        const ssize_t length = ::readlink(name.constData(), target, sizeof target - 1);
        if (length < 0)
            break;
        QByteArray next(target, length);
        if (!next.startsWith('/')) {
            const qsizetype slash = name.lastIndexOf('/');
            next = (slash < 0 ? QByteArray() : name.left(slash + 1)) + next;
        }
        chain.push_back(next);
    }
    return chain;
}

} // namespace quindaro2
