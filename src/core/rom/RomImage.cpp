#include "core/rom/RomImage.h"

#include "core/edition/EditionProfile.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(RomImage)
};

QString Hex(qint64 offset)
{
    return QStringLiteral("0x") + QString::number(offset, 16).toUpper();
}

QString NoSuchData()
{
    return Text::tr("この版のこのチームにはそのデータがありません");
}

QString PastTheEnd(qint64 offset)
{
    return Text::tr("オフセット %1 はファイルの終わりより後ろです").arg(Hex(offset));
}

int TrainerBit(const QByteArray& bytes)
{
    if (bytes.size() < 8)
        return 0;
    return (bytes[6] & 0x04) != 0 ? 1 : 0;
}

} // namespace

RomImage::RomImage(QByteArray bytes) : bytes_(std::move(bytes)), trainer_(TrainerBit(bytes_)) {}

RecordRead RomImage::record(const EditionProfile& profile, RecordKind kind, int team, int index) const
{
    RecordRead result;
    const std::optional<qint64> offset = profile.recordOffset(kind, team, index, trainer_);
    if (!offset) {
        result.reason = NoSuchData();
        return result;
    }
    result.record.size = profile.roster(kind)->recordSize;
    const qint64 available = std::clamp<qint64>(size() - *offset, 0, result.record.size);
    std::memcpy(result.record.bytes.data(), bytes_.constData() + (available > 0 ? *offset : 0),
                static_cast<std::size_t>(available));
    result.bytesRead = static_cast<int>(available);
    if (result.bytesRead == 0)
        result.reason = Text::tr("ファイルにオフセット %1 のデータがありません").arg(Hex(*offset));
    else if (result.bytesRead < result.record.size)
        result.reason = Text::tr("ファイルがオフセット %1 のレコードの途中で終わっています（%2 バイト中 %3 バイト）")
                            .arg(Hex(*offset))
                            .arg(result.record.size)
                            .arg(result.bytesRead);
    return result;
}

Status RomImage::setRecord(const EditionProfile& profile, RecordKind kind, int team, int index, const Record& record)
{
    const std::optional<qint64> offset = profile.recordOffset(kind, team, index, trainer_);
    if (!offset || record.size != profile.roster(kind)->recordSize)
        return Status::Failed(NoSuchData());
    if (*offset + record.size > size())
        return Status::Failed(PastTheEnd(*offset));
    std::memcpy(bytes_.data() + *offset, record.bytes.data(), static_cast<std::size_t>(record.size));
    return Status::Ok();
}

Result<TeamColors> RomImage::colors(const EditionProfile& profile, int team) const
{
    const std::optional<TeamColorOffsets> at = profile.colorOffsets(team, trainer_);
    if (!at)
        return Result<TeamColors>::Failed(NoSuchData());
    if (at->helmet >= size() || at->uniform >= size())
        return Result<TeamColors>::Failed(
            Text::tr("ファイルにオフセット %1 のチームの色がありません").arg(Hex(at->helmet)));
    return TeamColors{static_cast<std::uint8_t>(bytes_[at->helmet]), static_cast<std::uint8_t>(bytes_[at->uniform])};
}

Status RomImage::setColors(const EditionProfile& profile, int team, TeamColors colors)
{
    const std::optional<TeamColorOffsets> at = profile.colorOffsets(team, trainer_);
    if (!at)
        return Status::Failed(NoSuchData());
    for (const qint64 offset : {at->helmet, at->uniform}) {
        if (offset >= size())
            return Status::Failed(PastTheEnd(offset));
    }
    bytes_[at->helmet] = static_cast<char>(colors.helmet);
    bytes_[at->uniform] = static_cast<char>(colors.uniform);
    return Status::Ok();
}

RecordRead RomImage::record(RecordKind kind, int edition, int team, int index) const
{
    if (const EditionProfile* profile = FindProfile(edition))
        return record(*profile, kind, team, index);
    RecordRead none;
    none.reason = NoSuchData();
    return none;
}

Status RomImage::setRecord(RecordKind kind, int edition, int team, int index, const Record& record)
{
    const EditionProfile* profile = FindProfile(edition);
    return profile ? setRecord(*profile, kind, team, index, record) : Status::Failed(NoSuchData());
}

Result<TeamColors> RomImage::colors(int edition, int team) const
{
    const EditionProfile* profile = FindProfile(edition);
    return profile ? colors(*profile, team) : Result<TeamColors>::Failed(NoSuchData());
}

Status RomImage::setColors(int edition, int team, TeamColors colors)
{
    const EditionProfile* profile = FindProfile(edition);
    return profile ? setColors(*profile, team, colors) : Status::Failed(NoSuchData());
}

bool RomImage::overwrite(qint64 offset, const QByteArray& bytes)
{
    if (offset < 0 || offset + bytes.size() > size())
        return false;
    std::memcpy(bytes_.data() + offset, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return true;
}

} // namespace quindaro2
