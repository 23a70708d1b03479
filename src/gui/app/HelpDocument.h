#pragma once

#include <QString>

namespace quindaro2 {

// The manual the Help item opens: the README installed beside the program,
// or the one of the source tree the program was built in; empty when there
// is neither.
QString HelpDocument();

} // namespace quindaro2
