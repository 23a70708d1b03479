#include "core/export/ShiftJisTable.h"

#include "support/QtPrinters.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

namespace quindaro2 {
namespace {

QByteArray Converted(QStringView text, bool* failed = nullptr)
{
    QStringEncoder encoder("windows-31j", QStringEncoder::Flag::Stateless);
    QByteArray bytes = encoder(text);
    if (failed)
        *failed = encoder.hasError();
    return bytes;
}

TEST(ShiftJisTableTest, AgreesWithTheConverterForEveryCharacterItHolds)
{
    const std::span<const ShiftJisEntry> entries = ShiftJisEntries();
    ASSERT_GT(entries.size(), 7000u) << "JIS X 0208 and the vendor rows";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i > 0) {
            ASSERT_LT(entries[i - 1].character, entries[i].character) << "sorted for the search";
        }
        const QChar character(entries[i].character);
        const std::optional<QByteArray> table = EncodeShiftJis(QStringView(&character, 1));
        ASSERT_TRUE(table);
        ASSERT_EQ(*table, Converted(QStringView(&character, 1))) << std::hex << int(entries[i].character);
    }
}

TEST(ShiftJisTableTest, TextsAsTheConverterGivesThemOrNoneToAskIt)
{
    const char16_t surrogates[] = {0xD83D, 0xDE00, 0};
    const struct {
        QString text;
        bool held;
    } cases[] = {
        {QString(), true},
        {QStringLiteral("ABC,123\r\n"), true},
        {QStringLiteral("巨人,ｶﾀｶﾅ,ひらがな,～－￥\\~"), true},
        {QStringLiteral("①Ⅱ㈱髙"), true},
        {QStringLiteral("café"), false},
        {QStringLiteral("x") + QString::fromUtf16(surrogates), false},
    };
    for (const auto& c : cases) {
        bool failed = false;
        const QByteArray converted = Converted(c.text, &failed);
        const std::optional<QByteArray> table = EncodeShiftJis(c.text);
        EXPECT_EQ(table.has_value(), c.held) << c.text.toStdString();
        EXPECT_EQ(failed, !c.held) << c.text.toStdString();
        if (table) {
            EXPECT_EQ(*table, converted) << c.text.toStdString();
        }
    }
}

} // namespace
} // namespace quindaro2
