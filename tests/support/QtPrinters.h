#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <ostream>

// Readable GoogleTest failure messages for Qt's text types.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& texts, std::ostream* out)
{
    *out << '[' << texts.join(QStringLiteral(", ")).toStdString() << ']';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* out)
{
    *out << bytes.size() << " bytes: " << bytes.left(64).toHex(' ').toStdString() << (bytes.size() > 64 ? " ..." : "");
}

#include "core/edition/ColumnKind.h"

namespace quindaro2 {

inline std::ostream& operator<<(std::ostream& out, ColumnKind kind)
{
    return out << "kind " << static_cast<int>(kind);
}

} // namespace quindaro2
