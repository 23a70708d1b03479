#pragma once

#include "core/document/RomDocument.h"
#include "core/edit/CellEdit.h"

#include <gtest/gtest.h>

namespace quindaro2::test {

// Makes an edit the way the editor does, failing the test when it is refused.
inline void Edit(RomDocument& document, int team, RecordKind grid, int column, int row, const QString& text)
{
    const Result<Change> change = EditCell(document, team, grid, column, row, text);
    ASSERT_TRUE(change) << change.reason().toStdString();
    ASSERT_TRUE(document.apply({QString(), {change.value()}}));
}

inline void Recolor(RomDocument& document, int team, TeamColor color, int code)
{
    const Result<Change> change = SetTeamColor(document, team, color, code);
    ASSERT_TRUE(change) << change.reason().toStdString();
    ASSERT_TRUE(document.apply({QString(), {change.value()}}));
}

} // namespace quindaro2::test
