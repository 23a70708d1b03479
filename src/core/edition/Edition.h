#pragma once

#include <QCoreApplication>
#include <QString>

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

// "1986～1994", as messages name the editions there are.
inline QString EditionSpan()
{
    return QCoreApplication::translate("Edition", "%1～%2").arg(kFirstEdition).arg(kLastEdition);
}

// "86～94", the short years the edition dialog and the tool accept.
inline QString ShortEditionSpan()
{
    return QCoreApplication::translate("Edition", "%1～%2").arg(kFirstEdition % 100).arg(kLastEdition % 100);
}

// Why `edition` is refused: it is none of the editions there are.
inline QString NotAnEdition(int edition)
{
    return QCoreApplication::translate("Edition", "%1 は版ではありません（%2）").arg(edition).arg(EditionSpan());
}

} // namespace quindaro2
