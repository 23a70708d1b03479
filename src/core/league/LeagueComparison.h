#pragma once

#include "core/edition/EditionLayout.h"
#include "core/league/LeagueTable.h"
#include "core/rom/Result.h"

#include <QByteArray>

#include <QString>

#include <vector>

namespace quindaro2 {

struct EditionProfile;

// One cell whose text differs between two ROMs of the same edition.
struct LeagueDifference {
    int team = 0;
    RecordKind grid = RecordKind::Batter;
    int slot = 0;     // 0 for the first record
    int column = 0;   // 1-based grid column
    QString heading;
    QString before;   // as the first ROM shows it
    QString after;    // as the other shows it

    friend bool operator==(const LeagueDifference&, const LeagueDifference&) = default;
};

// Every cell that reads differently in the two tables, both built for the
// same edition, in table and column order.
std::vector<LeagueDifference> CompareLeagues(const EditionProfile& profile, const LeagueTable& before,
                                             const LeagueTable& after);

// The league the patch makes of the ROM, in memory; refused as applying it
// to a file is (a BPS made for another ROM, a patch that reaches past what
// it may write).
Result<RomImage> PatchedLeague(const RomImage& rom, const QByteArray& patch);

// The league to compare the opened ROM with, read from `path`: a ROM of the
// same edition, or a patch (told by its first bytes) applied in memory to
// `opened`, the bytes of the opened file.
Result<RomImage> ReadComparedLeague(const QString& path, const RomImage& opened);

} // namespace quindaro2
