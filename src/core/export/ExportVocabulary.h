#pragma once

#include "core/edition/ColumnTable.h"
#include "core/edition/EditionLayout.h"
#include "core/rom/Record.h"

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quindaro2 {

// The pieces of an edition's export text, already in Shift-JIS, so that a
// record becomes its line by copying bytes: the team lines, the heading lines,
// the character of every name code, the texts of the list columns. Encoded
// once per edition, in one conversion, into one buffer.
class ExportVocabulary {
public:
    // The edition's vocabulary; `ok()` is false when a text has no Shift-JIS form.
    static const ExportVocabulary& Of(int edition);

    bool ok() const { return ok_; }
    QByteArrayView teamLine(int team) const { return view(teamLines_[static_cast<std::size_t>(team)]); }
    QByteArrayView headingLine(RecordKind grid) const { return view(headingLines_[Grid(grid)]); }
    // The record's line, CR LF included, as the export writes it.
    void appendRecordLine(RecordKind grid, const Record& record, std::string& text) const;

private:
    // Where a text lies in the buffer.
    struct Piece {
        qsizetype start = 0;
        qsizetype size = 0;
    };
    // A list column as its line shows it: the choice each byte value shows.
    struct ListPieces {
        std::array<std::int8_t, 256> choiceOfByte{};  // -1: no choice has the byte
        std::array<Piece, kChoiceCount> choices{};
    };

    static std::size_t Grid(RecordKind grid) { return grid == RecordKind::Batter ? 0 : 1; }
    QByteArrayView view(Piece piece) const { return QByteArrayView(encoded_.constData() + piece.start, piece.size); }
    void build(int edition);

    bool ok_ = false;
    int nameLength_ = 0;
    QByteArray encoded_;
    std::vector<Piece> teamLines_;
    std::array<Piece, 2> headingLines_;
    std::array<Piece, 256> nameCharacters_;
    std::array<std::span<const ColumnDescriptor>, 2> columns_;
    std::array<std::vector<std::optional<ListPieces>>, 2> lists_;  // by grid and column
};

} // namespace quindaro2
