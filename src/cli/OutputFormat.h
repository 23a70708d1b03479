#pragma once

#include "cli/CommandLine.h"
#include "cli/Io.h"

#include <QCommandLineOption>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace quindaro2::cli {

// What a command writes on standard output: lines for people in their
// language, or JSON or CSV for scripts, the same in every language.
enum class OutputFormat { Text, Json, Csv };

// The --format option and its help line.
QCommandLineOption FormatOption();
QString FormatHelp();
// The format --format asks for (text without it); none after the usage error.
std::optional<OutputFormat> RequireFormat(const QString& command, const Arguments& arguments, Io& io);

// What 'help formats' shows: every key and column, and an example.
QString FormatsHelp();

// The document on standard output as one line of UTF-8; no control
// character is written as it is.
void PrintJson(Io& io, const QJsonObject& document);

// A table for CSV: the column names, then the rows, each as long as the names.
struct CsvTable {
    QStringList columns;
    QList<QStringList> rows;
};

// The table on standard output: comma-separated lines ending in LF, for the
// tools scripts use. Control characters show as \xNN (so no field holds a
// line break); a field holding a comma or a quote is quoted, its quotes doubled.
void PrintCsv(Io& io, const CsvTable& table);

// Bytes as scripts read them: lower-case hex, two digits a byte.
QString HexText(const QByteArray& bytes);

} // namespace quindaro2::cli
