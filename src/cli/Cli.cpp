#include "cli/Cli.h"

#include "cli/CommandLine.h"
#include "cli/DemoRom.h"
#include "cli/ScriptedDialogs.h"
#include "cli/TerminalText.h"
#include "core/edit/EditCommands.h"
#include "core/export/PlayerExport.h"
#include "core/roster/ColumnTable.h"
#include "core/roster/GridFill.h"
#include "core/roster/GridName.h"
#include "core/save/SaveRom.h"

#include <QFile>

namespace quindaro2::cli {

namespace {

const QString kProgram = QStringLiteral("quindaro2-cli");

struct Io {
    QTextStream& out;
    QTextStream& err;
};

int UsageError(Io& io, const QString& command, const QString& message)
{
    io.err << kProgram << ": " << message << '\n'
           << QStringLiteral("使い方は '%1 %2--help' で表示します")
                  .arg(kProgram, command.isEmpty() ? QString() : command + u' ')
           << '\n';
    return kExitUsage;
}

int FileError(Io& io, const QString& message)
{
    io.err << kProgram << ": " << message << '\n';
    return kExitFileError;
}

// Why the file cannot be read; empty when it can.
QString CannotRead(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("%1 を読み込めません（%2）").arg(path, file.errorString());
    return {};
}

QString ColorCode(int code)
{
    return QStringLiteral("0x") + QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0')).toUpper();
}

// The edition option of every command; 0 after a usage error has been reported.
int RequireEdition(Io& io, const QString& command, const CommandLine& line)
{
    if (!line.values.contains(QStringLiteral("--edition"))) {
        UsageError(io, command, QStringLiteral("--edition がありません"));
        return 0;
    }
    const QString text = line.values.value(QStringLiteral("--edition"));
    const std::optional<int> edition = ParseEdition(text);
    if (!edition) {
        UsageError(io, command, QStringLiteral("版は 86～94 または 1986～1994 で指定してください：%1").arg(text));
        return 0;
    }
    return *edition;
}

// The team option; -1 after a usage error has been reported.
int RequireTeam(Io& io, const QString& command, const CommandLine& line, int edition)
{
    if (!line.values.contains(QStringLiteral("--team"))) {
        UsageError(io, command, QStringLiteral("--team がありません"));
        return -1;
    }
    const TeamChoice choice = ParseTeam(edition, line.values.value(QStringLiteral("--team")));
    if (!choice.error.isEmpty()) {
        UsageError(io, command, choice.error);
        return -1;
    }
    return choice.team;
}

// What every command does first: its help, a parse error, the edition and,
// when asked, the team. `exitCode` is set when the command ends there.
struct CommandStart {
    std::optional<int> exitCode;
    int edition = 0;
    int team = -1;
};

CommandStart StartCommand(Io& io, const QString& command, const CommandLine& line, bool withTeam)
{
    if (line.help) {
        io.out << CommandHelp(command);
        return {kExitOk};
    }
    if (!line.error.isEmpty())
        return {UsageError(io, command, line.error)};
    CommandStart start;
    start.edition = RequireEdition(io, command, line);
    if (start.edition == 0)
        return {kExitUsage};
    if (withTeam) {
        start.team = RequireTeam(io, command, line, start.edition);
        if (start.team < 0)
            return {kExitUsage};
    }
    return start;
}

// Opens the shown team as the editor does after choosing it. False when the
// ROM could not be read completely; the problems have been reported.
bool FillShownTeam(Io& io, ShownTeam& team, const QString& rom, int edition, int teamIndex)
{
    team.state.RomPath = rom;
    team.state.SaveTarget = rom;
    team.state.Edition = edition;
    team.state.TeamIndex = teamIndex;
    const TeamFillReport report = FillTeam(team);
    for (const QString& warning : report.warnings)
        io.err << QStringLiteral("警告：") << warning << '\n';
    for (const QString& problem : report.readProblems)
        io.err << rom << QStringLiteral("：") << problem << '\n';
    return report.readProblems.isEmpty();
}

int Export(const QStringList& arguments, Io& io)
{
    const QString command = QStringLiteral("export");
    const CommandLine line = ParseCommandLine(
        arguments, {{QStringLiteral("--edition"), true}, {QStringLiteral("--per-team"), false}});
    const CommandStart start = StartCommand(io, command, line, false);
    if (start.exitCode)
        return *start.exitCode;
    const int edition = start.edition;
    if (line.positionals.size() != 2)
        return UsageError(io, command, QStringLiteral("ROM と OUT の2つのファイル名が必要です"));
    const QString& rom = line.positionals[0];
    if (const QString problem = CannotRead(rom); !problem.isEmpty())
        return FileError(io, problem);

    const ExportMode mode = line.flags.contains(QStringLiteral("--per-team")) ? ExportMode::PerTeam : ExportMode::OneFile;
    const ExportResult result = ExportPlayerData(rom, edition, line.positionals[1], mode);
    for (const QString& file : result.writtenFiles)
        io.out << QStringLiteral("%1 に書き込みました").arg(file) << '\n';
    if (!result.ok())
        return FileError(io, result.error);
    return kExitOk;
}

int Show(const QStringList& arguments, Io& io)
{
    const QString command = QStringLiteral("show");
    const CommandLine line =
        ParseCommandLine(arguments, {{QStringLiteral("--edition"), true}, {QStringLiteral("--team"), true}});
    const CommandStart start = StartCommand(io, command, line, true);
    if (start.exitCode)
        return *start.exitCode;
    const int edition = start.edition;
    const int teamIndex = start.team;
    if (line.positionals.size() != 1)
        return UsageError(io, command, QStringLiteral("ROM のファイル名が1つ必要です"));
    const QString& rom = line.positionals[0];
    if (const QString problem = CannotRead(rom); !problem.isEmpty())
        return FileError(io, problem);

    ShownTeam team;
    const bool complete = FillShownTeam(io, team, rom, edition, teamIndex);
    const TeamStatistics& figures = team.statistics;
    io.out << QStringLiteral("%1年版  チーム %2（%3）").arg(edition).arg(teamIndex).arg(TeamLabel(edition, teamIndex))
           << '\n'
           << QStringLiteral("平均打率：%1  総本塁打：%2  平均走力：%3  平均防御率：%4")
                  .arg(figures.AverageLabel, figures.HomerunLabel, figures.RunLabel, figures.ErrorLabel)
           << '\n'
           << QStringLiteral("帽子の色：%1  ユニフォームの色：%2")
                  .arg(ColorCode(team.state.HelmetColorCode), ColorCode(team.state.UniformColorCode))
           << '\n';
    for (const RecordKind kind : {RecordKind::Batter, RecordKind::Pitcher, RecordKind::Manager}) {
        const TextGrid& grid = team.grid(kind);
        if (grid.rowCount() == 0)
            continue;
        io.out << '\n' << GridName(kind) << '\n';
        for (const QString& text : FormatGrid(grid))
            io.out << text << '\n';
    }
    return complete ? kExitOk : kExitFileError;
}

QString ColumnList(RecordKind grid, int edition)
{
    QStringList columns;
    int number = 0;
    for (const ColumnDescriptor& column : Columns(grid, edition))
        columns << QStringLiteral("%1=%2").arg(++number).arg(column.header);
    return columns.join(QStringLiteral(", "));
}

// A name keeps its trailing blanks in the record, whatever length was entered.
QString Comparable(const ColumnDescriptor& column, QString text)
{
    if (column.kind == kNameKind) {
        while (text.endsWith(u'　'))
            text.chop(1);
    }
    return text;
}

// Some values cannot be stored as entered (the record's format keeps only
// certain steps, or a clamp applies): say which cells now read otherwise.
void ReportStoredDifferently(Io& io, const ShownTeam& saved, const QString& target)
{
    ShownTeam stored;
    stored.state = saved.state;
    stored.state.RomPath = target;
    const TeamFillReport report = FillTeam(stored);
    for (const QString& problem : report.readProblems)
        io.err << target << QStringLiteral("：") << problem << '\n';
    for (const RecordKind kind : {RecordKind::Batter, RecordKind::Pitcher, RecordKind::Manager}) {
        const std::span<const ColumnDescriptor> columns = Columns(kind, saved.state.Edition);
        const TextGrid& before = saved.grid(kind);
        const TextGrid& after = stored.grid(kind);
        for (int row = 1; row < before.rowCount(); ++row) {
            for (int column = 1; column < before.columnCount(); ++column) {
                const ColumnDescriptor& descriptor = columns[static_cast<std::size_t>(column - 1)];
                const QString& entered = before.cell(column, row);
                const QString& kept = after.cell(column, row);
                if (Comparable(descriptor, entered) != Comparable(descriptor, kept))
                    io.err << QStringLiteral("注意：%1 %2 行目「%3」は「%4」ではなく「%5」として保存されました")
                                  .arg(GridName(kind))
                                  .arg(row)
                                  .arg(descriptor.header, entered, kept)
                           << '\n';
            }
        }
    }
}

int Set(const QStringList& arguments, Io& io)
{
    const QString command = QStringLiteral("set");
    const CommandLine line = ParseCommandLine(
        arguments, {{QStringLiteral("--edition"), true}, {QStringLiteral("--team"), true}, {QStringLiteral("--grid"), true},
                    {QStringLiteral("--row"), true}, {QStringLiteral("--column"), true}, {QStringLiteral("--output"), true}});
    const CommandStart start = StartCommand(io, command, line, true);
    if (start.exitCode)
        return *start.exitCode;
    const int edition = start.edition;
    const int teamIndex = start.team;
    for (const QString& option : {QStringLiteral("--grid"), QStringLiteral("--row"), QStringLiteral("--column")}) {
        if (!line.values.contains(option))
            return UsageError(io, command, QStringLiteral("%1 がありません").arg(option));
    }
    const std::optional<RecordKind> grid = ParseGrid(line.values.value(QStringLiteral("--grid")));
    if (!grid)
        return UsageError(io, command, QStringLiteral("表は batter、pitcher、manager のどれかです：%1")
                                           .arg(line.values.value(QStringLiteral("--grid"))));
    const std::optional<int> row = ParseIndex(line.values.value(QStringLiteral("--row")));
    const std::optional<int> column = ParseIndex(line.values.value(QStringLiteral("--column")));
    if (!row || !column)
        return UsageError(io, command, QStringLiteral("行と列は 0 以上の整数で指定してください"));
    if (line.positionals.size() != 2)
        return UsageError(io, command, QStringLiteral("VALUE と ROM の2つが必要です"));
    const QString& value = line.positionals[0];
    const QString& rom = line.positionals[1];
    const QString target = line.values.value(QStringLiteral("--output"), rom);
    if (target.isEmpty())
        return UsageError(io, command, QStringLiteral("--output のファイル名が空です"));
    if (const QString problem = CannotRead(rom); !problem.isEmpty())
        return FileError(io, problem);

    ShownTeam team;
    if (!FillShownTeam(io, team, rom, edition, teamIndex))
        return FileError(io, QStringLiteral("%1 のチームを読み込めないため、何も書き込みません").arg(rom));

    const TextGrid& cells = team.grid(*grid);
    if (cells.rowCount() < 2)
        return UsageError(io, command, QStringLiteral("%1年版には監督のデータがありません（1993年版と1994年版だけ）").arg(edition));
    if (*row < 1 || *row >= cells.rowCount())
        return UsageError(io, command, QStringLiteral("%1の行は 1～%2 です（0 は見出しの行）：%3")
                                           .arg(GridName(*grid))
                                           .arg(cells.rowCount() - 1)
                                           .arg(*row));
    if (*column < 1 || *column >= cells.columnCount())
        return UsageError(io, command, QStringLiteral("%1の列は 1～%2 です（0 は行番号の列）：%3。列：%4")
                                           .arg(GridName(*grid))
                                           .arg(cells.columnCount() - 1)
                                           .arg(*column)
                                           .arg(ColumnList(*grid, edition)));

    ScriptedDialogs dialogs(value);
    switch (*grid) {
    case RecordKind::Batter: BatterGridDblClick(team, *column, *row, dialogs); break;
    case RecordKind::Pitcher: PitcherGridClick(team, *column, *row, dialogs); break;
    case RecordKind::Manager: VisorGridClick(team, *column, *row, dialogs); break;
    }
    if (!dialogs.refusal().isEmpty() || !team.state.DataChanged) {
        const QString reason = dialogs.refusal().isEmpty()
            ? QStringLiteral("値「%1」は受け付けられません").arg(value)
            : dialogs.refusal();
        io.err << kProgram << ": " << reason << '\n' << QStringLiteral("何も書き込んでいません") << '\n';
        return kExitUsage;
    }

    const SaveResult saved = SaveShownTeam(team, target);
    if (!saved.ok())
        return FileError(io, QStringLiteral("%1。%2 は元のままです").arg(saved.error, target));
    ReportStoredDifferently(io, team, target);
    const ColumnDescriptor* edited = Column(*grid, edition, *column);
    io.out << QStringLiteral("%1年版 チーム %2（%3）の%4 %5 行目「%6」を「%7」にして %8 に保存しました")
                  .arg(edition)
                  .arg(teamIndex)
                  .arg(TeamLabel(edition, teamIndex), GridName(*grid))
                  .arg(*row)
                  .arg(edited ? edited->header : QString(), team.grid(*grid).cell(*column, *row), target)
           << '\n';
    return kExitOk;
}

int Demo(const QStringList& arguments, Io& io)
{
    const QString command = QStringLiteral("demo");
    const CommandLine line = ParseCommandLine(arguments, {{QStringLiteral("--edition"), true}});
    const CommandStart start = StartCommand(io, command, line, false);
    if (start.exitCode)
        return *start.exitCode;
    const int edition = start.edition;
    if (line.positionals.size() != 1)
        return UsageError(io, command, QStringLiteral("OUT のファイル名が1つ必要です"));
    const Status written = WriteDemoRom(line.positionals[0], edition);
    if (!written)
        return FileError(io, written.reason());
    io.out << QStringLiteral("%1年版のサンプルROMを %2 に作りました").arg(edition).arg(line.positionals[0]) << '\n';
    return kExitOk;
}

} // namespace

QString UsageText()
{
    return QStringLiteral(
        "使い方: quindaro2-cli <コマンド> [オプション] [引数]\n"
        "\n"
        "コマンド:\n"
        "  export  全チームのバッターとピッチャーをコンマ区切りのテキストに出力する\n"
        "  show    1チームの表、チームの数値と色を表示する\n"
        "  set     1つのセルを編集して、そのチームを保存する\n"
        "  demo    試用のための架空のROMイメージを作る\n"
        "\n"
        "'quindaro2-cli <コマンド> --help' でコマンドの使い方を表示します。\n"
        "版 E は 86～94 または 1986～1994。チーム T は 0 から数える番号か、\n"
        "その版で一つしかないチームコード（G、Bu など）。\n"
        "終了コード: 0 成功、1 ファイルを読み書きできない、2 使い方の誤りまたは受け付けられない値\n");
}

QString CommandHelp(const QString& command)
{
    const QString edition = QStringLiteral("  --edition E   版（86～94 または 1986～1994）\n");
    const QString team = QStringLiteral("  --team T      チーム: 0 から数える番号、またはその版で一つしかないチームコード\n");
    if (command == QStringLiteral("export"))
        return QStringLiteral(
                   "使い方: quindaro2-cli export --edition E [--per-team] ROM OUT\n"
                   "\n"
                   "ROM の全チームのバッターとピッチャーを、Shift-JIS のコンマ区切りテキスト\n"
                   "（行末は CR LF）として OUT に書きます。エディタの選手データ出力と同じ内容です。\n"
                   "\n")
            + edition
            + QStringLiteral("  --per-team    チームごとに1ファイル。OUT の拡張子の前に「_」とチームコードを\n"
                             "                付けた名前になります（players.txt → players_G.txt …）\n");
    if (command == QStringLiteral("show"))
        return QStringLiteral(
                   "使い方: quindaro2-cli show --edition E --team T ROM\n"
                   "\n"
                   "エディタが表示するとおりに、1チームのバッター・ピッチャー・監督の表、\n"
                   "チームの4つの数値と2つの色コードを表示します。警告と読み込めなかった\n"
                   "データは標準エラーに出ます。\n"
                   "\n")
            + edition + team;
    if (command == QStringLiteral("set"))
        return QStringLiteral(
                   "使い方: quindaro2-cli set --edition E --team T --grid batter|pitcher|manager\n"
                   "                          --row R --column C VALUE ROM [--output OUT]\n"
                   "\n"
                   "エディタの編集ダイアログと同じ範囲・選択肢・名前の規則で1つのセルを VALUE に\n"
                   "変え、そのチームを保存と同じように書き戻します。受け付けられない値のときは\n"
                   "何も書きません。書き込みは一度に行われ、失敗しても書き込み先は元のままです。\n"
                   "\n")
            + edition + team
            + QStringLiteral(
                "  --grid G      表: batter（バッター）、pitcher（ピッチャー）、\n"
                "                manager（監督、1993年版と1994年版だけ）\n"
                "  --row R       行: 1 から（0 は見出しの行）\n"
                "  --column C    列: 1 から（0 は行番号の列）。show の表の列の順\n"
                "  --output OUT  ROM のコピーにチームを書いたファイルを OUT に作ります（ROM は\n"
                "                変わりません）。省略すると ROM そのものに書きます\n");
    if (command == QStringLiteral("demo"))
        return QStringLiteral(
                   "使い方: quindaro2-cli demo --edition E OUT\n"
                   "\n"
                   "試用のための架空のROMイメージ（0x40010 バイト）を OUT に作ります。全チームに\n"
                   "架空の名前と、編集ダイアログが受け付ける値が入っています。既にあるファイルは\n"
                   "上書きしません。\n"
                   "\n")
            + edition;
    return {};
}

int RunCli(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    Io io{out, err};
    if (arguments.isEmpty()) {
        err << UsageText();
        return kExitUsage;
    }
    const QString& command = arguments[0];
    const QStringList rest = arguments.mid(1);
    if (command == QStringLiteral("--help") || command == QStringLiteral("-h") || command == QStringLiteral("help")) {
        const QString help = rest.isEmpty() ? QString() : CommandHelp(rest[0]);
        out << (help.isEmpty() ? UsageText() : help);
        return kExitOk;
    }
    if (command == QStringLiteral("export"))
        return Export(rest, io);
    if (command == QStringLiteral("show"))
        return Show(rest, io);
    if (command == QStringLiteral("set"))
        return Set(rest, io);
    if (command == QStringLiteral("demo"))
        return Demo(rest, io);
    err << kProgram << QStringLiteral(": 不明なコマンドです：") << command << "\n\n" << UsageText();
    return kExitUsage;
}

} // namespace quindaro2::cli
