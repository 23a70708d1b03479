#include "FuzzSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace quindaro2::fuzz {

std::uint8_t FuzzInput::byte()
{
    return empty() ? 0 : data_[position_++];
}

std::uint16_t FuzzInput::uint16()
{
    const std::uint16_t low = byte();
    return static_cast<std::uint16_t>(low | (byte() << 8));
}

std::uint32_t FuzzInput::uint32()
{
    const std::uint32_t low = uint16();
    return low | (static_cast<std::uint32_t>(uint16()) << 16);
}

QByteArray FuzzInput::bytes(std::size_t count)
{
    const std::size_t taken = std::min(count, remaining());
    QByteArray result(reinterpret_cast<const char*>(data_ + position_), static_cast<qsizetype>(taken));
    position_ += taken;
    return result;
}

QByteArray FuzzInput::rest()
{
    return bytes(remaining());
}

QString FuzzInput::utf16(int maxUnits)
{
    QString text;
    for (int i = 0; i < maxUnits && remaining() >= 2; ++i)
        text += QChar(uint16());
    return text;
}

void Violation(const char* property, const QString& detail)
{
    std::fprintf(stderr, "fuzz property violated: %s\n", property);
    if (!detail.isEmpty())
        std::fprintf(stderr, "  %s\n", detail.toUtf8().constData());
    std::fflush(stderr);
    __builtin_trap();
}

QString ScratchPath(const QString& name)
{
    static QTemporaryDir folder;
    if (!folder.isValid()) {
        std::fprintf(stderr, "fuzz: no temporary folder\n");
        std::abort();
    }
    return folder.filePath(name);
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray ReadWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace quindaro2::fuzz
