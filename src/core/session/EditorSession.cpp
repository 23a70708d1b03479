#include "core/session/EditorSession.h"

#include "core/detect/EditionDetection.h"
#include "core/edit/CellEdit.h"
#include "core/edit/CellPaste.h"
#include "core/edit/EditCommands.h"
#include "core/edition/ColumnTip.h"
#include "core/edition/Edition.h"
#include "core/edition/EditionProfile.h"
#include "core/export/PlayerExport.h"
#include "core/file/FileWriter.h"
#include "core/file/InPlaceWrite.h"
#include "core/file/RomFile.h"
#include "core/import/ImportIntoRom.h"
#include "core/import/ImportReport.h"
#include "core/roster/GridFill.h"
#include "core/save/SaveCommands.h"
#include "core/save/SaveDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(EditorSession)
};

constexpr int kMaxProblemsListed = 8;

// How many of the files an export would write are there already.
int ExistingExportFiles(const ExportChoice& choice, const EditionProfile& profile)
{
    if (choice.mode == ExportMode::OneFile)
        return QFileInfo::exists(choice.fileName) ? 1 : 0;
    int existing = 0;
    for (int team = 0; team < profile.teamCount(); ++team)
        existing += QFileInfo::exists(TeamFileName(choice.fileName, profile.year, team)) ? 1 : 0;
    return existing;
}
constexpr int kShortMessage = 5000;
constexpr int kLongMessage = 10000;

struct GridPlace {
    RecordKind grid;
    int column;
    int row;
};

// Where a change shows in the grids: its cell, or the first cell of the row
// that moved; none for a colour or a whole team.
std::optional<GridPlace> PlaceOf(const Change& change, bool forward)
{
    if (const auto* cell = std::get_if<CellChange>(&change.subject))
        return GridPlace{cell->grid, cell->column, cell->row};
    if (const auto* move = std::get_if<RowMove>(&change.subject))
        return GridPlace{move->grid, 1, forward ? move->to : move->from};
    return std::nullopt;
}

} // namespace

EditorSession::EditorSession(MainWindowPrompts& prompts, EditDialogs& dialogs, QObject* parent)
    : QObject(parent),
      prompts_(prompts),
      dialogs_(dialogs),
      batterModel_(new GridTableModel(view_.BatterGrid, this)),
      pitcherModel_(new GridTableModel(view_.PitcherGrid, this)),
      visorModel_(new GridTableModel(view_.VisorGrid, this))
{
}

EditorSession::~EditorSession() = default;

GridTableModel& EditorSession::model(RecordKind grid)
{
    switch (grid) {
    case RecordKind::Batter: return *batterModel_;
    case RecordKind::Pitcher: return *pitcherModel_;
    case RecordKind::Manager: return *visorModel_;
    }
    return *visorModel_;
}

bool EditorSession::ConfirmDropEdits(bool offerCancel)
{
    return !document_ || ConfirmDropShownTeam(*document_, prompts_, offerCancel);
}

bool EditorSession::Open(const QString& path, std::optional<int> edition, std::optional<int> remembered)
{
    // A FIFO or a folder is refused before any question, as the tool refuses it.
    if (const Status readable = CheckRomFile(path); !readable) {
        prompts_.Warn(Text::tr("ROMファイルを開けません．\n%1").arg(readable.reason()));
        return false;
    }
    return ConfirmDropEdits() && OpenAgreed(path, edition, remembered);
}

