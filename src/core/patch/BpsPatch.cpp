#include "core/patch/BpsPatch.h"

#include "core/patch/BpsEncoder.h"
#include "core/patch/Crc32.h"

#include <QByteArrayView>
#include <QCoreApplication>

#include <algorithm>
#include <optional>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(BpsPatch)
};

constexpr char kMagic[] = "BPS1";
constexpr qsizetype kMagicSize = 4;
constexpr qsizetype kFooterSize = 12;  // CRC-32 of the original, the result and the patch
constexpr qint64 kMaxTargetSize = qint64(64) * 1024 * 1024;
constexpr quint64 kMaxRelativeOffset = quint64(1) << 40;  // far beyond any real file; keeps the sums in range

enum Action : quint64 { SourceRead = 0, TargetRead = 1, SourceCopy = 2, TargetCopy = 3 };

QString Damaged(const QString& detail)
{
    return Text::tr("パッチが壊れています（%1）").arg(detail);
}

void AppendCrc(QByteArray& out, quint32 crc)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.append(static_cast<char>((crc >> shift) & 0xFF));
}

quint32 ReadCrc(const QByteArray& in, qsizetype at)
{
    quint32 crc = 0;
    for (int i = 3; i >= 0; --i)
        crc = (crc << 8) | static_cast<quint8>(in[at + i]);
    return crc;
}

// Reads the numbers and bytes between the header and the checksums, never past them.
class BpsReader {
public:
    BpsReader(const QByteArray& patch, qsizetype start, qsizetype end) : patch_(patch), at_(start), end_(end) {}

    bool atEnd() const { return at_ >= end_; }
    qsizetype remaining() const { return end_ - at_; }

    std::optional<quint64> number()
    {
        quint64 value = 0;
        quint64 shift = 1;
        for (int i = 0; i < 9; ++i) {  // nine bytes already exceed every size that is accepted
            if (at_ >= end_)
                return std::nullopt;
            const quint8 byte = static_cast<quint8>(patch_[at_++]);
            value += (byte & 0x7F) * shift;
            if (byte & 0x80)
                return value;
            shift <<= 7;
            value += shift;
        }
        return std::nullopt;
    }

    std::optional<qint64> relative()
    {
        const std::optional<quint64> value = number();
        if (!value || (*value >> 1) > kMaxRelativeOffset)
            return std::nullopt;
        const qint64 magnitude = static_cast<qint64>(*value >> 1);
        return (*value & 1) ? -magnitude : magnitude;
    }

    const char* take(qsizetype length)
    {
        const char* bytes = patch_.constData() + at_;
        at_ += length;
        return bytes;
    }

private:
    const QByteArray& patch_;
    qsizetype at_;
    qsizetype end_;
};

} // namespace

Result<QByteArray> CreateBpsPatch(const QByteArray& original, const QByteArray& modified)
{
    if (modified.size() > kMaxTargetSize)
        return Result<QByteArray>::Failed(Text::tr("変更後のファイルが大きすぎて BPS パッチにできません（64 MiB まで）"));

    QByteArray out(kMagic, kMagicSize);
    AppendBpsNumber(out, static_cast<quint64>(original.size()));
    AppendBpsNumber(out, static_cast<quint64>(modified.size()));
    AppendBpsNumber(out, 0);  // no metadata

    AppendBpsActions(out, original, modified);

    AppendCrc(out, Crc32(original));
    AppendCrc(out, Crc32(modified));
    AppendCrc(out, Crc32(out));
    return out;
}

