#include "support/JapaneseText.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <set>
#include <vector>

namespace quindaro2 {
namespace {

// One message of a .ts file as lupdate keeps it.
struct TsMessage {
    QString context;
    QString source;
    QString type;       // of the translation: "unfinished", "vanished", "obsolete" or none
    QStringList forms;  // the translation, or its plural forms
    bool plural = false;
};

// The text of the element the reader stands on; <byte value="xd"/> is the
// character it names.
QString ElementText(QXmlStreamReader& reader)
{
    QString text;
    const QString element = reader.name().toString();
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isCharacters()) {
            text += reader.text();
        } else if (reader.isStartElement() && reader.name() == QStringLiteral("byte")) {
            text += QChar(reader.attributes().value(QStringLiteral("value")).mid(1).toUInt(nullptr, 16));
        } else if (reader.isEndElement() && reader.name() == element) {
            break;
        }
    }
    return text;
}

std::vector<TsMessage> ReadTs(const QString& path, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return {};
    }
    std::vector<TsMessage> messages;
    QString context;
    QXmlStreamReader reader(&file);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == QStringLiteral("name")) {
            context = reader.readElementText();
        } else if (reader.name() == QStringLiteral("message")) {
            const bool plural = reader.attributes().value(QStringLiteral("numerus")) == QStringLiteral("yes");
            messages.push_back({context, {}, {}, {}, plural});
        } else if (reader.name() == QStringLiteral("source")) {
            messages.back().source = ElementText(reader);
        } else if (reader.name() == QStringLiteral("translation")) {
            TsMessage& message = messages.back();
            message.type = reader.attributes().value(QStringLiteral("type")).toString();
            if (!message.plural)
                message.forms << ElementText(reader);
        } else if (reader.name() == QStringLiteral("numerusform")) {
            messages.back().forms << ElementText(reader);
        }
    }
    if (reader.hasError())
        error = reader.errorString();
    return messages;
}

std::set<QString> Matches(const QRegularExpression& pattern, const QString& text)
{
    std::set<QString> found;
    for (QRegularExpressionMatchIterator it = pattern.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured(1));
    return found;
}

// %1 … %99 and %n: a translation that loses one shows a raw placeholder or
// drops a value.
std::set<QString> Placeholders(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("(%(?:\\d{1,2}|n))"));
    return Matches(pattern, text);
}

// The heads of the items of a help text ("  --row R", "  create"), which
// the manual page and the completion check read.
std::set<QString> ItemHeads(const QString& text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^  (--?[a-z][a-z0-9-]*(?: [A-Z]+)?|[a-z][a-z0-9-]*(?=  ))"),
        QRegularExpression::MultilineOption);
    return Matches(pattern, text);
}

// Why the message's English cannot stand in for its source; empty when it can.
QStringList Problems(const TsMessage& message)
{
    QStringList problems;
    if (message.type == QStringLiteral("vanished") || message.type == QStringLiteral("obsolete"))
        return {QStringLiteral("is no longer in the sources (remove it, e.g. lupdate -no-obsolete)")};
    if (message.type == QStringLiteral("unfinished"))
        problems << QStringLiteral("is unfinished");
    if (message.forms.isEmpty())
        problems << QStringLiteral("has no translation");
    for (const QString& form : message.forms) {
        if (form.isEmpty())
            problems << QStringLiteral("has an empty translation");
        else if (Placeholders(form) != Placeholders(message.source))
            problems << QStringLiteral("has other placeholders in \"%1\"").arg(form);
        if (!test::LineWithJapaneseOutsideQuotes(form).isEmpty())
            problems << QStringLiteral("keeps Japanese outside quotes in \"%1\"").arg(form);
        if (form.endsWith(u'\n') != message.source.endsWith(u'\n'))
            problems << QStringLiteral("ends its last line otherwise than the source");
        if (ItemHeads(form) != ItemHeads(message.source))
            problems << QStringLiteral("lists other help items in \"%1\"").arg(form);
    }
    return problems;
}

class TranslationFileTest : public ::testing::TestWithParam<const char*> {};

// Every text the part marks has its English, and the English keeps what
// the programs and the packaging rely on.
TEST_P(TranslationFileTest, EveryMessageHasItsEnglish)
{
    const QString path = QStringLiteral(QUINDARO2_SOURCE "/translations/quindaro2_%1_en.ts").arg(QLatin1String(GetParam()));
    QString error;
    const std::vector<TsMessage> messages = ReadTs(path, error);
    ASSERT_TRUE(error.isEmpty()) << path.toStdString() << ": " << error.toStdString();
    EXPECT_FALSE(messages.empty()) << path.toStdString() << " lists no texts";
    for (const TsMessage& message : messages) {
        for (const QString& problem : Problems(message))
            ADD_FAILURE() << message.context.toStdString() << " \"" << message.source.toStdString() << "\" "
                          << problem.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Parts, TranslationFileTest, ::testing::Values("core", "cli"));

// The checks themselves, on messages that each break one rule.
struct BadMessage {
    const char* name;
    TsMessage message;
};

void PrintTo(const BadMessage& c, std::ostream* out)
{
    *out << c.name;
}

class TranslationRuleTest : public ::testing::TestWithParam<BadMessage> {};

TEST_P(TranslationRuleTest, IsFound)
{
    EXPECT_FALSE(Problems(GetParam().message).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Rules, TranslationRuleTest,
    ::testing::Values(
        BadMessage{"Unfinished", {QStringLiteral("C"), QStringLiteral("ファイルが空です"), QStringLiteral("unfinished"), {QString()}}},
        BadMessage{"Vanished", {QStringLiteral("C"), QStringLiteral("ファイルが空です"), QStringLiteral("vanished"), {QStringLiteral("The file is empty")}}},
        BadMessage{"LostPlaceholder", {QStringLiteral("C"), QStringLiteral("%1 に書き込めません（%2）"), {}, {QStringLiteral("Cannot write %1")}}},
        BadMessage{"EmptyPluralForm", {QStringLiteral("C"), QStringLiteral("%n チーム"), {}, {QStringLiteral("%n team"), QString()}, true}},
        BadMessage{"Untranslated", {QStringLiteral("C"), QStringLiteral("ファイルが空です"), {}, {QStringLiteral("ファイルが空です")}}},
        BadMessage{"LostLineEnd", {QStringLiteral("C"), QStringLiteral("  --team T      チーム\n"), {}, {QStringLiteral("  --team T      team")}}},
        BadMessage{"RenamedOption", {QStringLiteral("C"), QStringLiteral("  --row R       行\n"), {}, {QStringLiteral("  --line R      row\n")}}}),
    [](const ::testing::TestParamInfo<BadMessage>& info) { return std::string(info.param.name); });

} // namespace
} // namespace quindaro2
