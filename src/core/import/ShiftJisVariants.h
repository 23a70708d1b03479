#pragma once

#include <QString>

namespace quindaro2 {

// Shift-JIS decoders disagree on a few codes: the one the export is written
// with reads 0x817C as "－" (U+FF0D), decoders that follow the JIS table read
// it as "−" (U+2212), and a spreadsheet that read the export so saves and
// pastes that. Returns the text with each such character as the export's
// decoder reads it, which is the character the edition stores: U+2212,
// U+301C, U+2016, U+00A2, U+00A3 and U+00AC become U+FF0D, U+FF5E, U+2225,
// U+FFE0, U+FFE1 and U+FFE2. For any text that comes from another program
// before it is validated: an import, the tool's VALUE, a paste.
QString UnifyShiftJisVariants(QString text);

} // namespace quindaro2
