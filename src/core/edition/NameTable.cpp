#include "core/edition/NameTable.h"

namespace quindaro2 {

QString NameTable::characters() const
{
    QString all;
    for (const CodeRun& run : runs)
        all += run.characters;
    return all;
}

QChar NameTable::character(int code) const
{
    for (const CodeRun& run : runs) {
        if (code >= run.firstCode && code < run.firstCode + run.characters.size())
            return run.characters[code - run.firstCode];
    }
    return outsideRuns;
}

int NameTable::code(QChar character) const
{
    for (const CodeRun& run : runs) {
        const qsizetype position = run.characters.indexOf(character);
        if (position >= 0)
            return run.firstCode + static_cast<int>(position);
    }
    return -1;
}

namespace names {

namespace {

// Until 1992 a name is any of 88 characters, code = position; a code past the
// table reads as the long vowel.
NameTable Table(int length, QString characters)
{
    // The dialog's list is its own: the long vowel comes twice, and it knows
    // nothing of the letters that later tables replace.
    static const QString entries = QStringLiteral(
        "０１２３４５６７８９ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ　．ー"
        "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをん゛゜ー");
    return {length, {{0, std::move(characters)}}, QChar(u'ー'), 36, entries};
}

} // namespace

NameTable Of1986()
{
    return Table(4, QStringLiteral("０１２３４５６７８９ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ　．ー’"
                                   "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをん゛゜"));
}

NameTable Of1988()
{
    return Table(5, QStringLiteral("０１２３４５６７８９ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ　．ーｕ"
                                   "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをん゛゜"));
}

NameTable Of1990()
{
    return Table(5, QStringLiteral("０１２３４５６７８９ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ　．ｕ　"
                                   "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをん゛゜"));
}

NameTable Of1992()
{
    return Table(5, QStringLiteral("０１２３４５６７８９ＡＢＣＤＥＦＧＨＩゅＫＬＭＮＯＰ－ＲＳＴＵ＊Ｗ＊Ｙ＊　．ｕー"
                                   "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをん゛゜"));
}

// From 1993 the codes come in three runs, with gaps that read as "？".
NameTable Of1993()
{
    return {
        5,
        {
            {0x00, QStringLiteral("＊＊＊＊　＊＊っあいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわぇん＊＊ゃゅょー")},
            {0x8A, QStringLiteral("ヴ　　がぎぐげござじずぜぞだぢづでど　　　　　ばびぶべぼ")},
            {0xE1, QStringLiteral("ぱぴぷぺぽ")},
        },
        QChar(u'？'),
        0x04,
        QStringLiteral("っあいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわぇんゃゅょーヴ　　"
                       "がぎぐげござじずぜぞだぢづでど　ばびぶべぼぱぴぷぺぽ"),
    };
}

} // namespace names

QString NameTable::decode(const Record& record) const
{
    QString text;
    for (int i = 0; i < length; ++i)
        text += character(record[1 + i]);
    return text;
}

bool NameTable::encode(const QString& text, Record& record) const
{
    for (int i = 0; i < length; ++i)
        record[1 + i] = spaceCode;
    for (int i = 0; i < length && i < text.size(); ++i) {
        const int stored = code(text[i]);
        if (stored < 0)
            return false;
        record[1 + i] = static_cast<std::uint8_t>(stored);
    }
    return true;
}

} // namespace quindaro2