bool EditorSession::OpenAgreed(const QString& path, std::optional<int> edition, std::optional<int> remembered)
{
    // A file that cannot be read is said at once, before any edition is asked.
    Result<RomImage> image = ReadRomFile(path);
    if (!image) {
        prompts_.Warn(Text::tr("%1 を開けません．\n%2").arg(QDir::toNativeSeparators(path), image.reason()));
        return false;
    }
    const Detection detection = DetectEdition(image.value());
    if (!edition || !IsEdition(*edition)) {
        // A file opened before keeps the edition the user chose for it; the
        // note always says what the file itself suggests.
        edition = prompts_.AskEdition({remembered ? remembered : detection.edition, DetectionNote(detection),
                                       detection.edition});
    }
    const EditionProfile* profile = FindProfile(*edition);
    if (!profile)
        return false;

    document_ = std::make_unique<RomDocument>(path, *profile, std::move(image).value());
    connect(document_.get(), &RomDocument::teamsChanged, this, &EditorSession::teamsChanged);
    connect(document_.get(), &RomDocument::stepMade, this, &EditorSession::showStep);
    connect(document_.get(), &RomDocument::historyChanged, this, &EditorSession::historyChanged);
    connect(document_.get(), &RomDocument::modifiedChanged, this, &EditorSession::modifiedChanged);
    team_ = 0;
    showTeamView(true);
    Q_EMIT opened();
    Q_EMIT historyChanged();
    Q_EMIT modifiedChanged(false);
    if (detection.edition && *detection.edition != *edition)
        Q_EMIT message(GuessDiffers(*detection.edition), 0);
    showFillReport();
    // A save that was cut off left the file's old bytes beside it.
    if (const Status left = CheckNoLeftBackup(path); !left)
        prompts_.Warn(left.reason());
    return true;
}

bool EditorSession::ShowTeam(int team)
{
    if (!document_ || !document_->profile().isTeam(team) || team == team_)
        return false;
    if (!ConfirmDropEdits())
        return false;
    // The edits of the team shown before were saved or dropped.
    document_->forgetHistory();
    team_ = team;
    showTeamView(true);
    showFillReport();
    return true;
}

bool EditorSession::ShowPlayer(int team, RecordKind grid, int slot)
{
    if (!document_ || slot < 0 || slot >= document_->profile().slots(grid))
        return false;
    if (team != team_ && !ShowTeam(team))
        return false;
    int column = 1;
    document_->profile().columnOfKind(grid, ColumnKind::Name, &column);
    Q_EMIT cellShown(grid, column, slot + 1);
    return true;
}

void EditorSession::showTeamView(bool reset)
{
    const auto compute = [this] {
        view_ = document_ ? FillTeam(document_->profile(), document_->image(), team_) : TeamView();
        for (RecordKind grid : {RecordKind::Batter, RecordKind::Pitcher, RecordKind::Manager}) {
            QStringList tips;
            if (document_) {
                for (const ColumnDescriptor& column : document_->profile().columns(grid))
                    tips << ColumnTip(column);
            }
            model(grid).setHeaderTips(tips);
        }
    };
    if (reset) {
        // Each model is reset around the new view, so that no view reads a grid of another shape.
        batterModel_->reset([&] {
            pitcherModel_->reset([&] { visorModel_->reset(compute); });
        });
    } else {
        compute();
        for (GridTableModel* model : {batterModel_, pitcherModel_, visorModel_})
            model->refresh();
    }
    Q_EMIT viewChanged();
}

void EditorSession::showFillReport()
{
    for (const QString& warning : view_.warnings)
        prompts_.Warn(warning);
    const QStringList& problems = view_.readProblems;
    if (problems.isEmpty())
        return;
    QStringList listed = problems.mid(0, kMaxProblemsListed);
    if (problems.size() > kMaxProblemsListed)
        listed << Text::tr("ほか %1 件").arg(problems.size() - kMaxProblemsListed);
    prompts_.Warn(Text::tr("ROMファイルから読み込めないデータがあります．ファイルと版の選択を確かめてください．\n\n")
                  + listed.join(u'\n'));
}

void EditorSession::teamsChanged(const std::vector<int>& teams)
{
    if (std::find(teams.begin(), teams.end(), team_) != teams.end())
        showTeamView(false);
}

bool EditorSession::Save()
{
    if (!document_ || !SaveAskingForTarget(*document_, prompts_))
        return false;
    Q_EMIT message(Text::tr("%1 に保存しました．").arg(QFileInfo(document_->path()).fileName()), kShortMessage);
    Q_EMIT saved();
    return true;
}

