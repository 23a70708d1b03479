#include "FuzzSupport.h"
#include "FuzzTargets.h"

#include "core/edition/Edition.h"
#include "core/rom/NameCodec.h"
#include "core/rom/Record.h"

namespace quindaro2::fuzz {

namespace {

const QChar kSpace(u'　');

QString Hex(const Record& record)
{
    QString text;
    for (int i = 0; i < kMaxRecordSize; ++i)
        text += QStringLiteral("%1 ").arg(record[i], 2, 16, QLatin1Char('0'));
    return text;
}

bool AllEncodable(int edition, const QString& text)
{
    const QString table = CharTable(edition);
    for (const QChar c : text) {
        if (!table.contains(c))
            return false;
    }
    return true;
}

// The text a name field gets: raw UTF-16, characters of the edition's table,
// or a mix, so that both the refusals and the successes are reached often.
QString TextFrom(FuzzInput& input, int edition)
{
    const QString table = CharTable(edition);
    const int mode = input.byte() % 3;
    if (mode == 0)
        return input.utf16(8);
    QString text;
    for (int i = 0; i < 8 && !input.empty(); ++i) {
        const std::uint8_t pick = input.byte();
        if (mode == 2 && pick >= 0xF0)
            text += QChar(input.uint16());
        else
            text += table[pick % table.size()];
    }
    return text;
}

// Bytes 0 and past the name must be as they were: the name codec owns 1..n only.
void RequireOnlyNameBytesChanged(int edition, const Record& before, const Record& after)
{
    const int n = NameLength(edition);
    for (int i = 0; i < kMaxRecordSize; ++i) {
        if (i >= 1 && i <= n)
            continue;
        Require(before[i] == after[i], "EncodeName writes only the name bytes",
                [&] { return QStringLiteral("edition %1 byte %2: %3 -> %4").arg(edition).arg(i).arg(Hex(before), Hex(after)); });
    }
}

void CheckDecode(int edition, const Record& record)
{
    const int n = NameLength(edition);
    const QString text = DecodeName(edition, record);
    Require(text.size() == n, "DecodeName gives one character per name byte",
            [&] { return QStringLiteral("edition %1, %2 -> '%3'").arg(edition).arg(Hex(record), text); });
    // Each character depends on its own byte only: an unknown code must not
    // disturb its neighbours.
    for (int i = 0; i < n; ++i) {
        Record single;
        single.size = record.size;
        single[1 + i] = record[1 + i];
        Require(DecodeName(edition, single)[i] == text[i], "a name character depends on its own byte only",
                [&] { return QStringLiteral("edition %1 position %2, %3").arg(edition).arg(i).arg(Hex(record)); });
    }

    // Read, then written back unchanged: the same name must be read again.
    // A code no character stands for reads as "ー" or "？", which have no code
    // themselves; such a name is kept by the write-back, which leaves an
    // unchanged name's bytes alone, not by the codec.
    if (!AllEncodable(edition, text))
        return;
    Record written = record;
    const bool complete = EncodeName(edition, text, written);
    RequireOnlyNameBytesChanged(edition, record, written);
    const QString again = DecodeName(edition, written);
    Require(complete && again == text, "encode(decode(bytes)) decodes to the same text",
            [&] { return QStringLiteral("edition %1, %2 -> '%3' -> %4 -> '%5'")
                .arg(edition)
                .arg(Hex(record), text, Hex(written), again); });
}

void CheckEncode(int edition, const Record& record, const QString& text)
{
    const int n = NameLength(edition);
    Record written = record;
    const bool complete = EncodeName(edition, text, written);
    RequireOnlyNameBytesChanged(edition, record, written);

    // The name keeps the characters before the first one without a code and
    // is blank from there on.
    const QString table = CharTable(edition);
    const int looked = std::min(n, static_cast<int>(text.size()));
    int kept = 0;
    while (kept < looked && table.contains(text[kept]))
        ++kept;
    const QString expected = text.left(kept) + QString(n - kept, kSpace);
    const QString decoded = DecodeName(edition, written);
    Require(decoded == expected, "EncodeName keeps the text up to the first character without a code",
            [&] { return QStringLiteral("edition %1, '%2' -> %3 -> '%4'").arg(edition).arg(text, Hex(written), decoded); });
    Require(complete == (kept == looked), "EncodeName reports whether every character had a code",
            [&] { return QStringLiteral("edition %1, '%2'").arg(edition).arg(text); });

    // Once written, a name is stable: writing what is read changes no byte.
    Record rewritten = written;
    Require(EncodeName(edition, decoded, rewritten), "a written name can be written again",
            [&] { return QStringLiteral("edition %1, '%2'").arg(edition).arg(decoded); });
    Require(rewritten.bytes == written.bytes, "a written name is written again with the same bytes",
            [&] { return QStringLiteral("edition %1, %2 -> %3").arg(edition).arg(Hex(written), Hex(rewritten)); });
}

} // namespace

int FuzzNameCodec(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const int selector = input.byte();
    Record record;
    record.size = kMaxRecordSize;
    for (int i = 0; i < kMaxRecordSize; ++i)
        record[i] = input.byte();
    const int edition = kFirstEdition + selector % kEditionCount;
    const QString text = TextFrom(input, edition);
    // The chosen edition gets the fuzzer's attention; the others see the same
    // bytes too, since their tables differ in only a few codes.
    for (int year = kFirstEdition; year <= kLastEdition; ++year) {
        CheckDecode(year, record);
        CheckEncode(year, record, text);
    }
    return 0;
}

} // namespace quindaro2::fuzz
