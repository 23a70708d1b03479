#pragma once

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
// `target`: every batter row, every pitcher row, the two colours, then (1993
// on) the manager. Each record is rebuilt from the same slot of the opened ROM
// (RomPath), so bytes that no column covers stay with the slot.
//
// Every record is read and every cell converted before anything is written: a
// record that cannot be read completely, colour bytes that cannot be read, or a
// 1991 fielding position that is not a whole number stop the write-back with
// nothing written. A write that fails stops it at that record.
WriteBackResult WriteBackTeam(const ShownTeam& team, const QString& target);

} // namespace quindaro2
