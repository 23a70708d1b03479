#include <QProcess>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

struct LanguageCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> environment;  // a null value removes the variable
    const char* usageStart;
};

void PrintTo(const LanguageCase& c, std::ostream* out)
{
    *out << c.name;
}

class EditorLanguageTest : public ::testing::TestWithParam<LanguageCase> {};

// The real editor picks its language before it reads its command line, so
// its help shows which one it speaks.
TEST_P(EditorLanguageTest, HelpSpeaksTheChosenLanguage)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QUINDARO2_LANG", "LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"})
        environment.remove(QString::fromLatin1(name));
    for (const auto& [name, value] : GetParam().environment)
        environment.insert(QString::fromLatin1(name), QString::fromLatin1(value));
    QProcess editor;
    editor.setProcessEnvironment(environment);
    editor.start(QString::fromUtf8(QUINDARO2_EDITOR), {QStringLiteral("--help")});
    ASSERT_TRUE(editor.waitForFinished(60000)) << "the editor did not end";
    EXPECT_EQ(editor.exitCode(), 0);
    const QString help = QString::fromUtf8(editor.readAllStandardOutput());
    EXPECT_TRUE(help.startsWith(QString::fromUtf8(GetParam().usageStart))) << help.toStdString();
}

constexpr const char* kEnglish = "Usage: quindaro2";
constexpr const char* kJapanese = "使い方: quindaro2";

INSTANTIATE_TEST_SUITE_P(
    Languages, EditorLanguageTest,
    ::testing::Values(LanguageCase{"AskedForEnglish", {{"QUINDARO2_LANG", "en"}, {"LANG", "ja_JP.UTF-8"}}, kEnglish},
                      LanguageCase{"AskedForJapanese", {{"QUINDARO2_LANG", "ja"}, {"LANG", "C.UTF-8"}}, kJapanese},
                      LanguageCase{"JapaneseSystem", {{"LANG", "ja_JP.UTF-8"}}, kJapanese},
                      LanguageCase{"OtherSystem", {{"LANG", "de_DE.UTF-8"}}, kEnglish},
                      LanguageCase{"PlainSystem", {{"LC_ALL", "C"}}, kEnglish}),
    [](const ::testing::TestParamInfo<LanguageCase>& info) { return std::string(info.param.name); });

} // namespace
