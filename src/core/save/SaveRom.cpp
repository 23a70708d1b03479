#include "core/save/SaveRom.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryFile>

namespace quindaro2 {

namespace {

SaveResult Failed(const QString& reason)
{
    return {reason};
}

} // namespace

SaveResult SaveShownTeam(ShownTeam& team, const QString& target, const WriteBackStep& writeBack)
{
    if (team.state.RomPath.isEmpty())
        return Failed(QStringLiteral("ROMファイルが開かれていません"));

    QFile source(team.state.RomPath);
    if (!source.open(QIODevice::ReadOnly))
        return Failed(QStringLiteral("%1 を読み込めません（%2）").arg(team.state.RomPath, source.errorString()));
    const QByteArray original = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return Failed(QStringLiteral("%1 を読み込めません（%2）").arg(team.state.RomPath, source.errorString()));
    source.close();

    // The team is written into a scratch copy first, so that the target is
    // replaced only by a complete image.
    QTemporaryFile scratch;
    if (!scratch.open() || scratch.write(original) != original.size() || !scratch.flush())
        return Failed(QStringLiteral("作業用の一時ファイルを作れません（%1）").arg(scratch.errorString()));
    const WriteBackResult written = writeBack(team, scratch.fileName());
    if (!written.ok())
        return Failed(written.error);
    if (!scratch.seek(0))
        return Failed(QStringLiteral("作業用の一時ファイルを読み込めません（%1）").arg(scratch.errorString()));
    const QByteArray image = scratch.readAll();

    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(image) != image.size() || !out.commit())
        return Failed(QStringLiteral("%1 に書き込めません（%2）").arg(target, out.errorString()));

    team.state.SaveTarget = target;
    team.state.RomPath = target;
    return {};
}

} // namespace quindaro2
