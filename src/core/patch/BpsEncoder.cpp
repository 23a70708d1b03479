#include "core/patch/BpsEncoder.h"

#include <QSysInfo>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

namespace quindaro2 {

namespace {

enum Action : quint64 { SourceRead = 0, TargetRead = 1, SourceCopy = 2, TargetCopy = 3 };

// Windows shorter than this are not indexed: a copy of them never pays.
constexpr qsizetype kWindow = 4;
// Candidates tried per window; repetitive files would otherwise make it quadratic.
constexpr int kMaxChain = 16;
// Of an original up to this size every second window is indexed, and each
// place looks up its own window and the next: every copy of 5 bytes or more
// is still found where it starts, for half the index. Of a larger one every
// fourth, a quarter of the work for copies of 7 bytes and more.
constexpr qsizetype kEveryOtherWindowUpTo = qsizetype(1) << 20;
constexpr int kSmallStepShift = 1;
constexpr int kLargeStepShift = 2;
constexpr int kMissesBeforeSkipping = 4;
// Unchanged bytes that end a changed stretch, and the stretch a copy needs.
constexpr qsizetype kUnchanged = 3;
constexpr qsizetype kRoomForCopy = 6;
// A copy from the index saving fewer bytes than this counts as a miss.
constexpr int kNotAMiss = 4;
// An unchanged stretch this long is read in place without looking for better.
constexpr qsizetype kLongEnough = 64;

constexpr qsizetype kMaxNumberSize = 10;

// Writes the number at `out` and gives how many bytes it took.
int WriteNumber(char* out, quint64 value)
{
    for (int size = 1;; ++size) {
        const quint64 low = value & 0x7F;
        value >>= 7;
        if (value == 0) {
            *out = static_cast<char>(0x80 | low);
            return size;
        }
        *out++ = static_cast<char>(low);
        --value;  // each further byte counts from one, so every number has one spelling
    }
}

// The actions' bytes as they are made: room is made once an action, as
// appending to a QByteArray byte by byte costs more than the bytes.
class ActionBytes {
public:
    void number(quint64 value) { size_ += WriteNumber(room(kMaxNumberSize), value); }

    void bytes(const char* from, qsizetype count)
    {
        std::memcpy(room(count), from, static_cast<std::size_t>(count));
        size_ += count;
    }

    const char* data() const { return bytes_.data(); }
    qsizetype size() const { return size_; }

private:
    char* room(qsizetype count)
    {
        const auto needed = static_cast<std::size_t>(size_ + count);
        if (needed > bytes_.size())
            bytes_.resize(std::max(needed, 2 * bytes_.size()));
        return bytes_.data() + size_;
    }

