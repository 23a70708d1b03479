#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace quindaro2 {

// The number format of BPS: seven bits a byte, low first, the last byte
// marked by its high bit.
void AppendBpsNumber(QByteArray& out, quint64 value);

// The actions that build `modified` from `original`, appended to `out`:
// unchanged stretches read in place, moved or repeated runs copied from
// anywhere in the original or from what is already written, and only the
// rest written out. Chosen greedily by the bytes each saves, looking one
// byte ahead before taking a copy.
void AppendBpsActions(QByteArray& out, const QByteArray& original, const QByteArray& modified);

} // namespace quindaro2
