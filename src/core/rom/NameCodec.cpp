#include "core/rom/NameCodec.h"

#include "core/rom/Edition.h"

#include <array>

namespace quindaro2 {

namespace {

// 1986 to 1992: code k is the character at position k.
const QString& TableOf1986To1992(int edition)
{
    static const QString k86 = QStringLiteral(
        "０１２３４５６７８９ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ　．ー’"
        "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをん゛゜");
    static const QString k88 = QStringLiteral(
        "０１２３４５６７８９ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ　．ーｕ"
        "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをん゛゜");
    static const QString k90 = QStringLiteral(
        "０１２３４５６７８９ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ　．ｕ　"
        "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをん゛゜");
    static const QString k92 = QStringLiteral(
        "０１２３４５６７８９ＡＢＣＤＥＦＧＨＩゅＫＬＭＮＯＰ－ＲＳＴＵ＊Ｗ＊Ｙ＊　．ｕー"
        "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをん゛゜");
    if (edition <= 1987)
        return k86;
    if (edition <= 1989)
        return k88;
    if (edition <= 1991)
        return k90;
    return k92;
}

// 1993 and 1994: three runs, each starting at its own code.
struct CodeRun {
    int firstCode;
    QString characters;
};

const std::array<CodeRun, 3>& RunsOf1993And1994()
{
    static const std::array<CodeRun, 3> runs{{
        {0x00, QStringLiteral("＊＊＊＊　＊＊っあいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわぇん＊＊ゃゅょー")},
        {0x8A, QStringLiteral("ヴ　　がぎぐげござじずぜぞだぢづでど　　　　　ばびぶべぼ")},
        {0xE1, QStringLiteral("ぱぴぷぺぽ")},
    }};
    return runs;
}

constexpr std::uint8_t kSpace1986To1992 = 36;
constexpr std::uint8_t kSpace1993And1994 = 0x04;
const QChar kUnknownCode(u'？');
const QChar kOutOfTable(u'ー');

bool HasRuns(int edition)
{
    return edition >= 1993;
}

} // namespace

QString CharTable(int edition)
{
    if (!HasRuns(edition))
        return TableOf1986To1992(edition);
    QString all;
    for (const CodeRun& run : RunsOf1993And1994())
        all += run.characters;
    return all;
}

QString DecodeName(int edition, const Record& record)
{
    const int n = NameLength(edition);
    QString text;
    for (int i = 0; i < n; ++i) {
        const int code = record[1 + i];
        if (!HasRuns(edition)) {
            const QString& table = TableOf1986To1992(edition);
            text += code < table.size() ? table[code] : kOutOfTable;
            continue;
        }
        QChar character = kUnknownCode;
        for (const CodeRun& run : RunsOf1993And1994()) {
            if (code >= run.firstCode && code < run.firstCode + run.characters.size()) {
                character = run.characters[code - run.firstCode];
                break;
            }
        }
        text += character;
    }
    return text;
}

bool EncodeName(int edition, const QString& text, Record& record)
{
    const int n = NameLength(edition);
    for (int i = 0; i < n; ++i)
        record[1 + i] = HasRuns(edition) ? kSpace1993And1994 : kSpace1986To1992;
    for (int i = 0; i < n && i < text.size(); ++i) {
        int code = -1;
        if (!HasRuns(edition)) {
            code = static_cast<int>(TableOf1986To1992(edition).indexOf(text[i]));
        } else {
            for (const CodeRun& run : RunsOf1993And1994()) {
                const qsizetype position = run.characters.indexOf(text[i]);
                if (position >= 0) {
                    code = run.firstCode + static_cast<int>(position);
                    break;
                }
            }
        }
        if (code < 0)
            return false;
        record[1 + i] = static_cast<std::uint8_t>(code);
    }
    return true;
}

} // namespace quindaro2
