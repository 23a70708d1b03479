#include "core/patch/IpsPatch.h"

#include "core/file/RomFile.h"

#include <QByteArrayView>
#include <QCoreApplication>

#include <algorithm>
#include <vector>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(IpsPatch)
};

constexpr char kMagic[] = "PATCH";
constexpr char kEnd[] = "EOF";
constexpr qsizetype kMagicSize = 5;
constexpr qsizetype kEndSize = 3;

constexpr qsizetype kMaxRecordBytes = 0xFFFF;
constexpr qsizetype kOffsetLimit = 0x1000000;  // offsets have three bytes
constexpr qsizetype kEndAsOffset = 0x454F46;   // an offset with these bytes reads as "EOF"
constexpr qsizetype kRecordHeader = 5;
constexpr qsizetype kRunRecord = 8;

QString Hex(qsizetype offset)
{
    return QStringLiteral("0x") + QString::number(offset, 16).toUpper();
}

QString Cut()
{
    return Text::tr("パッチが壊れています（IPS パッチが途中で切れています）");
}

void AppendBigEndian(QByteArray& out, qsizetype value, int bytes)
{
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
        out.append(static_cast<char>((value >> shift) & 0xFF));
}

qsizetype ReadBigEndian(const QByteArray& in, qsizetype at, int bytes)
{
    qsizetype value = 0;
    for (int i = 0; i < bytes; ++i)
        value = (value << 8) | static_cast<quint8>(in[at + i]);
    return value;
}

// Changed bytes of `modified`, bytes past the end of `original` included.
struct Span {
    qsizetype start;
    qsizetype end;
};

std::vector<Span> ChangedSpans(const QByteArray& original, const QByteArray& modified)
{
    const qsizetype common = std::min(original.size(), modified.size());
    const auto same = [&](qsizetype i) { return i < common && original[i] == modified[i]; };
    std::vector<Span> spans;
    qsizetype i = 0;
    while (i < modified.size()) {
        if (same(i)) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < modified.size() && !same(i))
            ++i;
        // A short unchanged gap costs less written again than a new record header.
        if (!spans.empty() && start - spans.back().end < kRecordHeader)
            spans.back().end = i;
        else
            spans.push_back({start, i});
    }
    return spans;
}

class IpsWriter {
public:
    explicit IpsWriter(const QByteArray& modified) : modified_(modified) { out_.append(kMagic, kMagicSize); }

    // Plain records, with run records for repeated bytes where they are shorter.
    Status writeSpan(const Span& span)
    {
        qsizetype plainStart = span.start;
        qsizetype i = span.start;
        while (i < span.end) {
            qsizetype j = i + 1;
            while (j < span.end && modified_[j] == modified_[i])
                ++j;
            // A run in the middle of plain bytes also costs the header of the plain record after it.
            const qsizetype worthFrom = kRunRecord - kRecordHeader + (i > plainStart ? kRecordHeader : 0) +
                                        (j < span.end ? kRecordHeader : 0);
            if (j - i > worthFrom) {
                if (Status status = writePlain(plainStart, i); !status)
                    return status;
                if (Status status = writeRun(i, j); !status)
                    return status;
                plainStart = j;
            }
            i = j;
        }
        return writePlain(plainStart, span.end);
    }

    QByteArray finish(qsizetype truncateTo)
    {
        out_.append(kEnd, kEndSize);
        if (truncateTo >= 0)
            AppendBigEndian(out_, truncateTo, 3);
        return out_;
    }

private:
    Status writePlain(qsizetype start, qsizetype end)
    {
        qsizetype position = start;
        while (position < end) {
            // Starting one byte earlier writes that byte again but keeps the offset from reading as "EOF".
            const qsizetype from = position == kEndAsOffset ? position - 1 : position;
            const qsizetype length = std::min(end - from, kMaxRecordBytes);
            if (Status status = writeOffset(from); !status)
                return status;
            AppendBigEndian(out_, length, 2);
            out_.append(modified_.constData() + from, length);
            position = from + length;
        }
        return Status::Ok();
    }

    Status writeRun(qsizetype start, qsizetype end)
    {
        qsizetype position = start;
        while (position < end) {
            if (position == kEndAsOffset) {  // a run cannot start earlier: its byte may differ there
                if (Status status = writePlain(position, position + 1); !status)
                    return status;
                ++position;
                continue;
            }
            const qsizetype length = std::min(end - position, kMaxRecordBytes);
            if (Status status = writeOffset(position); !status)
                return status;
            AppendBigEndian(out_, 0, 2);
            AppendBigEndian(out_, length, 2);
            out_.append(modified_[position]);
            position += length;
        }
        return Status::Ok();
    }

