#pragma once

#include <QByteArray>

#include <vector>

namespace quindaro2 {

// The names a path leads through: the path itself, then the target of each
// symbolic link in turn, made absolute or relative to the link's folder; the
// last is not a link, or names nothing. At most 40 names, the system's own
// limit, so that links that go round in a circle end.
std::vector<QByteArray> LinkChain(const QByteArray& path);

} // namespace quindaro2
