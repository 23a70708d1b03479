#include "core/rom/RomFieldAccess.h"

#include <QFile>

namespace quindaro2 {

namespace {

QString Hex(qint64 offset)
{
    return QStringLiteral("0x") + QString::number(offset, 16).toUpper();
}

QString CannotOpen(const QFile& file)
{
    return QStringLiteral("ファイルを開けません（%1）").arg(file.errorString());
}

QString NoSuchData()
{
    return QStringLiteral("この版のこのチームにはそのデータがありません");
}

// Reads up to `length` bytes at `offset` of an opened file; the count read, or -1.
qint64 ReadAt(QFile& file, qint64 offset, std::uint8_t* into, qint64 length)
{
    if (!file.seek(offset))
        return -1;
    return file.read(reinterpret_cast<char*>(into), length);
}

Status WriteAt(QFile& file, qint64 offset, const std::uint8_t* from, qint64 length)
{
    if (!file.seek(offset) || file.write(reinterpret_cast<const char*>(from), length) != length
        || !file.flush())
        return Status::Failed(QStringLiteral("オフセット %1 に書き込めません（%2）").arg(Hex(offset), file.errorString()));
    return Status::Ok();
}

// Update mode: an existing file only, never created or truncated.
bool OpenForUpdate(QFile& file)
{
    return file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered);
}

} // namespace

int HasTrainer(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    char header[8];
    if (file.read(header, sizeof header) < static_cast<qint64>(sizeof header))
        return 0;
    return (header[6] & 0x04) != 0 ? 1 : 0;
}

std::optional<qint64> BatterOffset(int edition, int team, int index, int trainer)
{
    return RecordOffset(RecordKind::Batter, edition, team, index, trainer);
}

std::optional<qint64> PitcherOffset(int edition, int team, int index, int trainer)
{
    return RecordOffset(RecordKind::Pitcher, edition, team, index, trainer);
}

std::optional<qint64> ManagerOffset(int edition, int team, int trainer)
{
    return RecordOffset(RecordKind::Manager, edition, team, 0, trainer);
}

RecordRead ReadRecord(const QString& path, RecordKind kind, int edition, int team, int index)
{
    RecordRead result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.reason = CannotOpen(file);
        return result;
    }
    const std::optional<qint64> offset = RecordOffset(kind, edition, team, index, HasTrainer(path));
    if (!offset) {
        result.reason = NoSuchData();
        return result;
    }
    result.record.size = *RecordSize(kind, edition);
    const qint64 read = ReadAt(file, *offset, result.record.bytes.data(), result.record.size);
    result.bytesRead = read > 0 ? static_cast<int>(read) : 0;
    if (result.bytesRead == 0)
        result.reason = QStringLiteral("ファイルにオフセット %1 のデータがありません").arg(Hex(*offset));
    else if (result.bytesRead < result.record.size)
        result.reason = QStringLiteral("ファイルがオフセット %1 のレコードの途中で終わっています（%2 バイト中 %3 バイト）")
                            .arg(Hex(*offset))
                            .arg(result.record.size)
                            .arg(result.bytesRead);
    return result;
}

Status WriteRecord(const QString& path, RecordKind kind, int edition, int team, int index, const Record& record)
{
    QFile file(path);
    if (!OpenForUpdate(file))
        return Status::Failed(CannotOpen(file));
    const std::optional<qint64> offset = RecordOffset(kind, edition, team, index, HasTrainer(path));
    const std::optional<int> size = RecordSize(kind, edition);
    if (!offset || !size || record.size != *size)
        return Status::Failed(NoSuchData());
    return WriteAt(file, *offset, record.bytes.data(), *size);
}

Result<TeamColors> ReadTeamColors(const QString& path, int edition, int team)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result<TeamColors>::Failed(CannotOpen(file));
    const std::optional<TeamColorOffsets> at = ColorOffsets(edition, team, HasTrainer(path));
    if (!at)
        return Result<TeamColors>::Failed(NoSuchData());
    TeamColors colors;
    if (ReadAt(file, at->helmet, &colors.helmet, 1) != 1 || ReadAt(file, at->uniform, &colors.uniform, 1) != 1)
        return Result<TeamColors>::Failed(
            QStringLiteral("ファイルにオフセット %1 のチームの色がありません").arg(Hex(at->helmet)));
    return colors;
}

Status WriteTeamColors(const QString& path, int edition, int team, TeamColors colors)
{
    QFile file(path);
    if (!OpenForUpdate(file))
        return Status::Failed(CannotOpen(file));
    const std::optional<TeamColorOffsets> at = ColorOffsets(edition, team, HasTrainer(path));
    if (!at)
        return Status::Failed(NoSuchData());
    if (Status helmet = WriteAt(file, at->helmet, &colors.helmet, 1); !helmet)
        return helmet;
    return WriteAt(file, at->uniform, &colors.uniform, 1);
}

} // namespace quindaro2
