#pragma once

#include <QString>

namespace quindaro2::cli {

// What 'quindaro2-cli help formats' shows: every key of the JSON and every
// column of the CSV the commands write, and an example. Each key is an item
// "  PATH  text" under its command's line, so that tests and the manual page
// can read them.
QString FormatsHelp();

} // namespace quindaro2::cli
