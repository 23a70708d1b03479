#include "cli/Command.h"

#include "cli/PatchOutput.h"

#include "core/edit/CellEdit.h"
#include "core/edition/EditionProfile.h"
#include "core/export/PlayerExport.h"
#include "core/file/RomFile.h"
#include "core/import/ShiftJisVariants.h"
#include "core/patch/Patch.h"
#include "core/roster/GridFill.h"
#include "core/roster/GridName.h"
#include "core/save/SaveDocument.h"

#include <QCoreApplication>

namespace quindaro2::cli {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(SetCommand)
};

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
    if (column.isName()) {
        while (text.endsWith(u'　'))
            text.chop(1);
    }
    return text;
}

// "1993年版、1994年版": the editions whose teams have a manager.
QString EditionsWithManagers()
{
    QStringList editions;
    for (const EditionProfile& profile : Profiles()) {
        if (profile.managers)
            editions << Text::tr("%1年版").arg(profile.year);
    }
    return editions.join(Text::tr("、"));
}

class SetCommand : public Command {
public:
    QString name() const override { return QStringLiteral("set"); }

    QString summary() const override { return Text::tr("1つのセルを編集して、そのチームを保存する"); }

    QString help() const override
    {
        return Text::tr("使い方: quindaro2-cli set --edition E --team T --grid batter|pitcher|manager\n"
                        "                          --row R --column C VALUE ROM [--output OUT | --patch OUT]\n"
                        "\n"
                        "エディタの編集ダイアログと同じ範囲・選択肢・名前の規則で1つのセルを VALUE に\n"
                        "変え、そのチームを保存と同じように書き戻します。受け付けられない値のときは\n"
                        "何も書きません。書き込みは一度に行われ、失敗しても書き込み先は元のままです。\n"
                        "ほかのプログラムが同じ ROM を保存している間は、最大10秒待ちます。\n"
                        "\n")
            + EditionOrAutoHelp() + TeamHelp()
            + Text::tr("  --grid G      表: batter（バッター）、pitcher（ピッチャー）、\n"
                       "                manager（監督、監督のいる版だけ）\n"
                       "  --row R       行: 1 から（0 は見出しの行）\n"
                       "  --column C    列: 1 から（0 は行番号の列）。show の表の列の順\n"
                       "  --output OUT  ROM のコピーにチームを書いたファイルを OUT に作ります（ROM は\n"
                       "                変わりません）。省略すると ROM そのものに書きます\n")
            + PatchOptionHelp();
    }

    std::vector<QCommandLineOption> options() const override
    {
        return {EditionOption(),
                TeamOption(),
                QCommandLineOption(QStringLiteral("grid"), QString(), QStringLiteral("G")),
                QCommandLineOption(QStringLiteral("row"), QString(), QStringLiteral("R")),
                QCommandLineOption(QStringLiteral("column"), QString(), QStringLiteral("C")),
                QCommandLineOption(QStringLiteral("output"), QString(), QStringLiteral("OUT")),
                QCommandLineOption(QStringLiteral("patch"), QString(), QStringLiteral("OUT"))};
    }

