#include "core/edit/RomajiInput.h"

#include "core/edition/NameTable.h"

#include <QCoreApplication>
#include <QHash>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(RomajiInput)
};

// Every romaji syllable and the kana it stands for.
const QHash<QString, QString>& Syllables()
{
    static const QHash<QString, QString> table = [] {
        QHash<QString, QString> t;
        const auto row = [&](const char* consonant, const char* kana) {
            const QString letters = QString::fromLatin1(consonant);
            const QString sounds = QString::fromUtf8(kana);
            const QString vowels = QStringLiteral("aiueo");
            for (int i = 0; i < 5; ++i) {
                if (sounds[i] != u'・')
                    t.insert(letters + vowels[i], QString(sounds[i]));
            }
        };
        row("", "あいうえお");
        row("k", "かきくけこ");
        row("s", "さしすせそ");
        row("t", "たちつてと");
        row("n", "なにぬねの");
        row("h", "はひふへほ");
        row("m", "まみむめも");
        row("y", "や・ゆ・よ");
        row("r", "らりるれろ");
        row("l", "らりるれろ");
        row("w", "わ・・・を");
        row("g", "がぎぐげご");
        row("z", "ざじずぜぞ");
        row("d", "だぢづでど");
        row("b", "ばびぶべぼ");
        row("p", "ぱぴぷぺぽ");
        row("x", "ぁぃぅぇぉ");
        const auto add = [&](const char* romaji, const char* kana) {
            t.insert(QString::fromLatin1(romaji), QString::fromUtf8(kana));
        };
        add("shi", "し");
        add("chi", "ち");
        add("tsu", "つ");
        add("fu", "ふ");
        add("ji", "じ");
        add("vu", "ヴ");
        add("xtsu", "っ");
        add("xtu", "っ");
        add("xya", "ゃ");
        add("xyu", "ゅ");
        add("xyo", "ょ");
        add("fa", "ふぁ");
        add("fi", "ふぃ");
        add("fe", "ふぇ");
        add("fo", "ふぉ");
        add("she", "しぇ");
        add("che", "ちぇ");
        add("je", "じぇ");
        // The contracted sounds: a consonant and a small ya, yu or yo.
        const auto contracted = [&](const char* prefix, const char* kana) {
            const QString base = QString::fromUtf8(kana);
            t.insert(QString::fromLatin1(prefix) + u'a', base + QStringLiteral("ゃ"));
            t.insert(QString::fromLatin1(prefix) + u'u', base + QStringLiteral("ゅ"));
            t.insert(QString::fromLatin1(prefix) + u'o', base + QStringLiteral("ょ"));
        };
        for (const auto& [prefix, kana] : {std::pair{"ky", "き"}, {"sy", "し"}, {"sh", "し"}, {"ty", "ち"}, {"ch", "ち"},
                                          {"cy", "ち"}, {"ny", "に"}, {"hy", "ひ"}, {"my", "み"}, {"ry", "り"},
                                          {"ly", "り"}, {"gy", "ぎ"}, {"zy", "じ"}, {"jy", "じ"}, {"j", "じ"},
                                          {"dy", "ぢ"}, {"by", "び"}, {"py", "ぴ"}})
            contracted(prefix, kana);
        return t;
    }();
    return table;
}

// Whether some syllable starts with `letters`: more letters may come.
bool SyllableMayFollow(const QString& letters)
{
    for (auto it = Syllables().cbegin(); it != Syllables().cend(); ++it) {
        if (it.key().startsWith(letters))
            return true;
    }
    return false;
}

bool IsVowel(QChar c)
{
    return QStringLiteral("aiueo").contains(c);
}

