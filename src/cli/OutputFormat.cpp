#include "cli/OutputFormat.h"

#include "core/detect/EditionDetection.h"

#include <QCoreApplication>
#include <QJsonDocument>

namespace quindaro2::cli {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(OutputFormat)
};

QString CsvField(const QString& text)
{
    static const QString special = QStringLiteral(",\"\r\n");
    for (const QChar c : text) {
        if (special.contains(c))
            return u'"' + QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
    }
    return text;
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
    io.printText(QString::fromUtf8(QJsonDocument(document).toJson(QJsonDocument::Compact)) + u'\n');
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
