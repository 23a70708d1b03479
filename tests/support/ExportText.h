#pragma once

#include "core/edition/EditionLayout.h"
#include "core/rom/RomImage.h"
#include "support/SyntheticRom.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quindaro2::test {

// A ROM whose every record slot and colour byte is random: names with codes
// no character stands for, list bytes without a text, values outside every
// edit range.
SyntheticRom RandomRoster(int edition, unsigned seed, bool trainer);

// The one-file export of the image, one text a line, without line ends.
QStringList ExportLines(const RomImage& image, int edition);

// Where a record slot's line is among the export's lines.
int ExportLineIndex(int edition, int team, RecordKind grid, int slot);

// Replaces field `column` (1-based, as grid columns count) of a line.
void SetField(QStringList& lines, int index, int column, const QString& text);
QString Field(const QStringList& lines, int index, int column);

// The lines as the export writes them (Shift-JIS, CR LF), and as a
// spreadsheet may save them (UTF-8, with or without a byte-order mark, LF).
QByteArray ShiftJisText(const QStringList& lines);
QByteArray Utf8Text(const QStringList& lines, bool byteOrderMark);

} // namespace quindaro2::test
