#pragma once

#include "core/rom/Result.h"

#include <QDateTime>
#include <QString>

namespace quindaro2 {

// The sample ROMs the editor makes for a user to try it with, kept in a
// folder of the program's own. Each is a sample ROM of its edition under a
// name of its own ("サンプル1993年版 2026-12-08 221503.nes"), which also tells
// the user what it is in the window's caption.

// A fresh sample of the edition in `folder` (made when missing); the path,
// or why it could not be made. An existing file is never written over.
Result<QString> CreateSample(const QString& folder, int edition, const QDateTime& now);

// Removes the samples in `folder` not written for more than `days` days
// whose bytes are still exactly as they were made; files of other names,
// symbolic links, and the files of a folder that is itself a link are left
// alone. Returns how many went.
int RemoveOldSamples(const QString& folder, const QDateTime& now, int days = 30);

// Whether the file name is one that CreateSample gives.
bool IsSampleName(const QString& fileName);

} // namespace quindaro2
