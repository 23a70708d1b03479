#pragma once

#include "core/rom/Record.h"

#include <QChar>
#include <QString>

#include <cstdint>
#include <vector>

namespace quindaro2 {

// A run of name character codes: code firstCode + k is characters[k].
struct CodeRun {
    int firstCode = 0;
    QString characters;
};

// How an edition stores a name: bytes 1 to `length` of a record, one code per
// character.
struct NameTable {
    int length = 0;
    std::vector<CodeRun> runs;     // searched in order, so the first run wins a repeated character
    QChar outsideRuns;             // shown for a code that no run holds
    std::uint8_t spaceCode = 0;    // pads a name shorter than `length`
    QString entryCharacters;       // what the name dialog's boxes offer, one entry per character

    // Every character of the runs in code order, repeats included.
    QString characters() const;
    // The character a code reads as.
    QChar character(int code) const;
    // The code a character is stored as, its first; -1 when it has none.
    int code(QChar character) const;

    // Bytes 1 to `length` of the record as full-width text.
    QString decode(const Record& record) const;
    // Writes bytes 1 to `length` and nothing else. A character without a code
    // stops the encoding: the name keeps the codes before it, followed by
    // space codes, and the result is false.
    bool encode(const QString& text, Record& record) const;
};

namespace names {

NameTable Of1986();  // four characters
NameTable Of1988();
NameTable Of1990();
NameTable Of1992();
NameTable Of1993();  // three runs of codes

} // namespace names

} // namespace quindaro2