Result<QByteArray> ApplyBpsPatch(const QByteArray& rom, const QByteArray& patch)
{
    if (!patch.startsWith(QByteArrayView(kMagic, kMagicSize)))
        return Result<QByteArray>::Failed(Text::tr("BPS パッチではありません"));
    if (patch.size() < kMagicSize + 3 + kFooterSize)
        return Result<QByteArray>::Failed(Damaged(Text::tr("短すぎます")));
    const qsizetype footer = patch.size() - kFooterSize;
    if (Crc32(QByteArrayView(patch).first(patch.size() - 4)) != ReadCrc(patch, patch.size() - 4))
        return Result<QByteArray>::Failed(Damaged(Text::tr("パッチの CRC32 が合いません")));

    BpsReader reader(patch, kMagicSize, footer);
    const std::optional<quint64> sourceSize = reader.number();
    const std::optional<quint64> targetSize = reader.number();
    const std::optional<quint64> metadataSize = reader.number();
    if (!sourceSize || !targetSize || !metadataSize)
        return Result<QByteArray>::Failed(Damaged(Text::tr("ヘッダーが読めません")));
    if (*sourceSize != static_cast<quint64>(rom.size()) || Crc32(rom) != ReadCrc(patch, footer))
        return Result<QByteArray>::Failed(
            Text::tr("このパッチは別の ROM のためのものです（元のファイルの大きさか CRC32 が合いません）"));
    if (*targetSize > static_cast<quint64>(kMaxTargetSize))
        return Result<QByteArray>::Failed(Damaged(Text::tr("出来上がるファイルが 64 MiB を超えます")));
    if (*metadataSize > static_cast<quint64>(reader.remaining()))
        return Result<QByteArray>::Failed(Damaged(Text::tr("途中で切れています")));
    reader.take(static_cast<qsizetype>(*metadataSize));

    const qsizetype size = static_cast<qsizetype>(*targetSize);
    QByteArray target(size, '\0');
    char* const out = target.data();
    qsizetype output = 0;
    qint64 sourceCursor = 0;
    qint64 targetCursor = 0;
    while (!reader.atEnd()) {
        const std::optional<quint64> action = reader.number();
        if (!action)
            return Result<QByteArray>::Failed(Damaged(Text::tr("途中で切れています")));
        const quint64 length64 = (*action >> 2) + 1;
        if (length64 > static_cast<quint64>(size - output))
            return Result<QByteArray>::Failed(Damaged(Text::tr("出来上がるファイルの大きさを超えて書き込みます")));
        const qsizetype length = static_cast<qsizetype>(length64);
        switch (*action & 3) {
        case SourceRead:
            if (length > rom.size() - output)
                return Result<QByteArray>::Failed(Damaged(Text::tr("元のファイルの外を読みます")));
            std::copy_n(rom.constData() + output, length, out + output);
            break;
        case TargetRead:
            if (length > reader.remaining())
                return Result<QByteArray>::Failed(Damaged(Text::tr("途中で切れています")));
            std::copy_n(reader.take(length), length, out + output);
            break;
        case SourceCopy: {
            const std::optional<qint64> offset = reader.relative();
            if (!offset)
                return Result<QByteArray>::Failed(Damaged(Text::tr("コピー元の位置が読めません")));
            sourceCursor += *offset;
            if (sourceCursor < 0 || sourceCursor > rom.size() || length > rom.size() - sourceCursor)
                return Result<QByteArray>::Failed(Damaged(Text::tr("元のファイルの外を読みます")));
            std::copy_n(rom.constData() + sourceCursor, length, out + output);
            sourceCursor += length;
            break;
        }
        case TargetCopy: {
            const std::optional<qint64> offset = reader.relative();
            if (!offset)
                return Result<QByteArray>::Failed(Damaged(Text::tr("コピー元の位置が読めません")));
            targetCursor += *offset;
            if (targetCursor < 0 || targetCursor >= output)
                return Result<QByteArray>::Failed(Damaged(Text::tr("まだ書かれていない位置からコピーします")));
            // Byte by byte: the copy may overlap what it writes, which repeats a pattern.
            for (qsizetype i = 0; i < length; ++i)
                out[output + i] = out[targetCursor + i];
            targetCursor += length;
            break;
        }
        }
        output += length;
    }
    if (output != size)
        return Result<QByteArray>::Failed(Damaged(Text::tr("出来上がるファイルが途中までしか書かれません")));
    if (Crc32(target) != ReadCrc(patch, footer + 4))
        return Result<QByteArray>::Failed(Damaged(Text::tr("出来上がったファイルの CRC32 が合いません")));
    return target;
}

} // namespace quindaro2
