#include "cli/ImportOutput.h"

#include "cli/CommandLine.h"
#include "cli/TeamRows.h"
#include "core/edition/ColumnTable.h"
#include "core/export/PlayerExport.h"

#include <QJsonArray>

namespace quindaro2::cli {

namespace {

// The import names a cell's column by the heading the export wrote.
const ColumnDescriptor* ColumnHeaded(RecordKind grid, int edition, const QString& heading)
{
    for (const ColumnDescriptor& column : Columns(grid, edition)) {
        if (column.header == heading)
            return &column;
    }
    return nullptr;
}

QJsonValue ChangedValue(const ColumnDescriptor* column, const QString& text)
{
    return column ? CellValue(*column, text) : QJsonValue(text);
}

QString RecordHex(const RomImage& image, const ImportedCell& change, int edition)
{
    return HexText(RecordBytes(image.record(change.grid, edition, change.team, change.slot)));
}

} // namespace

QJsonObject ImportJson(const ImportRun& run, const RomImage& original)
{
    const int edition = run.edition;
    QJsonArray teams;
    for (const int team : run.import.teams)
        teams.append(team);
    QJsonArray changes;
    for (const ImportedCell& change : run.import.changes) {
        const ColumnDescriptor* column = ColumnHeaded(change.grid, edition, change.heading);
        changes.append(QJsonObject{{QStringLiteral("team"), change.team},
                                   {QStringLiteral("code"), TeamLabel(edition, change.team)},
                                   {QStringLiteral("grid"), GridWord(change.grid)},
                                   {QStringLiteral("row"), change.slot + 1},
                                   {QStringLiteral("player"), change.player},
                                   {QStringLiteral("field"), column ? FieldWord(column->kind) : QString()},
                                   {QStringLiteral("heading"), change.heading},
                                   {QStringLiteral("before"), ChangedValue(column, change.before)},
                                   {QStringLiteral("after"), ChangedValue(column, change.after)},
                                   {QStringLiteral("bytesBefore"), RecordHex(original, change, edition)},
                                   {QStringLiteral("bytesAfter"), RecordHex(run.import.image, change, edition)}});
    }
    QJsonArray problems;
    for (const ImportProblem& problem : run.import.problems)
        problems.append(QJsonObject{{QStringLiteral("file"), problem.file},
                                    {QStringLiteral("line"), problem.line},
                                    {QStringLiteral("heading"), problem.column},
                                    {QStringLiteral("text"), problem.text}});
    return {{QStringLiteral("edition"), edition > 0 ? QJsonValue(edition) : QJsonValue()},
            {QStringLiteral("accepted"), run.import.ok()},
            {QStringLiteral("teams"), teams},
            {QStringLiteral("changes"), changes},
            {QStringLiteral("problems"), problems}};
}

CsvTable ImportCsv(const ImportRun& run)
{
    CsvTable table{{QStringLiteral("team"), QStringLiteral("code"), QStringLiteral("grid"), QStringLiteral("row"),
                    QStringLiteral("player"), QStringLiteral("field"), QStringLiteral("heading"),
                    QStringLiteral("before"), QStringLiteral("after")},
                   {}};
    for (const ImportedCell& change : run.import.changes) {
        const ColumnDescriptor* column = ColumnHeaded(change.grid, run.edition, change.heading);
        table.rows.push_back({QString::number(change.team), TeamLabel(run.edition, change.team),
                              GridWord(change.grid), QString::number(change.slot + 1), change.player,
                              column ? FieldWord(column->kind) : QString(), change.heading, change.before,
                              change.after});
    }
    return table;
}

} // namespace quindaro2::cli