void EditorSession::SaveAsPatch()
{
    if (!document_)
        return;
    const QFileInfo rom(document_->path());
    const std::optional<QString> path = prompts_.AskPatchFile(rom.absolutePath(), rom.completeBaseName());
    if (!path)
        return;
    const std::optional<PatchKind> kind = PatchKindOfFileName(*path);
    const QString fileName = rom.fileName();
    // A FIFO or a device would hold the ROM's lock until some reader came.
    const Status usable = CheckSaveTarget(*path);
    const SaveResult written =
        !kind    ? SaveResult{Text::tr("パッチのファイル名は .ips か .bps で終わる必要があります：%1").arg(*path)}
        : !usable ? SaveResult{usable.reason()}
                  : SaveDocument(*document_, {*path, kind, [&] { return prompts_.AskOverwriteChangedTeam(fileName); }});
    if (!written.error.isEmpty())
        prompts_.Warn(Text::tr("パッチを書き込めませんでした．\n%1").arg(written.error));
    if (!written.ok())
        return;
    Q_EMIT message(Text::tr("%1 にパッチを書き込みました．ROM ファイルは変わっていません．").arg(QFileInfo(*path).fileName()),
                   kShortMessage);
}

std::optional<ExportChoice> EditorSession::Export()
{
    if (!document_)
        return std::nullopt;
    // The export reads the file, which does not hold the edits yet.
    if (document_->modified()) {
        switch (prompts_.AskExportWithUnsavedEdits()) {
        case UnsavedExport::Cancel: return std::nullopt;
        case UnsavedExport::FileAsItIs: break;
        case UnsavedExport::SaveFirst:
            if (!SaveIntoItsFile(*document_, prompts_))
                return std::nullopt;
            Q_EMIT saved();
            break;
        }
    }
    const std::optional<ExportChoice> choice = prompts_.AskExport();
    if (!choice || choice->fileName.isEmpty())
        return std::nullopt;
    if (const int existing = ExistingExportFiles(*choice, document_->profile()); existing > 0
        && !prompts_.AskReplaceExportFiles(existing))
        return choice;
    const ExportResult result = ExportPlayerData(document_->path(), document_->edition(), choice->fileName, choice->mode);
    if (!result.ok()) {
        prompts_.Warn(Text::tr("選手データを出力できませんでした．\n%1").arg(result.error));
        return choice;
    }
    const int files = static_cast<int>(result.writtenFiles.size());
    Q_EMIT message(Text::tr("選手データを %n 個のファイルに出力しました．", nullptr, files), kShortMessage);
    return choice;
}

void EditorSession::Import()
{
    if (!document_)
        return;
    // The import is saved into the opened file at once, so unsaved edits are
    // asked about first; dropped ones stay on screen until files are chosen.
    const DropDecision decision = AskToDropEdits(*document_, prompts_, true);
    if (decision == DropDecision::Keep)
        return;
    const std::optional<QStringList> files = prompts_.AskImportFiles(QFileInfo(document_->path()).absolutePath());
    if (!files || files->isEmpty())
        return;
    if (decision == DropDecision::Drop)
        document_->revertToFile();
    const int edition = document_->edition();
    const QString fileName = QFileInfo(document_->path()).fileName();
    const auto confirm = [&](int, const PlayerImport& import) {
        return prompts_.ConfirmImport(ImportSummary(edition, import), ImportDetails(edition, import).join(u'\n'));
    };
    const ImportTarget target{document_->path(), std::nullopt, [&] { return prompts_.AskOverwriteChangedTeam(fileName); }};
    const ImportRun run = ImportIntoDocument(*document_, *files, target, confirm);
    switch (run.outcome) {
    case ImportRun::Outcome::NoEdition:
    case ImportRun::Outcome::Declined:
        return;
    case ImportRun::Outcome::Failed:
        prompts_.Warn(Text::tr("選手データを取り込めませんでした．\n%1").arg(run.error));
        return;
    case ImportRun::Outcome::Refused:
        prompts_.ShowImportProblems(ImportSummary(edition, run.import), ImportDetails(edition, run.import).join(u'\n'));
        return;
    case ImportRun::Outcome::Unchanged:
        Q_EMIT message(ImportSummary(edition, run.import), kLongMessage);
        return;
    case ImportRun::Outcome::Written:
        break;
    }
    Q_EMIT message(Text::tr("選手データを取り込んで %1 に保存しました．").arg(QFileInfo(document_->path()).fileName()),
                   kShortMessage);
    Q_EMIT saved();
}

