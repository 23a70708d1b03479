#include "core/file/FileIdentity.h"

#include <QFile>

#include <filesystem>
#include <system_error>

namespace quindaro2 {

bool SameFile(const QString& a, const QString& b)
{
    std::error_code error;
    const bool same = std::filesystem::equivalent(QFile::encodeName(a).toStdString(),
                                                  QFile::encodeName(b).toStdString(), error);
    return !error && same;
}

} // namespace quindaro2