// What the edition stores for a character it lacks, tried in turn: the
// voiced kana as the plain one and a voicing mark, the small kana as the
// large one, katakana as hiragana.
QString Storable(const NameTable& names, QChar c)
{
    const auto has = [&](const QString& text) {
        for (const QChar k : text) {
            if (names.code(k) < 0)
                return false;
        }
        return true;
    };
    if (has(QString(c)))
        return QString(c);
    QChar hiragana = c;
    if (c.unicode() >= 0x30A1 && c.unicode() <= 0x30F6)
        hiragana = QChar(c.unicode() - 0x60);
    if (has(QString(hiragana)))
        return QString(hiragana);
    const QString apart = QString(hiragana).normalized(QString::NormalizationForm_D);
    if (apart.size() == 2) {
        const QChar mark = apart[1] == QChar(0x3099) ? QChar(0x309B) : apart[1] == QChar(0x309A) ? QChar(0x309C) : QChar();
        if (!mark.isNull() && has(QString(apart[0]) + mark))
            return QString(apart[0]) + mark;
    }
    static const QString small = QStringLiteral("ぁぃぅぇぉっゃゅょゎ");
    static const QString large = QStringLiteral("あいうえおつやゆよわ");
    if (const qsizetype i = small.indexOf(hiragana); i >= 0 && has(QString(large[i])))
        return QString(large[i]);
    return {};
}

// Whether the edition's names hold Latin letters, which capitals then type.
bool HasLetters(const NameTable& names)
{
    return names.code(QChar(u'Ａ')) >= 0;
}

QChar FullWidth(QChar c)
{
    return QChar(c.unicode() - 0x20 + 0xFF00);
}

} // namespace

NameInput ConvertNameInput(const NameTable& names, const QString& typed, bool finished)
{
    NameInput input;
    QString kana;
    QString& letters = input.pending;
    const bool letterTable = HasLetters(names);
    // The second n of "nn": it may still begin a syllable ("minna" → みんな);
    // otherwise it is dropped, since the ん was made.
    bool secondN = false;
    const auto flushN = [&] {
        if (letters == QStringLiteral("n")) {
            if (!secondN)
                kana += QStringLiteral("ん");
            letters.clear();
        }
        secondN = false;
    };
    for (const QChar typedChar : typed) {
        QChar c = typedChar;
        if (c.unicode() < 0x80 && c.isUpper() && !letterTable)
            c = c.toLower();
        if (c.unicode() < 0x80 && c.isLower()) {
            // "nn" and "n" before a consonant are ん; a doubled consonant is っ.
            if (letters == QStringLiteral("n") && c != u'y' && !IsVowel(c)) {
                if (!secondN)
                    kana += QStringLiteral("ん");
                secondN = c == u'n' && !secondN;
                letters = QString(c);
                continue;
            }
            secondN = false;
            if (letters.size() == 1 && letters[0] == c && !IsVowel(c)) {
                kana += QStringLiteral("っ");
                continue;
            }
            letters += c;
            if (const auto found = Syllables().constFind(letters); found != Syllables().cend()) {
                kana += *found;
                letters.clear();
            } else if (!SyllableMayFollow(letters)) {
                input.problem = Text::tr("「%1」はローマ字として読めません").arg(letters);
                letters.clear();
            }
            continue;
        }
        flushN();
        if (!letters.isEmpty()) {
            input.problem = Text::tr("「%1」はローマ字として読めません").arg(letters);
            letters.clear();
        }
        if (c == u'-')
            kana += QStringLiteral("ー");
        else if (c == u'.')
            kana += QStringLiteral("．");
        else if (c == u' ')
            kana += QStringLiteral("　");
        else if (c.unicode() < 0x80 && (c.isDigit() || c.isUpper()))
            kana += FullWidth(c);
        else
            kana += c;
    }
    if (finished) {
        flushN();
        if (!letters.isEmpty()) {
            input.problem = Text::tr("「%1」はローマ字として読めません").arg(letters);
            letters.clear();
        }
    }
    for (const QChar c : kana) {
        const QString stored = Storable(names, c);
        if (stored.isEmpty())
            input.problem = Text::tr("「%1」はこの版の名前に使えません").arg(QString(c));
        input.text += stored;
    }
    return input;
}

} // namespace quindaro2
