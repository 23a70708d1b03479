#pragma once

#include "core/rom/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace quindaro2 {

// One text file to import: its name for messages and its bytes as read.
struct ImportFile {
    QString path;
    QByteArray bytes;
};

// Reads each file, but never more than one byte past the largest text an
// import takes, so that a huge file or an endless device is read no further
// than needed to refuse it. Fails on the first file that cannot be read.
Result<std::vector<ImportFile>> ReadImportFiles(const QStringList& paths);

} // namespace quindaro2
