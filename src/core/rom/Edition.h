#pragma once

namespace quindaro2 {

// An edition is the year of the game, 1986 to 1994; nothing in a ROM says which
// one it is, so the user states it when opening.
inline constexpr int kFirstEdition = 1986;
inline constexpr int kLastEdition = 1994;
inline constexpr int kEditionCount = kLastEdition - kFirstEdition + 1;

constexpr bool IsEdition(int edition)
{
    return edition >= kFirstEdition && edition <= kLastEdition;
}

// Index into every per-edition table.
constexpr int EditionIndex(int edition)
{
    return edition - kFirstEdition;
}

// 1986 and 1987 keep four name characters, later editions five.
constexpr int NameLength(int edition)
{
    return edition <= 1987 ? 4 : 5;
}

} // namespace quindaro2
