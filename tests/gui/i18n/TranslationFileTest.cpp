#include "support/QtPrinters.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
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

// Each message as "context | source".
QSet<QString> Keys(const TsFile& ts)
{
    QSet<QString> keys;
    for (const Message& message : ts.messages)
        keys << message.context + QStringLiteral(" | ") + message.source;
    return keys;
}

struct TranslationFile {
    const char* name;
    const char* sources;  // the folder under src/ whose texts the file translates
    // Whether translations may keep Japanese: the game's own words inside English sentences.
    bool japaneseAllowed;
};

QString TsPath(const TranslationFile& file)
{
    return QStringLiteral(QUINDARO2_SOURCE "/translations/") + QString::fromLatin1(file.name);
}

void PrintTo(const TranslationFile& file, std::ostream* out)
{
    *out << file.name;
}

class TranslationFileTest : public ::testing::TestWithParam<TranslationFile> {};

// Every message is translated, keeps what the program fills in or relies on,
// and nothing is left over from texts the program no longer has.
TEST_P(TranslationFileTest, EveryMessageIsTranslatedFaithfully)
{
    const TsFile ts = ReadTs(TsPath(GetParam()));
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

// A text marked in the sources but missing from the file would stay Japanese
// in the English program; one in the file but gone from the sources is dead.
TEST_P(TranslationFileTest, HoldsExactlyTheTextsOfTheSources)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString scanned = folder.filePath(QStringLiteral("scanned_en.ts"));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(QUINDARO2_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-I"),
                   QStringLiteral(QUINDARO2_SOURCE "/src"),
                   QStringLiteral(QUINDARO2_SOURCE "/src/") + QString::fromLatin1(GetParam().sources),
                   QStringLiteral("-ts"), scanned});
    ASSERT_TRUE(lupdate.waitForFinished(60000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAll().toStdString();

    const TsFile committed = ReadTs(TsPath(GetParam()));
    const TsFile fromSources = ReadTs(scanned);
    ASSERT_TRUE(fromSources.error.isEmpty()) << fromSources.error.toStdString();
    EXPECT_EQ(QStringList(Keys(fromSources).subtract(Keys(committed)).values()), QStringList())
        << "marked in the sources, missing from the file: run the lupdate target";
    EXPECT_EQ(QStringList(Keys(committed).subtract(Keys(fromSources)).values()), QStringList())
        << "in the file, gone from the sources";
}

INSTANTIATE_TEST_SUITE_P(English, TranslationFileTest,
                         ::testing::Values(TranslationFile{"quindaro2_gui_en.ts", "gui", false}));

} // namespace
