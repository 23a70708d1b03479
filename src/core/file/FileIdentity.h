#pragma once

#include <QString>

namespace quindaro2 {

// Whether two paths name one existing file, however they are spelt: links,
// relative parts and letter case where the file system ignores it.
bool SameFile(const QString& a, const QString& b);

} // namespace quindaro2
