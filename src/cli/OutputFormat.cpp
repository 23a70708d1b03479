#include "cli/OutputFormat.h"

#include "core/detect/EditionDetection.h"

#include <QCoreApplication>
#include <QJsonDocument>

namespace quindaro2::cli {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(OutputFormat)
};

// Control characters show as \xNN, as in every line the tool prints.
QString CsvField(const QString& text)
{
    const QString safe = TerminalSafe(text);
    if (safe.contains(u',') || safe.contains(u'"'))
        return u'"' + QString(safe).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
    return safe;
}

// The serializer escapes C0 controls only; DEL and C1 controls must not reach
// a terminal either, and inside a JSON string \u00NN keeps their value.
QString JsonTerminalSafe(const QString& json)
{
    QString safe;
    safe.reserve(json.size());
    for (const QChar c : json) {
        if (c.unicode() >= 0x7F && c.unicode() <= 0x9F)
            safe += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            safe += c;
    }
    return safe;
}

QString CsvLine(const QStringList& fields)
{
    QStringList quoted;
    for (const QString& field : fields)
        quoted << CsvField(field);
    return quoted.join(u',') + u'\n';
}

} // namespace

QCommandLineOption FormatOption()
{
    return QCommandLineOption(QStringLiteral("format"), QString(), QStringLiteral("F"));
}

QString FormatHelp()
{
    return Text::tr("  --format F    出力の形式: text（既定）、json、csv。json と csv はどの言語でも\n"
                    "                同じで、その形は 'quindaro2-cli help formats' で表示します\n");
}

std::optional<OutputFormat> RequireFormat(const QString& command, const Arguments& arguments, Io& io)
{
    const QString option = QStringLiteral("--format");
    if (!arguments.isSet(option))
        return OutputFormat::Text;
    const QString name = arguments.value(option);
    if (name == QStringLiteral("text"))
        return OutputFormat::Text;
    if (name == QStringLiteral("json"))
        return OutputFormat::Json;
    if (name == QStringLiteral("csv"))
        return OutputFormat::Csv;
    io.usageError(command, Text::tr("形式は text、json、csv のどれかです：%1").arg(name));
    return std::nullopt;
}

void PrintJson(Io& io, const QJsonObject& document)
{
    io.printText(JsonTerminalSafe(QString::fromUtf8(QJsonDocument(document).toJson(QJsonDocument::Compact))) + u'\n');
}

void PrintCsv(Io& io, const CsvTable& table)
{
    QString text = CsvLine(table.columns);
    for (const QStringList& row : table.rows)
        text += CsvLine(row);
    io.printText(text);
}

QString HexText(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex());
}

} // namespace quindaro2::cli
