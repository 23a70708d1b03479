#include "core/edition/ChoiceList.h"

#include <QCoreApplication>

namespace quindaro2 {

namespace {

constexpr std::nullopt_t none = std::nullopt;

const QStringList& SideTexts()
{
    static const QStringList texts{
        QStringLiteral("右"),   QStringLiteral("左"),   QStringLiteral("両"),     QStringLiteral("右ソ"),
        QStringLiteral("左ソ"), QStringLiteral("両ソ"), QStringLiteral("右神"),   QStringLiteral("左神"),
        QStringLiteral("両神"), QStringLiteral("右ソ神"), QStringLiteral("左ソ神"), QStringLiteral("両ソ神"),
    };
    return texts;
}

const QStringList& FormTexts()
{
    static const QStringList texts{
        QStringLiteral("右上"), QStringLiteral("左上"), QStringLiteral("右下"), QStringLiteral("左下"),
        QStringLiteral("右横"), QStringLiteral("左横"), QStringLiteral("右背"), QStringLiteral("左背"),
        QStringLiteral("右ま"), QStringLiteral("左ま"), QStringLiteral("右消"), QStringLiteral("左消"),
    };
    return texts;
}

ChoiceList Sides(std::array<std::optional<int>, kChoiceCount> codes, std::vector<int> offered)
{
    return {QString::fromUtf8(QT_TRANSLATE_NOOP("ChoiceList", "打席")), SideTexts(), codes, std::move(offered)};
}

ChoiceList Forms(std::array<std::optional<int>, kChoiceCount> codes, std::vector<int> offered)
{
    return {QString::fromUtf8(QT_TRANSLATE_NOOP("ChoiceList", "投法")), FormTexts(), codes, std::move(offered)};
}

} // namespace

std::optional<int> ChoiceList::IndexOfCode(int byte) const
{
    for (int j = 0; j < kChoiceCount; ++j) {
        if (codes[static_cast<std::size_t>(j)] == byte)
            return j;
    }
    return std::nullopt;
}

int ChoiceList::IndexOfText(const QString& text) const
{
    const qsizetype j = texts.indexOf(text);
    return j < 0 ? kChoiceCount : static_cast<int>(j);
}

QString ChoiceList::shownCaption() const
{
    return QCoreApplication::translate("ChoiceList", caption.toUtf8().constData());
}

QStringList ChoiceList::OfferedTexts() const
{
    QStringList result;
    for (int j : offered)
        result << texts[j];
    return result;
}

namespace choices {

//                                                     右 左 両    右ソ  左ソ  両ソ  右神  左神  両神  右ソ神 左ソ神 両ソ神
const ChoiceList& SidesOf1986()
{
    static const ChoiceList list = Sides({0, 1, none, none, none, none, none, none, none, none, none, none}, {0, 1});
    return list;
}

const ChoiceList& SidesOf1989()
{
    static const ChoiceList list = Sides({0, 1, 2, none, none, none, none, none, none, none, none, none}, {0, 1});
    return list;
}

const ChoiceList& SidesOf1990()
{
    static const ChoiceList list = Sides({0, 1, 2, none, none, none, none, none, none, none, none, none}, {0, 1, 2});
    return list;
}

const ChoiceList& SidesOf1993()
{
    static const ChoiceList list =
        Sides({0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    return list;
}

//                                                     右上 左上 右下  左下  右横  左横  右背  左背  右ま  左ま  右消  左消
const ChoiceList& FormsOf1986()
{
    static const ChoiceList list = Forms({0, 1, 2, 3, none, none, none, none, none, none, none, none}, {0, 1, 2, 3});
    return list;
}

const ChoiceList& FormsOf1990()
{
    static const ChoiceList list =
        Forms({0, 1, 192, 193, 128, 129, none, none, none, none, none, none}, {0, 1, 2, 3, 4, 5});
    return list;
}

const ChoiceList& FormsOf1991()
{
    static const ChoiceList list =
        Forms({0, 1, 192, 193, 128, 129, 32, 33, none, none, 16, 17}, {0, 1, 2, 3, 4, 5, 6, 7, 10, 11});
    return list;
}

const ChoiceList& FormsOf1992()
{
    static const ChoiceList list =
        Forms({0, 1, 192, 193, 128, 129, 32, 33, 16, none, none, none}, {0, 1, 2, 3, 4, 5, 6, 7, 8});
    return list;
}

const ChoiceList& FormsOf1993()
{
    static const ChoiceList list =
        Forms({0, 1, 192, 193, 128, 129, 32, 33, none, none, none, none}, {0, 1, 2, 3, 4, 5, 6, 7});
    return list;
}

} // namespace choices

QString BattingSideText(int j)
{
    return j >= 0 && j < kChoiceCount ? SideTexts()[j] : QString();
}

QString PitchingFormText(int j)
{
    return j >= 0 && j < kChoiceCount ? FormTexts()[j] : QString();
}

} // namespace quindaro2
