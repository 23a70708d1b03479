#pragma once

#include "core/edition/EditionLayout.h"
#include "core/edition/EditionProfile.h"
#include "core/rom/Record.h"
#include "core/rom/RomImage.h"
#include "support/QtPrinters.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <initializer_list>

namespace quindaro2::test {

// A ROM image made by a test: zero bytes of any size, a header with or without
// the trainer bit, and chosen bytes at chosen offsets or record slots.
class SyntheticRom {
public:
    static constexpr qint64 kDefaultSize = 0x40010;

    explicit SyntheticRom(qint64 size = kDefaultSize);

    SyntheticRom& withTrainer(bool on = true);
    SyntheticRom& set(qint64 offset, std::initializer_list<int> bytes);
    SyntheticRom& fill(qint64 offset, qint64 length, int byte);
    // Places the record at the slot's offset for this image's trainer bit.
    SyntheticRom& setRecord(RecordKind kind, int edition, int team, int index, const Record& record);
    SyntheticRom& setColors(int edition, int team, TeamColors colors);

    bool hasTrainer() const;
    int at(qint64 offset) const;
    Record record(RecordKind kind, int edition, int team, int index) const;
    const QByteArray& bytes() const { return bytes_; }

private:
    int trainer() const { return hasTrainer() ? 1 : 0; }

    QByteArray bytes_;
};

// The profile of an edition that exists.
inline const EditionProfile& Profile(int edition)
{
    return *FindProfile(edition);
}

// The image of a ROM made by a test.
inline RomImage Image(const SyntheticRom& rom)
{
    return RomImage(rom.bytes());
}

// A record of the edition's size with the given leading bytes; the rest zero.
Record MakeRecord(RecordKind kind, int edition, std::initializer_list<int> bytes = {});

// A temporary folder that vanishes with the test.
class RomFolder {
public:
    RomFolder();
    QString path(const QString& name) const;
    QString write(const QString& name, const SyntheticRom& rom) const;
    QString write(const QString& name, const QByteArray& bytes) const;
    QString fifo(const QString& name) const;

private:
    QTemporaryDir dir_;
};

// The whole content of a file; empty when it cannot be read.
QByteArray ReadFile(const QString& path);
// The file as an image, as the editor reads it.
inline RomImage FileImage(const QString& path)
{
    return RomImage(ReadFile(path));
}
bool FileExists(const QString& path);

} // namespace quindaro2::test
