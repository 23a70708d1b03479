#pragma once

#include "core/rom/Result.h"

#include <QString>
#include <QStringList>

namespace quindaro2 {

// The fields of one comma-separated line, as the export writes them and as
// spreadsheets save them: a field in double quotes may hold commas, and ""
// inside it stands for one quote. Trailing empty fields are dropped, so a
// blank line has none. Fails on a quote left open or text after a closing one.
Result<QStringList> SplitFields(const QString& line);

} // namespace quindaro2
