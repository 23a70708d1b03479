#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// One message of a .ts file as the translator left it.
struct Message {
    QString context;
    QString source;
    QString type;              // "unfinished", "vanished" or "obsolete"; empty when done
    QStringList translations;  // one, or one per plural form
};

struct TsFile {
    QString sourceLanguage;
    QString language;
    QList<Message> messages;
    QString error;
};

Message ReadMessage(QXmlStreamReader& xml, const QString& context)
{
    Message message{context, {}, {}, {}};
    const bool numerus = xml.attributes().value(QStringLiteral("numerus")) == QStringLiteral("yes");
    while (xml.readNextStartElement()) {
        if (xml.name() == QStringLiteral("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QStringLiteral("translation")) {
            message.type = xml.attributes().value(QStringLiteral("type")).toString();
            if (!numerus) {
                message.translations << xml.readElementText();
                continue;
            }
            while (xml.readNextStartElement())
                message.translations << xml.readElementText();
        } else {
            xml.skipCurrentElement();
        }
    }
    return message;
}

TsFile ReadTs(const QString& path)
{
    TsFile ts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ts.error = file.errorString();
        return ts;
    }
    QXmlStreamReader xml(&file);
    if (xml.readNextStartElement() && xml.name() == QStringLiteral("TS")) {
        ts.sourceLanguage = xml.attributes().value(QStringLiteral("sourcelanguage")).toString();
        ts.language = xml.attributes().value(QStringLiteral("language")).toString();
        while (xml.readNextStartElement()) {
            if (xml.name() != QStringLiteral("context")) {
                xml.skipCurrentElement();
                continue;
            }
            QString context;
            while (xml.readNextStartElement()) {
                if (xml.name() == QStringLiteral("name"))
                    context = xml.readElementText();
                else if (xml.name() == QStringLiteral("message"))
                    ts.messages << ReadMessage(xml, context);
                else
                    xml.skipCurrentElement();
            }
        }
    }
    if (xml.hasError())
        ts.error = xml.errorString();
    else if (ts.language.isEmpty())
        ts.error = QStringLiteral("no <TS> element");
    return ts;
}

QStringList Placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?(\\d+|n)"));
    QStringList found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        found << match.captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

// How many access keys a text marks: "&S", not the literal "&&".
qsizetype AccessKeys(QString text)
{
    return text.remove(QStringLiteral("&&")).count(u'&');
}

qsizetype LeadingBreaks(const QString& text)
{
    return std::find_if(text.begin(), text.end(), [](QChar c) { return c != u'\n'; }) - text.begin();
}

qsizetype TrailingBreaks(const QString& text)
{
    return std::find_if(text.rbegin(), text.rend(), [](QChar c) { return c != u'\n'; }) - text.rbegin();
}

bool HasJapanese(const QString& text)
{
    const QList<uint> characters = text.toUcs4();
    return std::any_of(characters.begin(), characters.end(), [](uint c) {
        return (c >= 0x3000 && c <= 0x30FF) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF)
            || (c >= 0xFF00 && c <= 0xFFEF);
    });
}

struct TranslationFile {
    const char* name;
    // Whether translations may keep Japanese: the game's own words inside English sentences.
    bool japaneseAllowed;
};

void PrintTo(const TranslationFile& file, std::ostream* out)
{
    *out << file.name;
}

class TranslationFileTest : public ::testing::TestWithParam<TranslationFile> {};

// Every message is translated, keeps what the program fills in or relies on,
// and nothing is left over from texts the program no longer has.
TEST_P(TranslationFileTest, EveryMessageIsTranslatedFaithfully)
{
    const TsFile ts = ReadTs(QStringLiteral(QUINDARO2_SOURCE "/translations/") + QString::fromLatin1(GetParam().name));
    ASSERT_TRUE(ts.error.isEmpty()) << ts.error.toStdString();
    EXPECT_EQ(ts.sourceLanguage, QStringLiteral("ja"));
    EXPECT_EQ(ts.language, QStringLiteral("en"));
    ASSERT_FALSE(ts.messages.isEmpty());

    for (const Message& message : ts.messages) {
        SCOPED_TRACE(message.context.toStdString() + " | " + message.source.toStdString());
        EXPECT_TRUE(message.type.isEmpty()) << "translation is " << message.type.toStdString();
        ASSERT_FALSE(message.translations.isEmpty());
        for (const QString& translation : message.translations) {
            EXPECT_FALSE(translation.trimmed().isEmpty());
            EXPECT_EQ(Placeholders(translation), Placeholders(message.source)) << translation.toStdString();
            EXPECT_EQ(AccessKeys(translation), AccessKeys(message.source)) << translation.toStdString();
            EXPECT_EQ(LeadingBreaks(translation), LeadingBreaks(message.source)) << translation.toStdString();
            EXPECT_EQ(TrailingBreaks(translation), TrailingBreaks(message.source)) << translation.toStdString();
            if (!GetParam().japaneseAllowed) {
                EXPECT_FALSE(HasJapanese(translation)) << translation.toStdString();
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(English, TranslationFileTest,
                         ::testing::Values(TranslationFile{"quindaro2_gui_en.ts", false}));

} // namespace
