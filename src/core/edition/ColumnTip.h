#pragma once

#include <QString>

namespace quindaro2 {

struct ColumnDescriptor;

// What a column heading's tooltip says: what the column means where that is
// not plain from its heading, and what it accepts (its range, or its choices).
QString ColumnTip(const ColumnDescriptor& column);

} // namespace quindaro2