    std::vector<char> bytes_;
    qsizetype size_ = 0;
};

int NumberSize(quint64 value)
{
    int size = 1;
    while (value >= 0x80) {
        value = (value >> 7) - 1;
        ++size;
    }
    return size;
}

// How many bytes from the start the two agree, up to `limit`; eight at a time.
qsizetype CommonLength(const char* a, const char* b, qsizetype limit)
{
    qsizetype length = 0;
    for (; length + 8 <= limit; length += 8) {
        quint64 x;
        quint64 y;
        std::memcpy(&x, a + length, 8);
        std::memcpy(&y, b + length, 8);
        if (x != y)
            return length + (QSysInfo::ByteOrder == QSysInfo::LittleEndian ? std::countr_zero(x ^ y) : std::countl_zero(x ^ y)) / 8;
    }
    while (length < limit && a[length] == b[length])
        ++length;
    return length;
}

// A window of one byte repeated: so common in images that chains of it
// would be long, and a run is found by other means.
bool Uniform(const char* window)
{
    quint32 value;
    std::memcpy(&value, window, sizeof value);
    return value == (value & 0xFF) * 0x01010101u;  // one test, not three the branch predictor misses on random data
}

// Where the first three bytes in a row agree in both, from `at` on; eight
// bytes at a time, as changes in random places make a byte loop's branches miss.
std::optional<qsizetype> FirstUnchanged(const char* a, const char* b, qsizetype at, qsizetype end)
{
    static_assert(kUnchanged == 3);
    constexpr quint64 kLow7 = 0x7F7F7F7F7F7F7F7Full;
    for (; at + 8 <= end; at += 6) {
        const quint64 diff = qFromLittleEndian<quint64>(a + at) ^ qFromLittleEndian<quint64>(b + at);
        const quint64 same = ~(((diff & kLow7) + kLow7) | diff | kLow7);  // the high bit of each byte that agrees
        if (const quint64 three = same & (same >> 8) & (same >> 16))
            return at + std::countr_zero(three) / 8;
    }
    for (qsizetype unchanged = 0; at < end; ++at) {
        unchanged = a[at] == b[at] ? unchanged + 1 : 0;
        if (unchanged == kUnchanged)
            return at - (kUnchanged - 1);
    }
    return std::nullopt;
}

quint64 Relative(qint64 offset)
{
    const quint64 magnitude = static_cast<quint64>(offset < 0 ? -offset : offset);
    return (magnitude << 1) | (offset < 0 ? 1 : 0);
}

int ActionSize(Action action, qsizetype length)
{
    return NumberSize((static_cast<quint64>(length - 1) << 2) | action);
}

// Positions of windows of a buffer by hash, the newest first: every window
// or only those at a multiple of the step, 2 to the `stepShift`, which still
// finds every match of `kWindow + step - 1` bytes or more.
class WindowIndex {
public:
    WindowIndex(const char* bytes, qsizetype size, int stepShift, int maxBits)
        : bytes_(bytes), size_(size), step_(1 << stepShift), stepShift_(stepShift)
    {
        // A head for every sixteenth window: a small table is fresh memory
        // that stays in the cache, cheaper than the longer chains it makes.
        const int bits = std::clamp(static_cast<int>(std::bit_width(static_cast<quint64>(size >> stepShift))) - 4, 8, maxBits);
        shift_ = 32 - bits;
        heads_.assign(std::size_t(1) << bits, -1);
        // Never read before written: the pages of a stretch never indexed are never touched.
        previous_.reset(new qint32[static_cast<std::size_t>((size >> stepShift) + 1)]);
    }

    // Adds the windows starting before `end`.
    void addUpTo(qsizetype end)
    {
        end = std::min(end, size_ - kWindow + 1);
        for (; next_ < end; next_ += step_) {
            if (Uniform(bytes_ + next_))
                continue;
            qint32& head = heads_[hash(bytes_ + next_)];
            previous_[static_cast<std::size_t>(next_ >> stepShift_)] = head;
            head = static_cast<qint32>(next_);
        }
    }

    // Skips the windows before `end`: they are not worth finding.
    void skipTo(qsizetype end) { next_ = std::max(next_, end); }

    int step() const { return step_; }
    qint32 first(const char* window) const { return heads_[hash(window)]; }
    qint32 after(qint32 position) const { return previous_[static_cast<std::size_t>(position >> stepShift_)]; }

private:
    std::size_t hash(const char* window) const
    {
        quint32 value;
        std::memcpy(&value, window, sizeof value);
        return (value * 2654435761u) >> shift_;
    }

    const char* bytes_;
    qsizetype size_;
    int step_;
    int stepShift_;
    int shift_ = 0;
    qsizetype next_ = 0;
    std::vector<qint32> heads_;
    std::unique_ptr<qint32[]> previous_;
};

struct Candidate {
    Action action = TargetRead;
    qsizetype from = 0;
    qsizetype length = 0;
    int saving = 0;  // bytes saved against writing the run out
};

class Encoder {
public:
    Encoder(QByteArray& out, const QByteArray& original, const QByteArray& modified)
        : out_(out),
          source_(original.constData()),
          sourceSize_(original.size()),
          target_(modified.constData()),
          size_(modified.size()),
          targetIndex_(target_, size_, 0, 16) {}

    void run()
    {
        qsizetype at = 0;
        Candidate next = best(at);
        while (at < size_) {
            Candidate here = next;
            if (!worthTaking(here)) {
                writeOut(at);
                ++at;
                next = best(at);
                continue;
            }
            if (here.length < kLongEnough && at + 1 < size_) {
                // One byte later may start a copy that saves more than the byte written out costs.
                next = best(at + 1);
                if (next.saving > here.saving + 1 && worthTaking(next)) {
                    writeOut(at);
                    ++at;
                    continue;
                }
            }
            extendBack(here, at);
            at = take(here, at);
            next = best(at);
        }
        flushLiteral(size_);
        out_.append(actions_.data(), actions_.size());
    }

private:
    // A copy inside written-out bytes splits them, and the rest needs its own header.
    bool worthTaking(const Candidate& c) const { return c.length > 0 && c.saving >= (literalStart_ >= 0 ? 2 : 1); }

