#include "cli/TeamRows.h"

#include "cli/CommandLine.h"
#include "core/export/PlayerExport.h"
#include "core/roster/CellText.h"

#include <QJsonArray>

namespace quindaro2::cli {

namespace {

QJsonObject GridJson(int edition, const GridRows& grid)
{
    const std::span<const ColumnDescriptor> columns = Columns(grid.grid, edition);
    QJsonArray headings;
    for (const ColumnDescriptor& column : columns)
        headings.append(QJsonObject{{QStringLiteral("heading"), column.header},
                                    {QStringLiteral("field"), FieldWord(column.kind)}});
    QJsonArray rows;
    for (const RecordRow& row : grid.rows) {
        QJsonArray cells;
        for (qsizetype c = 0; c < row.cells.size() && c < static_cast<qsizetype>(columns.size()); ++c)
            cells.append(CellValue(columns[static_cast<std::size_t>(c)], row.cells[c]));
        rows.append(QJsonObject{{QStringLiteral("row"), row.row},
                                {QStringLiteral("cells"), cells},
                                {QStringLiteral("bytes"), HexText(row.bytes)}});
    }
    return {{QStringLiteral("recordSize"), RecordSize(grid.grid, edition).value_or(0)},
            {QStringLiteral("columns"), headings},
            {QStringLiteral("rows"), rows}};
}

} // namespace

QByteArray RecordBytes(const RecordRead& read)
{
    return QByteArray(reinterpret_cast<const char*>(read.record.bytes.data()), read.bytesRead);
}

TeamRows ReadTeamRows(int edition, const TeamView& team, const RomImage& image)
{
    TeamRows rows{edition, team.team, team.statistics, team.HelmetColorCode, team.UniformColorCode, {}};
    for (const RecordKind kind : {RecordKind::Batter, RecordKind::Pitcher, RecordKind::Manager}) {
        const TextGrid& grid = team.grid(kind);
        if (grid.rowCount() == 0)
            continue;
        GridRows shown{kind, {}};
        for (int row = 1; row < grid.rowCount(); ++row) {
            QStringList cells;
            for (int column = 1; column < grid.columnCount(); ++column)
                cells << grid.cell(column, row);
            shown.rows.push_back({row, cells, RecordBytes(image.record(kind, edition, team.team, row - 1))});
        }
        rows.grids.push_back(std::move(shown));
    }
    return rows;
}

QJsonObject TeamJson(const TeamRows& team)
{
    QJsonObject grids;
    for (const GridRows& grid : team.grids)
        grids.insert(GridWord(grid.grid), GridJson(team.edition, grid));
    return {{QStringLiteral("index"), team.team},
            {QStringLiteral("code"), TeamLabel(team.edition, team.team)},
            {QStringLiteral("colors"),
             QJsonObject{{QStringLiteral("helmet"), team.helmet}, {QStringLiteral("uniform"), team.uniform}}},
            {QStringLiteral("figures"),
             QJsonObject{{QStringLiteral("battingAverage"), team.figures.AverageLabel},
                         {QStringLiteral("homeRuns"), team.figures.HomerunLabel},
                         {QStringLiteral("running"), team.figures.RunLabel},
                         {QStringLiteral("earnedRunAverage"), team.figures.ErrorLabel}}},
            {QStringLiteral("grids"), grids}};
}

CsvTable TeamsCsv(std::span<const TeamRows> teams)
{
    CsvTable table{{QStringLiteral("team"), QStringLiteral("code"), QStringLiteral("grid"), QStringLiteral("row"),
                    QStringLiteral("column"), QStringLiteral("field"), QStringLiteral("heading"),
                    QStringLiteral("text"), QStringLiteral("bytes")},
                   {}};
    for (const TeamRows& team : teams) {
        for (const GridRows& grid : team.grids) {
            const std::span<const ColumnDescriptor> columns = Columns(grid.grid, team.edition);
            for (const RecordRow& row : grid.rows) {
                for (qsizetype c = 0; c < row.cells.size() && c < static_cast<qsizetype>(columns.size()); ++c) {
                    const ColumnDescriptor& column = columns[static_cast<std::size_t>(c)];
                    table.rows.push_back({QString::number(team.team), TeamLabel(team.edition, team.team),
                                          GridWord(grid.grid), QString::number(row.row), QString::number(c + 1),
                                          FieldWord(column.kind), column.header, row.cells[c], HexText(row.bytes)});
                }
            }
        }
    }
    return table;
}

QString FieldWord(ColumnKind kind)
{
    switch (kind) {
    case ColumnKind::Name: return QStringLiteral("name");
    case ColumnKind::BattingSide: return QStringLiteral("battingSide");
    case ColumnKind::PitchingForm: return QStringLiteral("pitchingForm");
    case ColumnKind::BattingAverage: return QStringLiteral("battingAverage");
    case ColumnKind::HomeRuns: return QStringLiteral("homeRuns");
    case ColumnKind::ShownAverage: return QStringLiteral("shownAverage");
    case ColumnKind::ShownHomeRuns: return QStringLiteral("shownHomeRuns");
    case ColumnKind::Running: return QStringLiteral("running");
    case ColumnKind::Position: return QStringLiteral("position");
    case ColumnKind::Fielding: return QStringLiteral("fielding");
    case ColumnKind::Arm: return QStringLiteral("arm");
    case ColumnKind::EarnedRunAverage: return QStringLiteral("earnedRunAverage");
    case ColumnKind::FastSpeed: return QStringLiteral("fastSpeed");
    case ColumnKind::AverageSpeed: return QStringLiteral("averageSpeed");
    case ColumnKind::SlowSpeed: return QStringLiteral("slowSpeed");
    case ColumnKind::Stamina: return QStringLiteral("stamina");
    case ColumnKind::RightBreak: return QStringLiteral("rightBreak");
    case ColumnKind::LeftBreak: return QStringLiteral("leftBreak");
    case ColumnKind::Fork: return QStringLiteral("fork");
    case ColumnKind::Popularity: return QStringLiteral("popularity");
    case ColumnKind::Type: return QStringLiteral("type");
    case ColumnKind::UniformNumber: return QStringLiteral("uniformNumber");
    case ColumnKind::Uniform: return QStringLiteral("uniform");
    }
    return {};
}

QJsonValue CellValue(const ColumnDescriptor& column, const QString& text)
{
    if (column.isName() || column.choices)
        return text;
    if (text.isEmpty())
        return QJsonValue::Null;
    if (const std::optional<int> number = StrictInteger(text))
        return *number;
    return text;
}

} // namespace quindaro2::cli
