#pragma once

#include "core/edition/ColumnTable.h"
#include "core/edition/EditionLayout.h"
#include "core/rom/Record.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <span>
#include <string>
#include <vector>

namespace quindaro2 {

// The pieces of an edition's export text, already in Shift-JIS, so that a
// record becomes its line by copying bytes: the team lines, the heading lines,
// the character of every name code, the texts of the list columns. Encoded
// once per edition, in one conversion.
class ExportVocabulary {
public:
    // The edition's vocabulary; `ok()` is false when a text has no Shift-JIS form.
    static const ExportVocabulary& Of(int edition);

    bool ok() const { return ok_; }
    const QByteArray& teamLine(int team) const { return teamLines_[static_cast<std::size_t>(team)]; }
    const QByteArray& headingLine(RecordKind grid) const { return headingLines_[Grid(grid)]; }
    // The record's line, CR LF included, as the export writes it.
    void appendRecordLine(RecordKind grid, const Record& record, std::string& text) const;

private:
    static std::size_t Grid(RecordKind grid) { return grid == RecordKind::Batter ? 0 : 1; }
    void build(int edition);

    bool ok_ = false;
    int nameLength_ = 0;
    std::array<std::span<const ColumnDescriptor>, 2> columns_;
    std::vector<QByteArray> teamLines_;
    std::array<QByteArray, 2> headingLines_;
    std::array<QByteArray, 256> nameCharacters_;
    std::array<std::vector<std::vector<QByteArray>>, 2> choiceTexts_;  // by grid and column
};

} // namespace quindaro2
