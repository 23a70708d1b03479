#include "support/SyntheticRom.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include <stdexcept>

namespace quindaro2::test {

SyntheticRom::SyntheticRom(qint64 size) : bytes_(size, '\0')
{
    if (size >= 4)
        bytes_.replace(0, 4, QByteArray("NES\x1A", 4));
}

SyntheticRom& SyntheticRom::withTrainer(bool on)
{
    if (bytes_.size() > 6)
        bytes_[6] = static_cast<char>(on ? (bytes_[6] | 0x04) : (bytes_[6] & ~0x04));
    return *this;
}

SyntheticRom& SyntheticRom::set(qint64 offset, std::initializer_list<int> bytes)
{
    for (int byte : bytes) {
        if (offset >= bytes_.size())
            throw std::out_of_range("synthetic ROM too small for this byte");
        bytes_[offset++] = static_cast<char>(byte);
    }
    return *this;
}

SyntheticRom& SyntheticRom::fill(qint64 offset, qint64 length, int byte)
{
    for (qint64 i = 0; i < length; ++i)
        set(offset + i, {byte});
    return *this;
}

SyntheticRom& SyntheticRom::setRecord(RecordKind kind, int edition, int team, int index, const Record& record)
{
    const std::optional<qint64> offset = RecordOffset(kind, edition, team, index, trainer());
    if (!offset)
        throw std::out_of_range("no such record slot");
    for (int i = 0; i < record.size; ++i)
        set(*offset + i, {record[i]});
    return *this;
}

SyntheticRom& SyntheticRom::setColors(int edition, int team, TeamColors colors)
{
    const std::optional<TeamColorOffsets> at = ColorOffsets(edition, team, trainer());
    if (!at)
        throw std::out_of_range("no such team");
    set(at->helmet, {colors.helmet});
    return set(at->uniform, {colors.uniform});
}

bool SyntheticRom::hasTrainer() const
{
    return bytes_.size() >= 8 && (bytes_[6] & 0x04) != 0;
}

int SyntheticRom::at(qint64 offset) const
{
    return static_cast<unsigned char>(bytes_.at(offset));
}

Record SyntheticRom::record(RecordKind kind, int edition, int team, int index) const
{
    Record record = MakeRecord(kind, edition);
    const qint64 offset = RecordOffset(kind, edition, team, index, trainer()).value();
    for (int i = 0; i < record.size; ++i)
        record[i] = static_cast<std::uint8_t>(at(offset + i));
    return record;
}

Record MakeRecord(RecordKind kind, int edition, std::initializer_list<int> bytes)
{
    Record record;
    record.size = RecordSize(kind, edition).value();
    int i = 0;
    for (int byte : bytes)
        record[i++] = static_cast<std::uint8_t>(byte);
    return record;
}

RomFolder::RomFolder()
{
    if (!dir_.isValid())
        throw std::runtime_error("cannot create a temporary folder");
}

QString RomFolder::path(const QString& name) const
{
    return dir_.filePath(name);
}

QString RomFolder::write(const QString& name, const SyntheticRom& rom) const
{
    return write(name, rom.bytes());
}

QString RomFolder::write(const QString& name, const QByteArray& bytes) const
{
    const QString file = path(name);
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write a synthetic ROM");
    return file;
}

QString RomFolder::fifo(const QString& name) const
{
    const QString file = path(name);
    if (::mkfifo(QFile::encodeName(file).constData(), 0600) != 0)
        throw std::runtime_error("cannot make a FIFO");
    return file;
}

QByteArray ReadFile(const QString& path)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    return in.readAll();
}

bool FileExists(const QString& path)
{
    return QFileInfo::exists(path);
}

} // namespace quindaro2::test
