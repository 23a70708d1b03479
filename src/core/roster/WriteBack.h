#pragma once

#include "core/rom/RomImage.h"
#include "core/roster/ShownTeam.h"

#include <QString>

namespace quindaro2 {

struct [[nodiscard]] WriteBackResult {
    int battersWritten = 0;
    int pitchersWritten = 0;
    bool colorsWritten = false;
    bool managerWritten = false;
    QString error;  // why the write-back stopped; empty when everything was written

    bool ok() const { return error.isEmpty(); }
};

// Turns the grids of the shown team back into ROM records and writes them into
// `image`: every batter row, every pitcher row, the two colours, then (1993
// on) the manager. Each record is rebuilt from the same slot of the image, so
// bytes that no column covers stay with the slot, and a cell whose text reads
// as the stored bytes do keeps those bytes.
//
// Every record is read and every cell converted before anything is written: a
// record that cannot be read completely, colour bytes that are missing, a name
// the edition cannot store or a 1991 fielding position that is not a whole
// number stop the write-back with the image unchanged.
WriteBackResult WriteBackTeam(const ShownTeam& team, RomImage& image);

} // namespace quindaro2
