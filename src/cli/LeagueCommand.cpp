#include "cli/Command.h"

#include "cli/OutputFormat.h"
#include "cli/TeamRows.h"
#include "cli/TerminalText.h"
#include "core/edition/EditionProfile.h"
#include "core/file/RomFile.h"
#include "core/league/LeagueFilter.h"
#include "core/roster/GridName.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace quindaro2::cli {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(LeagueCommand)
};

// Every field of the grids once, in grid order, with a column showing it.
std::vector<const ColumnDescriptor*> LeagueFields(const EditionProfile& profile, const std::vector<RecordKind>& grids)
{
    std::vector<const ColumnDescriptor*> fields;
    for (const RecordKind grid : grids) {
        for (const ColumnDescriptor& column : profile.columns(grid)) {
            const auto same = [&](const ColumnDescriptor* known) { return known->kind == column.kind; };
            if (std::none_of(fields.begin(), fields.end(), same))
                fields.push_back(&column);
        }
    }
    return fields;
}

// The row's cell of the field's kind; none when its grid lacks it.
const QString* FieldCell(const EditionProfile& profile, const LeagueRow& row, ColumnKind kind)
{
    int column = 0;
    if (!profile.columnOfKind(row.grid, kind, &column))
        return nullptr;
    return &row.cells[column - 1];
}

class LeagueCommand : public Command {
public:
    QString name() const override { return QStringLiteral("league"); }

    QString summary() const override { return Text::tr("全チームの全選手を1つの表にして表示する"); }

    QString help() const override
    {
        return Text::tr("使い方: quindaro2-cli league --edition E ROM [--grid batter|pitcher|manager] [--team T]\n"
                        "                            [--find TEXT] [--sort COLUMN [--descending]] [--format text|json|csv]\n"
                        "\n"
                        "全チームの選手を1人1行で、チーム、表、行、エディタの表と同じ各列の値とともに表示します。\n"
                        "\n")
            + EditionOrAutoHelp()
            + Text::tr("  --grid G      その表の選手だけ: batter、pitcher、manager\n"
                       "  --team T      そのチームの選手だけ（0 から数える番号か、その版で一つしかないチームコード）\n"
                       "  --find TEXT   名前にその文字を含む選手だけ。ローマ字（tanaka）はかなに変えて探します\n"
                       "  --sort COLUMN その列の順に並べる: 列の見出しか英語の項目名（homeRuns など）。\n"
                       "                数は数として、名前はその版の文字の順に並べます\n"
                       "  --descending  大きい順に並べる\n")
            + FormatHelp()
            + Text::tr("\n"
                       "--format json は {\"edition\", \"players\"} で、players の各要素は team（番号）、code\n"
                       "（同じコードのチームが2つあれば \"C (13)\" のように番号つき）、grid、row（1 から）と、\n"
                       "項目名（name、homeRuns など）ごとのセルを持つ fields です。--format csv は選手ごとに\n"
                       "1行で、列は team,code,grid,row とその版のすべての項目名です（その表にない項目は空）。\n");
    }

    std::vector<QCommandLineOption> options() const override
    {
        return {EditionOption(),
                TeamOption(),
                QCommandLineOption(QStringLiteral("grid"), QString(), QStringLiteral("G")),
                QCommandLineOption(QStringLiteral("find"), QString(), QStringLiteral("TEXT")),
                QCommandLineOption(QStringLiteral("sort"), QString(), QStringLiteral("COLUMN")),
                QCommandLineOption(QStringLiteral("descending")),
                FormatOption()};
    }

    int run(const Arguments& arguments, Io& io) const override
    {
        const std::optional<EditionChoice> choice = RequireEditionChoice(name(), arguments, io);
        if (!choice)
            return kExitUsage;
        const std::optional<OutputFormat> format = RequireFormat(name(), arguments, io);
        if (!format)
            return kExitUsage;
        LeagueFilter filter;
        filter.name = arguments.value(QStringLiteral("--find"));
        if (arguments.isSet(QStringLiteral("--grid"))) {
            filter.grid = ParseGrid(arguments.value(QStringLiteral("--grid")));
            if (!filter.grid)
                return io.usageError(name(), Text::tr("表は batter、pitcher、manager のどれかです：%1")
                                                 .arg(arguments.value(QStringLiteral("--grid"))));
        }
        if (arguments.positionals().size() != 1)
            return io.usageError(name(), Text::tr("ROM のファイル名が1つ必要です"));
        const QString& rom = arguments.positionals()[0];
        const Result<RomImage> image = ReadRomFile(rom);
        if (!image)
            return io.fileError(image.reason());
        const std::optional<int> edition = ResolveEdition(*choice, image.value(), io);
        if (!edition)
            return kExitUsage;
        const EditionProfile& profile = *FindProfile(*edition);
        if (filter.grid && profile.slots(*filter.grid) == 0)
            return io.usageError(name(), Text::tr("%1年版には監督の表がありません").arg(*edition));
        if (arguments.isSet(QStringLiteral("--team"))) {
            const std::optional<int> team = RequireTeam(name(), arguments, *edition, io);
            if (!team)
                return kExitUsage;
            filter.team = team;
        }

        const LeagueTable table = BuildLeagueTable(profile, image.value());
        std::vector<int> rows = FilterLeague(profile, table, filter);
        if (arguments.isSet(QStringLiteral("--sort"))) {
            const std::optional<QString> heading = SortHeading(profile, arguments.value(QStringLiteral("--sort")));
            if (!heading)
                return io.usageError(name(), Text::tr("その版に %1 の列はありません。列は %2 です")
                                                 .arg(arguments.value(QStringLiteral("--sort")),
                                                      LeagueHeadings(profile).join(QStringLiteral("、"))));
            SortLeague(profile, table, *heading, arguments.isSet(QStringLiteral("--descending")), rows);
        }
        switch (*format) {
        case OutputFormat::Json: printJson(profile, table, rows, io); break;
        case OutputFormat::Csv: printCsv(profile, table, rows, io); break;
        case OutputFormat::Text: printText(profile, table, rows, io); break;
        }
        return kExitOk;
    }

private:
    // A heading of the edition's grids, or the English word of a field one shows.
    static std::optional<QString> SortHeading(const EditionProfile& profile, const QString& asked)
    {
        // Headings are padded with full-width blanks to line up; "名前" means "名　前　　".
        const auto unpadded = [](QString text) { return text.remove(u'　'); };
        for (const ColumnDescriptor* column : LeagueFields(profile, LeagueGrids(profile))) {
            if (column->header == asked || unpadded(column->header) == unpadded(asked) || FieldWord(column->kind) == asked)
                return column->header;
        }
        return std::nullopt;
    }