    qsizetype sourceMatch(qsizetype from, qsizetype at) const
    {
        return CommonLength(source_ + from, target_ + at, std::min(sourceSize_ - from, size_ - at));
    }

    // Overlapping the position itself is allowed: the copy repeats what it has just written.
    qsizetype targetMatch(qsizetype from, qsizetype at) const
    {
        return CommonLength(target_ + from, target_ + at, size_ - at);
    }

    void consider(Candidate& bestSoFar, Action action, qsizetype from, qsizetype length) const
    {
        // Every action costs a byte at least, so a run this short cannot win.
        if (length <= 0 || (bestSoFar.length > 0 && length - 1 <= bestSoFar.saving))
            return;
        int cost = ActionSize(action, length);
        if (action == SourceCopy)
            cost += NumberSize(Relative(from - sourceCursor_));
        else if (action == TargetCopy)
            cost += NumberSize(Relative(from - targetCursor_));
        const int saving = static_cast<int>(std::min<qsizetype>(length, 1 << 30)) - cost;
        if (bestSoFar.length == 0 || saving > bestSoFar.saving)
            bestSoFar = {action, from, length, saving};
    }

    void considerSource(Candidate& c, qsizetype from, qsizetype at) const
    {
        if (from < 0 || from >= sourceSize_)
            return;
        consider(c, from == at ? SourceRead : SourceCopy, from, sourceMatch(from, at));
    }

    Candidate best(qsizetype at)
    {
        Candidate c;
        if (at >= size_)
            return c;
        if (at < sourceSize_) {
            consider(c, SourceRead, at, sourceMatch(at, at));
            if (c.length >= kLongEnough)
                return c;
        }
        // The copy that keeps the last copy's shift, then where the window occurs anywhere.
        if (const qsizetype sameShift = sourceCursor_ + (at - lastCopyEnd_); sameShift != at)
            considerSource(c, sameShift, at);
        if (at > 0 && target_[at - 1] == target_[at])
            consider(c, TargetCopy, at - 1, targetMatch(at - 1, at));
        if (at + kWindow > size_)
            return c;
        if (Uniform(target_ + at)) {
            considerSource(c, longestRuns()[static_cast<quint8>(target_[at])], at);
            return c;
        }
        // Deep in bytes that match nothing, look only in changed stretches with
        // room for a copy that pays.
        if (misses_ >= kMissesBeforeSkipping && changedUntil(at) - at < kRoomForCopy)
            return c;
        const int savingBefore = c.length > 0 ? c.saving : 0;
        const WindowIndex& index = sourceIndex();
        qint32 from = index.first(target_ + at);
        for (int i = 0; i < kMaxChain && from >= 0; ++i, from = index.after(from)) {
            if (from != at)
                considerSource(c, from, at);
        }
        if (index.step() == 2 && at + 1 + kWindow <= size_) {
            from = index.first(target_ + at + 1);
            for (int i = 0; i < kMaxChain && from >= 0; ++i, from = index.after(from)) {
                if (from - 1 != at)
                    considerSource(c, from - 1, at);
            }
        }
        targetIndex_.addUpTo(at);
        from = targetIndex_.first(target_ + at);
        for (int i = 0; i < kMaxChain && from >= 0; ++i, from = targetIndex_.after(from)) {
            if (from < at)
                consider(c, TargetCopy, from, targetMatch(from, at));
        }
        misses_ = c.length > 0 && c.saving > std::max(savingBefore, kNotAMiss - 1) ? 0 : misses_ + 1;
        return c;
    }

    // Where the next stretch of bytes unchanged in place starts, from `at` on.
    qsizetype changedUntil(qsizetype at)
    {
        if (at >= changedFrom_ && at <= changedUntil_)
            return changedUntil_;
        changedFrom_ = at;
        changedUntil_ = FirstUnchanged(source_, target_, at, std::min(sourceSize_, size_)).value_or(size_);
        return changedUntil_;
    }

