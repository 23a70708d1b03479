#pragma once

#include <QString>

#include <cerrno>
#include <cstring>

namespace quindaro2 {

// The system's text for an error number, e.g. "No space left on device".
inline QString SystemError(int number = errno)
{
    return QString::fromLocal8Bit(std::strerror(number));
}

} // namespace quindaro2
