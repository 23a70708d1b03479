#include "cli/CommandLine.h"

#include "core/export/PlayerExport.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace quindaro2::cli {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

QString TeamList(int edition)
{
    QStringList teams;
    for (int team = 0; team < TeamCount(edition); ++team)
        teams << QStringLiteral("%1=%2").arg(team).arg(TeamLabel(edition, team));
    return teams.join(QStringLiteral(", "));
}

// The parser takes "-5" for a bundle of short options; such arguments stand
// in its input for a mark that no user types, and come back afterwards.
QString Mark(qsizetype index)
{
    return QStringLiteral("\u0001%1").arg(index);
}

QString Unmark(const QString& text, const QStringList& original)
{
    if (!text.startsWith(u'\u0001'))
        return text;
    bool number = false;
    const int index = QStringView(text).mid(1).toInt(&number);
    return number && index >= 0 && index < original.size() ? original[index] : text;
}

bool LooksLikeANegativeNumber(const QString& argument)
{
    return argument.size() > 1 && argument[0] == u'-' && argument[1].isDigit();
}

} // namespace

Arguments Arguments::Parse(const QStringList& arguments, const std::vector<QCommandLineOption>& options)
{
    Arguments result;
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOption(help);
    for (const QCommandLineOption& option : options)
        parser.addOption(option);

    // Said in the tool's words before the parser says them in its own.
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        for (const QCommandLineOption& option : options) {
            const QString dashed = QStringLiteral("--") + option.names().constFirst();
            if (option.valueName().isEmpty() && arguments[i].startsWith(dashed + u'=')) {
                result.error_ = Text::tr("%1 は値をとりません").arg(dashed);
                return result;
            }
            if (!option.valueName().isEmpty() && arguments[i] == dashed && i + 1 == arguments.size()) {
                result.error_ = Text::tr("%1 には値が必要です").arg(dashed);
                return result;
            }
        }
        if (arguments[i] == QStringLiteral("--"))
            break;
    }

    QStringList input{QStringLiteral("quindaro2-cli")};
    for (qsizetype i = 0; i < arguments.size(); ++i)
        input << (LooksLikeANegativeNumber(arguments[i]) ? Mark(i) : arguments[i]);
    if (!parser.parse(input)) {
        const QStringList unknown = parser.unknownOptionNames();
        result.error_ = unknown.isEmpty()
            ? Text::tr("引数を読めません：%1").arg(parser.errorText())
            : Text::tr("不明なオプションです：%1%2")
                  .arg(unknown.first().size() > 1 ? QStringLiteral("--") : QStringLiteral("-"), unknown.first());
        return result;
    }
    result.help_ = parser.isSet(help);
    for (const QCommandLineOption& option : options) {
        const QString name = option.names().constFirst();
        const QString dashed = QStringLiteral("--") + name;
        if (parser.optionNames().count(name) > 1) {
            result.error_ = Text::tr("%1 が2回あります").arg(dashed);
            return result;
        }
        if (!parser.isSet(option))
            continue;
        if (option.valueName().isEmpty())
            result.flags_ << dashed;
        else
            result.values_.insert(dashed, Unmark(parser.value(option), arguments));
    }
    for (const QString& positional : parser.positionalArguments())
        result.positionals_ << Unmark(positional, arguments);
    return result;
}

std::optional<int> ParseIndex(const QString& text)
{
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    return text.toInt();
}

std::optional<RecordKind> ParseGrid(const QString& name)
{
    for (const RecordKind kind : {RecordKind::Batter, RecordKind::Pitcher, RecordKind::Manager}) {
        if (name == GridWord(kind))
            return kind;
    }
    return std::nullopt;
}

QString GridWord(RecordKind grid)
{
    switch (grid) {
    case RecordKind::Batter: return QStringLiteral("batter");
    case RecordKind::Pitcher: return QStringLiteral("pitcher");
    case RecordKind::Manager: return QStringLiteral("manager");
    }
    return {};
}

TeamChoice ParseTeam(int edition, const QString& text)
{
    TeamChoice choice;
    const int teams = TeamCount(edition);
    if (const std::optional<int> index = ParseIndex(text)) {
        if (*index < teams)
            choice.team = *index;
        else
            choice.error = Text::tr("%1年版のチーム番号は 0～%2 です（%3）：%4")
                               .arg(edition)
                               .arg(teams - 1)
                               .arg(TeamList(edition), text);
        return choice;
    }
    QList<int> matches;
    for (int team = 0; team < teams; ++team) {
        if (TeamCode(edition, team) == text || TeamLabel(edition, team) == text)
            matches << team;
    }
    if (matches.size() == 1) {
        choice.team = matches.first();
    } else if (matches.isEmpty()) {
        choice.error = Text::tr("%1年版にチームコード「%2」はありません（%3）").arg(edition).arg(text, TeamList(edition));
    } else {
        QStringList indexes;
        for (int team : matches)
            indexes << QString::number(team);
        choice.error = Text::tr("チームコード「%1」は%2年版に%3つあります（番号 %4）。番号で指定してください")
                           .arg(text, QString::number(edition), QString::number(matches.size()),
                                indexes.join(Text::tr("、")));
    }
    return choice;
}

} // namespace quindaro2::cli