    // Made when first needed: a patch of a few scattered changes never looks anything up.
    const WindowIndex& sourceIndex()
    {
        if (!sourceIndex_) {
            sourceIndex_.emplace(source_, sourceSize_, sourceSize_ <= kEveryOtherWindowUpTo ? kSmallStepShift : kLargeStepShift, 22);
            sourceIndex_->addUpTo(sourceSize_);
        }
        return *sourceIndex_;
    }

    // Where the original's longest run of each byte value starts, for the runs the index leaves out.
    const std::array<qsizetype, 256>& longestRuns()
    {
        if (!longestRun_)
            longestRun_ = findLongestRuns();
        return *longestRun_;
    }

    std::array<qsizetype, 256> findLongestRuns() const
    {
        std::array<qsizetype, 256> longest{};
        std::array<qsizetype, 256> longestRun;
        longestRun.fill(-1);
        for (qsizetype at = 0; at < sourceSize_;) {
            qsizetype end = at + 1;
            while (end < sourceSize_ && source_[end] == source_[at])
                ++end;
            const quint8 value = static_cast<quint8>(source_[at]);
            if (end - at > longest[value]) {
                longest[value] = end - at;
                longestRun[value] = at;
            }
            at = end;
        }
        return longestRun;
    }

    // Takes back written-out bytes that the copy also gives.
    void extendBack(Candidate& c, qsizetype& at) const
    {
        const char* bytes = c.action == TargetCopy ? target_ : source_;
        while (literalStart_ >= 0 && at > literalStart_ && c.from > 0 && bytes[c.from - 1] == target_[at - 1]) {
            --at;
            --c.from;
            ++c.length;
        }
        if (c.action == SourceCopy && c.from == at)
            c.action = SourceRead;
    }

    void writeOut(qsizetype at)
    {
        if (literalStart_ < 0)
            literalStart_ = at;
    }

    void flushLiteral(qsizetype end)
    {
        if (literalStart_ < 0)
            return;
        if (end > literalStart_) {
            appendAction(TargetRead, end - literalStart_);
            actions_.bytes(target_ + literalStart_, end - literalStart_);
        }
        literalStart_ = -1;
    }

    void appendAction(Action action, qsizetype length)
    {
        actions_.number((static_cast<quint64>(length - 1) << 2) | action);
    }

    qsizetype take(const Candidate& c, qsizetype at)
    {
        flushLiteral(at);
        appendAction(c.action, c.length);
        switch (c.action) {
        case SourceRead:
            targetIndex_.skipTo(at + c.length);
            break;
        case SourceCopy:
            actions_.number(Relative(c.from - sourceCursor_));
            sourceCursor_ = c.from + c.length;
            lastCopyEnd_ = at + c.length;
            targetIndex_.skipTo(at + c.length);
            break;
        case TargetCopy:
            actions_.number(Relative(c.from - targetCursor_));
            targetCursor_ = c.from + c.length;
            break;
        case TargetRead:
            break;
        }
        return at + c.length;
    }

    QByteArray& out_;
    ActionBytes actions_;
    const char* source_;
    qsizetype sourceSize_;
    const char* target_;
    qsizetype size_;
    std::optional<WindowIndex> sourceIndex_;
    WindowIndex targetIndex_;
    qsizetype literalStart_ = -1;
    qsizetype sourceCursor_ = 0;
    qsizetype targetCursor_ = 0;
    qsizetype lastCopyEnd_ = 0;
    std::optional<std::array<qsizetype, 256>> longestRun_;
    qsizetype changedFrom_ = -1;
    qsizetype changedUntil_ = -1;
    // Places in a row where the index gave nothing better; none is looked up yet.
    int misses_ = kMissesBeforeSkipping;
};

} // namespace

void AppendBpsNumber(QByteArray& out, quint64 value)
{
    char bytes[kMaxNumberSize];
    out.append(bytes, WriteNumber(bytes, value));
}

void AppendBpsActions(QByteArray& out, const QByteArray& original, const QByteArray& modified)
{
    Encoder(out, original, modified).run();
}

} // namespace quindaro2
