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
    // With the files before it, more than an import takes
    // (kLargestImportText): its bytes were not kept.
    bool tooLarge = false;
};

// Reads each file, but all of them together never more than one byte past
// what an import takes: a regular file larger than what is left is not read
// at all, and a huge file or an endless device is read no further than
// needed to refuse it. Fails on the first file that cannot be read.
Result<std::vector<ImportFile>> ReadImportFiles(const QStringList& paths);

} // namespace quindaro2
