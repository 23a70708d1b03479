#include "core/edition/Edition.h"
#include "core/edition/EditionProfile.h"

#include <gtest/gtest.h>

#include <QFile>

namespace quindaro2 {
namespace {

QString SourceText(const char* path)
{
    QFile file(QStringLiteral(QUINDARO2_SOURCE "/") + QString::fromLatin1(path));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).simplified() : QString();
}

QString CountInWords(std::size_t count)
{
    const char* words[] = {"zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten", "eleven", "twelve"};
    return count < std::size(words) ? QString::fromLatin1(words[count]) : QString::number(count);
}

// The texts for people that name the editions say what the profiles hold, so
// that a new edition cannot be left out of them.
TEST(EditionTexts, NameEveryEditionOfTheProfiles)
{
    const std::span<const EditionProfile> profiles = Profiles();
    const QString first = QString::number(profiles.front().year);
    const QString last = QString::number(profiles.back().year);
    const QString count = CountInWords(profiles.size());
    struct Text {
        const char* path;
        QStringList says;
    };
    for (const Text& text : {
             Text{"README.md", {count + QStringLiteral(" yearly editions (") + first + QStringLiteral(" to ") + last + u')'}},
             Text{"packaging/io.github.quindaro2.quindaro2.metainfo.xml",
                  {count + QStringLiteral(" yearly editions, from ") + first + QStringLiteral(" to ") + last,
                   first + QStringLiteral("年版から") + last + QStringLiteral("年版まで") + QString::number(profiles.size())
                       + QStringLiteral("つの版")}},
             Text{"packaging/CMakeLists.txt",
                  {count + QStringLiteral(" yearly editions (") + first + QStringLiteral(" to ") + last + u')'}},
         }) {
        const QString content = SourceText(text.path);
        ASSERT_FALSE(content.isEmpty()) << text.path;
        for (const QString& says : text.says)
            EXPECT_TRUE(content.contains(says)) << text.path << " should say: " << says.toStdString();
    }
    EXPECT_EQ(profiles.front().year, kFirstEdition);
    EXPECT_EQ(profiles.back().year, kLastEdition);
}

} // namespace
} // namespace quindaro2