void EditorSession::EditCell(RecordKind grid, int column, int row)
{
    if (!document_)
        return;
    if (const std::optional<Change> change = AskCellEdit(*document_, team_, grid, column, row, dialogs_))
        makeStep(*change);
}

void EditorSession::MoveRow(RecordKind grid, int from, int to)
{
    // A drop where the row already is changes nothing and says nothing.
    if (!document_ || from == to)
        return;
    const Result<Change> change = quindaro2::MoveRow(*document_, team_, grid, from, to);
    if (!change) {
        prompts_.Warn(change.reason());
        return;
    }
    makeStep(change.value());
}

QString EditorSession::EnterCell(RecordKind grid, int column, int row, const QString& text)
{
    if (!document_)
        return Text::tr("ROMが開かれていません");
    const Result<Change> change = quindaro2::EditCell(*document_, team_, grid, column, row, text);
    if (!change)
        return change.reason();
    const QString note = StoredNote(document_->profile(), change.value());
    if (const Status made = document_->apply({ChangeName(document_->profile(), change.value()), {change.value()}}); !made)
        return made.reason();
    if (!note.isEmpty())
        Q_EMIT message(note, kLongMessage);
    return {};
}

QString EditorSession::CopyCells(RecordKind grid, int firstColumn, int firstRow, int lastColumn, int lastRow) const
{
    return CellBlockText(view_.grid(grid), firstColumn, firstRow, lastColumn, lastRow);
}

bool EditorSession::Paste(RecordKind grid, int column, int row, const QString& text)
{
    if (!document_)
        return false;
    const PastePlan plan = PlanPaste(*document_, team_, grid, column, row, text);
    if (!plan.refused.empty()) {
        prompts_.Warn(Text::tr("貼り付けられないセルがあるため、何も変えていません．\n\n")
                      + RefusalLines(plan, kMaxProblemsListed));
        return false;
    }
    if (plan.step.changes.empty())
        return false;
    if (const Status made = document_->apply(plan.step); !made) {
        prompts_.Warn(made.reason());
        return false;
    }
    Q_EMIT message(Text::tr("%n 行を貼り付けました．", nullptr, static_cast<int>(plan.step.changes.size())), kShortMessage);
    return true;
}

void EditorSession::PickColor(TeamColor color)
{
    if (!document_)
        return;
    const std::optional<int> picked = prompts_.PickColor();
    if (!picked)
        return;
    const Result<Change> change = SetTeamColor(*document_, team_, color, *picked);
    if (!change) {
        prompts_.Warn(change.reason());
        return;
    }
    makeStep(change.value());
}

void EditorSession::makeStep(const Change& change)
{
    const QString note = StoredNote(document_->profile(), change);
    if (const Status made = document_->apply({ChangeName(document_->profile(), change), {change}}); !made) {
        prompts_.Warn(made.reason());
        return;
    }
    if (!note.isEmpty())
        Q_EMIT message(note, kLongMessage);
}

void EditorSession::Undo()
{
    if (!document_)
        return;
    if (const Status undone = document_->undo(); !undone)
        prompts_.Warn(undone.reason());
}

void EditorSession::Redo()
{
    if (!document_)
        return;
    if (const Status redone = document_->redo(); !redone)
        prompts_.Warn(redone.reason());
}

// A change made, undone or redone is shown where it happened.
void EditorSession::showStep(const Step& step, bool forward)
{
    if (step.changes.size() != 1 || step.changes.front().team != team_)
        return;
    if (const auto place = PlaceOf(step.changes.front(), forward))
        Q_EMIT changeShown(place->grid, place->column, place->row);
}

} // namespace quindaro2
