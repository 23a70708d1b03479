#pragma once

#include "core/edition/EditionLayout.h"
#include "core/rom/RomImage.h"

#include <QByteArray>
#include <QString>

#include <variant>
#include <vector>

namespace quindaro2 {

struct EditionProfile;

enum class TeamColor { Helmet, Uniform };

// Bytes of the image that a change rewrites, as they were and as they become.
struct ByteRun {
    qint64 offset = 0;
    QByteArray before;
    QByteArray after;

    friend bool operator==(const ByteRun&, const ByteRun&) = default;
};

// What the user changed, which says where the change shows.
struct CellChange {
    RecordKind grid = RecordKind::Batter;
    int column = 0;  // grid coordinates, 1-based
    int row = 0;
    QString entered;  // the text as the edit accepted it

    friend bool operator==(const CellChange&, const CellChange&) = default;
};

struct RowMove {
    RecordKind grid = RecordKind::Batter;
    int from = 0;  // data rows, 1-based
    int to = 0;

    friend bool operator==(const RowMove&, const RowMove&) = default;
};

struct ColorChange {
    TeamColor color = TeamColor::Helmet;

    friend bool operator==(const ColorChange&, const ColorChange&) = default;
};

// A team rewritten from outside the grids, as an import does.
struct TeamRewrite {
    friend bool operator==(const TeamRewrite&, const TeamRewrite&) = default;
};

using ChangeSubject = std::variant<CellChange, RowMove, ColorChange, TeamRewrite>;

// One accepted change of one team: the records or colour bytes it rewrites,
// each with the bytes it replaces, so that it can be made and taken back
// exactly.
struct Change {
    int team = 0;
    ChangeSubject subject;
    std::vector<ByteRun> runs;

    friend bool operator==(const Change&, const Change&) = default;
};

// Whether every run lies inside the image and holds what the change expects
// to replace (its bytes before for making it, after for taking it back).
bool Fits(const RomImage& image, const Change& change, bool forward);
// Writes the runs' bytes after (forward) or before. The change must fit.
void Make(RomImage& image, const Change& change, bool forward);

// What the change did, as an undo item names it: "実本塁打の変更", "行の移動".
QString ChangeName(const EditionProfile& profile, const Change& change);

} // namespace quindaro2