    Status writeOffset(qsizetype offset)
    {
        if (offset >= kOffsetLimit)
            return Status::Failed(
                Text::tr("IPS パッチには 16 MiB より後ろの変更を記録できません（オフセット %1）。BPS で作ってください")
                    .arg(Hex(offset)));
        AppendBigEndian(out_, offset, 3);
        return Status::Ok();
    }

    const QByteArray& modified_;
    QByteArray out_;
};

// One record of a patch: `length` bytes at `offset`, copied from the patch
// at `data`, or, for a run, the one byte there repeated.
struct IpsRecord {
    qsizetype offset = 0;
    qsizetype length = 0;
    qsizetype data = 0;
    bool run = false;
};

// The records of a patch in order, up to its "EOF".
class IpsRecords {
public:
    explicit IpsRecords(const QByteArray& patch) : patch_(patch) {}

    // The next record; false at "EOF", or when the patch is cut (cut()).
    bool next(IpsRecord& record)
    {
        if (patch_.size() - at_ < kEndSize)
            return stop(true);
        if (QByteArrayView(patch_).sliced(at_, kEndSize) == QByteArrayView(kEnd, kEndSize)) {
            at_ += kEndSize;
            return stop(false);
        }
        if (patch_.size() - at_ < kRecordHeader)
            return stop(true);
        record.offset = ReadBigEndian(patch_, at_, 3);
        const qsizetype size = ReadBigEndian(patch_, at_ + 3, 2);
        at_ += kRecordHeader;
        record.run = size == 0;
        if (record.run) {
            if (patch_.size() - at_ < 3)
                return stop(true);
            record.length = ReadBigEndian(patch_, at_, 2);
            record.data = at_ + 2;
            at_ += 3;
        } else {
            if (patch_.size() - at_ < size)
                return stop(true);
            record.length = size;
            record.data = at_;
            at_ += size;
        }
        return true;
    }

    bool cut() const { return cut_; }
    // Where the bytes after "EOF" start.
    qsizetype end() const { return at_; }

private:
    bool stop(bool cut)
    {
        cut_ = cut;
        return false;
    }

    const QByteArray& patch_;
    qsizetype at_ = kMagicSize;
    bool cut_ = false;
};

} // namespace

Result<QByteArray> CreateIpsPatch(const QByteArray& original, const QByteArray& modified)
{
    IpsWriter writer(modified);
    for (const Span& span : ChangedSpans(original, modified)) {
        if (Status status = writer.writeSpan(span); !status)
            return Result<QByteArray>::Failed(status.reason());
    }
    qsizetype truncateTo = -1;
    if (modified.size() < original.size()) {
        if (modified.size() >= kOffsetLimit)
            return Result<QByteArray>::Failed(
                Text::tr("IPS パッチには 16 MiB を超える大きさへの切り詰めを記録できません。BPS で作ってください"));
        truncateTo = modified.size();
    }
    return writer.finish(truncateTo);
}

Result<QByteArray> ApplyIpsPatch(const QByteArray& rom, const QByteArray& patch)
{
    if (!patch.startsWith(QByteArrayView(kMagic, kMagicSize)))
        return Result<QByteArray>::Failed(Text::tr("IPS パッチではありません"));

    // Every record is read before any is applied, so that a patch whose
    // result would be larger than any ROM is refused at once.
    qsizetype grown = rom.size();
    IpsRecords records(patch);
    for (IpsRecord record; records.next(record);) {
        if (record.length > 0)
            grown = std::max(grown, record.offset + record.length);
    }
    if (records.cut())
        return Result<QByteArray>::Failed(Cut());
    if (grown > kLargestRom)
        return Result<QByteArray>::Failed(
            Text::tr("このパッチを当てると %1 バイトになり、ROM の大きさの上限（16 MiB）を超えます").arg(grown));

    QByteArray target = rom;
    target.append(grown - target.size(), '\0');
    IpsRecords applied(patch);
    for (IpsRecord record; applied.next(record);) {
        if (record.run)
            std::fill_n(target.data() + record.offset, record.length, patch[record.data]);
        else
            std::copy_n(patch.constData() + record.data, record.length, target.data() + record.offset);
    }
    const qsizetype at = applied.end();

    // Three bytes after "EOF" are not in the original format but widely used: the size to cut the file to.
    const qsizetype rest = patch.size() - at;
    if (rest == 3) {
        const qsizetype size = ReadBigEndian(patch, at, 3);
        if (size > target.size())
            return Result<QByteArray>::Failed(
                Text::tr("このパッチはこの ROM に合いません（切り詰める大きさ %1 バイトがファイルより大きい）").arg(size));
        target.truncate(size);
    } else if (rest != 0) {
        return Result<QByteArray>::Failed(Text::tr("パッチが壊れています（IPS パッチの終わりの後に余分なデータがあります）"));
    }
    return target;
}

} // namespace quindaro2