    int run(const Arguments& arguments, Io& io) const override
    {
        const std::optional<EditionChoice> choice = RequireEditionChoice(name(), arguments, io);
        if (!choice)
            return kExitUsage;
        if (!CheckTeamChoice(name(), arguments, *choice, io))
            return kExitUsage;
        for (const QString& option : {QStringLiteral("--grid"), QStringLiteral("--row"), QStringLiteral("--column")}) {
            if (!arguments.isSet(option))
                return io.usageError(name(), Text::tr("%1 がありません").arg(option));
        }
        const std::optional<RecordKind> grid = ParseGrid(arguments.value(QStringLiteral("--grid")));
        if (!grid)
            return io.usageError(name(), Text::tr("表は batter、pitcher、manager のどれかです：%1")
                                             .arg(arguments.value(QStringLiteral("--grid"))));
        const std::optional<int> row = ParseIndex(arguments.value(QStringLiteral("--row")));
        const std::optional<int> column = ParseIndex(arguments.value(QStringLiteral("--column")));
        if (!row || !column)
            return io.usageError(name(), Text::tr("行と列は 0 以上の整数で指定してください"));
        if (arguments.positionals().size() != 2)
            return io.usageError(name(), Text::tr("VALUE と ROM の2つが必要です"));
        // Copied from a spreadsheet, a name may hold another decoder's "−" for "－".
        const QString value = UnifyShiftJisVariants(arguments.positionals()[0]);
        const QString& rom = arguments.positionals()[1];
        const QString target = arguments.isSet(QStringLiteral("--output")) ? arguments.value(QStringLiteral("--output")) : rom;
        if (target.isEmpty())
            return io.usageError(name(), Text::tr("--output のファイル名が空です"));
        const bool toPatch = arguments.isSet(QStringLiteral("--patch"));
        if (toPatch && arguments.isSet(QStringLiteral("--output")))
            return io.usageError(name(), Text::tr("--patch と --output は一緒に使えません"));
        if (arguments.isSet(QStringLiteral("--output")))
            if (const std::optional<int> refused = RefuseRomAsOutput(io, target, rom))
                return *refused;

        // Held from reading the ROM to replacing it, so that a second writer
        // of the same ROM waits for this one instead of losing its edit.
        const Result<LockedRom> locked = LockedRom::Open(rom, LockedRom::Access::Update);
        if (!locked)
            return io.fileError(locked.reason());
        const std::optional<int> edition = ResolveEdition(*choice, locked->image(), io);
        if (!edition)
            return kExitUsage;
        const std::optional<int> teamIndex = RequireTeam(name(), arguments, *edition, io);
        if (!teamIndex)
            return kExitUsage;
        const EditionProfile& profile = *FindProfile(*edition);
        RomDocument document(rom, profile, locked->image());
        if (!ReportFill(io, FillTeam(profile, document.image(), *teamIndex), rom))
            return io.fileError(Text::tr("%1 のチームを読み込めないため、何も書き込みません").arg(rom));

        if (const int refused = checkCell(profile, *grid, *row, *column, io); refused != kExitOk)
            return refused;
        const Result<Change> change = EditCell(document, *teamIndex, *grid, *column, *row, value);
        if (!change)
            return io.refused(change.reason());
        if (const Status made = document.apply({ChangeName(profile, change.value()), {change.value()}}); !made)
            return io.refused(made.reason());

        const QString patchPath = arguments.value(QStringLiteral("--patch"));
        const std::optional<PatchKind> patch = toPatch ? PatchKindOfFileName(patchPath) : std::nullopt;
        if (toPatch && !patch)
            return io.usageError(name(), Text::tr("パッチのファイル名は .ips か .bps で終わる必要があります：%1").arg(patchPath));
        if (toPatch) {
            if (const std::optional<int> refused = RefuseInputAsOutput(io, patchPath, {rom}))
                return *refused;
        }
        const SaveResult saved = SaveDocument(document, {toPatch ? patchPath : target, patch, {}}, &locked.value());
        if (saved.refused)
            return io.refused(saved.error);
        if (!saved.ok())
            return io.fileError(saved.error);
        if (toPatch) {
            ReportPatchWritten(io, patchPath, saved.written);
            return kExitOk;
        }

        const ColumnDescriptor& edited = *profile.column(*grid, *column);
        const QString& entered = std::get<CellChange>(change->subject).entered;
        const QString kept = FillTeam(profile, document.image(), *teamIndex).grid(*grid).cell(*column, *row);
        if (Comparable(edited, entered) != Comparable(edited, kept))
            io.note(Text::tr("注意：%1 %2 行目「%3」は「%4」ではなく「%5」として保存されました")
                        .arg(GridName(*grid))
                        .arg(*row)
                        .arg(edited.header, entered, kept));
        io.note(Text::tr("%1年版 チーム %2（%3）の%4 %5 行目「%6」を「%7」にして %8 に保存しました")
                     .arg(*edition)
                     .arg(*teamIndex)
                     .arg(TeamLabel(*edition, *teamIndex), GridName(*grid))
                     .arg(*row)
                     .arg(edited.header, kept, target));
        return kExitOk;
    }

private:
    // The row and column name a data cell of the grid; otherwise the usage error.
    int checkCell(const EditionProfile& profile, RecordKind grid, int row, int column, Io& io) const
    {
        const int edition = profile.year;
        const int rows = profile.slots(grid);
        const int columns = static_cast<int>(profile.columns(grid).size());
        if (rows == 0)
            return io.usageError(name(), Text::tr("%1年版には監督のデータがありません（監督のいる版：%2）")
                                             .arg(edition)
                                             .arg(EditionsWithManagers()));
        if (row < 1 || row > rows)
            return io.usageError(name(), Text::tr("%1の行は 1～%2 です（0 は見出しの行）：%3")
                                             .arg(GridName(grid))
                                             .arg(rows)
                                             .arg(row));
        if (column < 1 || column > columns)
            return io.usageError(name(), Text::tr("%1の列は 1～%2 です（0 は行番号の列）：%3。列：%4")
                                             .arg(GridName(grid))
                                             .arg(columns)
                                             .arg(column)
                                             .arg(ColumnList(grid, edition)));
        return kExitOk;
    }
};

} // namespace

std::unique_ptr<Command> MakeSetCommand()
{
    return std::make_unique<SetCommand>();
}

} // namespace quindaro2::cli
