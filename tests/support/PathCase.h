#pragma once

#include "support/SyntheticRom.h"

#include <functional>
#include <ostream>

namespace quindaro2::test {

// A case of a table of paths: what the case makes in its folder, and part of
// the message expected about it.
struct PathCase {
    const char* name;
    std::function<QString(const RomFolder&)> make;
    const char* says;
};

inline std::ostream& operator<<(std::ostream& out, const PathCase& c)
{
    return out << c.name;
}

} // namespace quindaro2::test
