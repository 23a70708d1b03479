#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace quindaro2 {

// Far beyond any export (a whole league is some 16 KiB in some 500 lines, a
// line some 60 bytes): anything larger is not an export. The bytes and the
// lines bound the texts of one import together, so that no import takes
// more than a few tens of megabytes.
inline constexpr qint64 kLargestImportText = 1024 * 1024;
inline constexpr int kMostImportLines = 65536;
inline constexpr int kLongestImportLine = 4 * 1024;

struct TextLine {
    int number = 0;  // 1-based
    QString text;
};

struct [[nodiscard]] TextLines {
    std::vector<TextLine> lines;
    int problemLine = 0;  // where the problem is; 0 for the whole file
    QString problem;      // why the bytes are not a text the import reads; empty when they are

    bool ok() const { return problem.isEmpty(); }
};

// The lines of an export as spreadsheets save it: Shift-JIS as written, or
// UTF-8 with or without a byte-order mark; CR LF, LF or CR line ends. A file
// that is valid UTF-8 is read as UTF-8: the export's own Shift-JIS never is,
// since every one of its team and heading lines holds bytes that cannot
// start a UTF-8 character. A text holding U+FFFD, the mark a spreadsheet
// leaves where it read the file in another character set, is refused: its
// characters are lost. Characters that Shift-JIS decoders read differently
// come out as the export's decoder reads them (UnifyShiftJisVariants).
TextLines DecodeTextLines(const QByteArray& bytes);

} // namespace quindaro2
