#pragma once

#include "core/edition/EditionLayout.h"
#include "core/rom/Record.h"
#include "core/rom/Result.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace quindaro2 {

struct EditionProfile;

// A record read from the image. A record cut short by the end of the image
// still counts as read; the bytes past `bytesRead` were not read and are zero.
struct [[nodiscard]] RecordRead {
    Record record;
    int bytesRead = 0;
    QString reason;  // why nothing, or not everything, was read

    explicit operator bool() const { return bytesRead > 0; }
    bool complete() const { return bytesRead > 0 && bytesRead == record.size; }
};

// The team's two colour codes: helmet (cap) first, then uniform.
struct TeamColors {
    std::uint8_t helmet = 0;
    std::uint8_t uniform = 0;

    friend bool operator==(const TeamColors&, const TeamColors&) = default;
};

// The bytes of a ROM file as they were read at one moment. Fills, figures,
// write-back and export work on an image; the file layer reads and writes
// whole images, so each operation sees the file once, as it is then.
class RomImage {
public:
    RomImage() = default;
    explicit RomImage(QByteArray bytes);

    const QByteArray& bytes() const { return bytes_; }
    qint64 size() const { return bytes_.size(); }

    // 1 when byte 6 of the header has bit 0x04 set; 0 when it is clear or the
    // image is shorter than the header's first 8 bytes.
    int trainer() const { return trainer_; }

    RecordRead record(const EditionProfile& profile, RecordKind kind, int team, int index) const;
    // The record must have the edition's size; an image is never lengthened,
    // so a record past its end is refused.
    Status setRecord(const EditionProfile& profile, RecordKind kind, int team, int index, const Record& record);

    // Both bytes must be present; a colour that was not read is no colour.
    Result<TeamColors> colors(const EditionProfile& profile, int team) const;
    // In 1986 and 1987 the byte between the two colours is left untouched.
    Status setColors(const EditionProfile& profile, int team, TeamColors colors);

    // The same for callers that know only the edition's year.
    RecordRead record(RecordKind kind, int edition, int team, int index) const;
    Status setRecord(RecordKind kind, int edition, int team, int index, const Record& record);
    Result<TeamColors> colors(int edition, int team) const;
    Status setColors(int edition, int team, TeamColors colors);

    // `count` bytes from `offset`, as far as the image holds them.
    QByteArray bytesAt(qint64 offset, qint64 count) const { return bytes_.mid(offset, count); }
    // Overwrites bytes from `offset`; false, with nothing changed, when they
    // would reach past the end, since an image is never lengthened.
    bool overwrite(qint64 offset, const QByteArray& bytes);

    friend bool operator==(const RomImage& a, const RomImage& b) { return a.bytes_ == b.bytes_; }

private:
    QByteArray bytes_;
    int trainer_ = 0;
};

} // namespace quindaro2
