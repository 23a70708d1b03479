#pragma once

#include "cli/Io.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

namespace quindaro2::cli {

// The option that sends a command's result into a patch instead of a ROM.
inline QString PatchOptionHelp()
{
    return QCoreApplication::translate("PatchOutput",
                                       "  --patch OUT   ROM を変えずに、変更を IPS または BPS のパッチとして OUT に書きます\n"
                                       "                （拡張子 .ips か .bps で形式を選びます。--output とは一緒に使えません）\n");
}

// Refuses an `out` that names one of the files in `inputs`: the exit code,
// having said why; nothing when `out` is none of them.
std::optional<int> RefuseInputAsOutput(Io& io, const QString& out, const QStringList& inputs);

// Says that the patch `out` holds `size` bytes now.
void ReportPatchWritten(Io& io, const QString& out, qint64 size);

// Refuses an `--output` that names the ROM, by whatever name: the exit
// code, having said to leave the option out to write the ROM itself;
// nothing when `out` is another file.
std::optional<int> RefuseRomAsOutput(Io& io, const QString& out, const QString& rom);

// Writes the patch from `original` to `modified` into `out`, whose extension
// names the kind. `out` may name none of the files in `inputs`. Returns the
// exit code, having said what went wrong.
int WritePatch(Io& io, const QString& command, const QString& out, const QByteArray& original,
               const QByteArray& modified, const QStringList& inputs);

} // namespace quindaro2::cli