    static void printJson(const EditionProfile& profile, const LeagueTable& table, const std::vector<int>& rows, Io& io)
    {
        QJsonArray players;
        for (const int i : rows) {
            const LeagueRow& row = table.rows[static_cast<std::size_t>(i)];
            QJsonObject fields;
            const std::span<const ColumnDescriptor> columns = profile.columns(row.grid);
            for (std::size_t c = 0; c < columns.size(); ++c)
                fields.insert(FieldWord(columns[c].kind), CellValue(columns[c], row.cells[static_cast<qsizetype>(c)]));
            players.append(QJsonObject{{QStringLiteral("team"), row.team},
                                       {QStringLiteral("code"), LeagueTeamLabel(profile, row.team)},
                                       {QStringLiteral("grid"), GridWord(row.grid)},
                                       {QStringLiteral("row"), row.slot + 1},
                                       {QStringLiteral("fields"), fields}});
        }
        PrintJson(io, {{QStringLiteral("edition"), profile.year}, {QStringLiteral("players"), players}});
    }

    // Every field of the edition, so that the columns do not depend on the filter.
    static void printCsv(const EditionProfile& profile, const LeagueTable& table, const std::vector<int>& rows, Io& io)
    {
        const std::vector<const ColumnDescriptor*> fields = LeagueFields(profile, LeagueGrids(profile));
        CsvTable csv;
        csv.columns = {QStringLiteral("team"), QStringLiteral("code"), QStringLiteral("grid"), QStringLiteral("row")};
        for (const ColumnDescriptor* field : fields)
            csv.columns << FieldWord(field->kind);
        for (const int i : rows) {
            const LeagueRow& row = table.rows[static_cast<std::size_t>(i)];
            QStringList line{QString::number(row.team), LeagueTeamLabel(profile, row.team), GridWord(row.grid),
                             QString::number(row.slot + 1)};
            for (const ColumnDescriptor* field : fields) {
                const QString* cell = FieldCell(profile, row, field->kind);
                line << (cell ? *cell : QString());
            }
            csv.rows << line;
        }
        PrintCsv(io, csv);
    }

    // The fields of the grids shown only, so that a table of pitchers holds no batters' columns.
    static void printText(const EditionProfile& profile, const LeagueTable& table, const std::vector<int>& rows, Io& io)
    {
        std::vector<RecordKind> shown;
        for (const RecordKind grid : LeagueGrids(profile)) {
            const auto ofGrid = [&](int i) { return table.rows[static_cast<std::size_t>(i)].grid == grid; };
            if (std::any_of(rows.begin(), rows.end(), ofGrid))
                shown.push_back(grid);
        }
        const std::vector<const ColumnDescriptor*> fields = LeagueFields(profile, shown);
        TextGrid grid;
        const int fixed = 3;
        grid.reset(fixed + static_cast<int>(fields.size()), static_cast<int>(rows.size()) + 1);
        grid.setCell(0, 0, Text::tr("チーム"));
        grid.setCell(1, 0, Text::tr("表"));
        grid.setCell(2, 0, Text::tr("行"));
        for (std::size_t f = 0; f < fields.size(); ++f)
            grid.setCell(fixed + static_cast<int>(f), 0, fields[f]->header);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const LeagueRow& row = table.rows[static_cast<std::size_t>(rows[r])];
            const int line = static_cast<int>(r) + 1;
            grid.setCell(0, line, LeagueTeamLabel(profile, row.team));
            grid.setCell(1, line, GridName(row.grid));
            grid.setCell(2, line, QString::number(row.slot + 1));
            for (std::size_t f = 0; f < fields.size(); ++f) {
                const QString* cell = FieldCell(profile, row, fields[f]->kind);
                grid.setCell(fixed + static_cast<int>(f), line, cell ? *cell : QStringLiteral("-"));
            }
        }
        for (const QString& text : FormatGrid(grid))
            io.print(text);
        io.note(Text::tr("%1人").arg(rows.size()));
    }
};

} // namespace

std::unique_ptr<Command> MakeLeagueCommand()
{
    return std::make_unique<LeagueCommand>();
}

} // namespace quindaro2::cli
