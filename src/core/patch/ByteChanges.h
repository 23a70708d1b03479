#pragma once

#include <QByteArray>

#include <vector>

namespace quindaro2 {

// One run of bytes that differs between two files: the bytes at
// [offset, offset + length) of each, shorter where a file ends inside the run.
struct ByteChange {
    qint64 offset = 0;
    qint64 length = 0;
    QByteArray before;
    QByteArray after;

    friend bool operator==(const ByteChange&, const ByteChange&) = default;
};

// The runs in which `after` differs from `before`, in file order. Bytes that
// only one of them has (the other ends sooner) differ; two runs are one when
// no equal byte lies between them.
std::vector<ByteChange> ByteChanges(const QByteArray& before, const QByteArray& after);

} // namespace quindaro2
