#pragma once

#include "core/document/Change.h"
#include "core/edition/EditionProfile.h"
#include "core/rom/RomImage.h"
#include "core/roster/TextGrid.h"

#include <optional>

namespace quindaro2::test {

// The shown team as the editor kept it before it had a document: three text
// grids and two colour codes that edits change as texts, turned into bytes
// only by a Save. Kept here, as it was, to prove that the document writes
// the same bytes for every sequence of edits.
class TextGridTeam {
public:
    TextGridTeam(const EditionProfile& profile, const RomImage& image, int team);

    void setCell(RecordKind grid, int column, int row, const QString& text);
    void moveRow(RecordKind grid, int from, int to);
    void setColor(TeamColor color, int code);

    // The one mending of the document: every cell shows what the write-back
    // into `image` would store for it, no longer what was typed.
    void showStored(const RomImage& image);

    // The write-back of a Save into `image`: every record slot rebuilt from the
    // same slot of the image, a cell that reads as the stored bytes keeping
    // them; none when a record cannot be rebuilt.
    std::optional<RomImage> writeBack(RomImage image) const;

private:
    // The slot's record as the write-back rebuilds it from `stored`.
    std::optional<Record> rebuilt(RecordKind kind, int slot, const Record& stored) const;
    TextGrid& grid(RecordKind kind);
    const TextGrid& grid(RecordKind kind) const;

    const EditionProfile& profile_;
    int team_;
    TextGrid batters_;
    TextGrid pitchers_;
    TextGrid manager_;
    int helmet_ = 0;
    int uniform_ = 0;
};

} // namespace quindaro2::test
