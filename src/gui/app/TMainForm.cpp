#include "gui/app/TMainForm.h"

#include "gui/app/ChangeCommand.h"
#include "gui/app/EditorSettings.h"
#include "gui/app/GridTableModel.h"
#include "gui/app/QtMainWindowPrompts.h"
#include "gui/app/RecentFilesMenu.h"
#include "gui/app/RosterGridView.h"
#include "gui/app/UndoActions.h"
#include "core/detect/EditionDetection.h"
#include "core/edit/CellEdit.h"
#include "core/edit/EditCommands.h"
#include "core/edit/NesPalette.h"
#include "core/edition/Edition.h"
#include "core/export/PlayerExport.h"
#include "core/file/InPlaceWrite.h"
#include "core/file/RomFile.h"
#include "core/import/ImportIntoRom.h"
#include "core/import/ImportReport.h"
#include "core/roster/GridFill.h"
#include "core/roster/GridName.h"
#include "core/sample/SampleFolder.h"
#include "core/save/PatchSave.h"
#include "core/save/SaveCommands.h"
#include "gui/edit/NesColor.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>

namespace quindaro2 {

namespace {

constexpr int kManagerTab = 2;
constexpr int kMaxProblemsListed = 8;
// The grids keep at least this many rows in view when the window is made small.
constexpr int kMinimumRowsShown = 5;

QLabel* ValueLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("-------")));
    return label;
}

QLabel* ColorSquare(QWidget* parent)
{
    auto* square = new QLabel(parent);
    square->setFixedSize(25, 25);
    square->setFrameShape(QFrame::Box);
    return square;
}

// Where a change shows in the grids: its cell, or the first cell of the row
// that moved; none for a colour.
struct GridPlace {
    RecordKind grid;
    int column;
    int row;
};

std::optional<GridPlace> PlaceOf(const Change& change, bool forward)
{
    if (const auto* cell = std::get_if<CellChange>(&change))
        return GridPlace{cell->grid, cell->column, cell->row};
    if (const auto* move = std::get_if<RowMove>(&change))
        return GridPlace{move->grid, 1, forward ? move->to : move->from};
    return std::nullopt;
}

void Paint(QLabel* square, int code)
{
    square->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid #404040;").arg(NesColor(code).name()));
    square->setToolTip(ColorCodeText(code));
}

} // namespace

TMainForm::TMainForm(MainWindowPrompts* prompts, EditDialogs* editDialogs, QWidget* parent)
    : QMainWindow(parent),
      ownPrompts_(prompts ? nullptr : std::make_unique<QtMainWindowPrompts>(this)),
      prompts_(prompts ? *prompts : *ownPrompts_),
      editDialogs_(editDialogs ? *editDialogs : ownPrompts_->editDialogs())
{
    setWindowTitle(QStringLiteral("QUINDARO2"));
    setAcceptDrops(true);
    undoStack_ = new QUndoStack(this);
    connect(undoStack_, &QUndoStack::cleanChanged, this, &TMainForm::showModified);
    connect(undoStack_, &QUndoStack::indexChanged, this, &TMainForm::showModified);
    createMenus();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 0, 4, 4);
    layout->addWidget(createTopPanel());
    layout->addWidget(createDataPage(), 1);
    setCentralWidget(central);
    // There from the start, so that the first message does not shrink the grids.
    statusBar();
    showColors();
    enableRomCommands();
    showRecentFiles();
    // Wide enough for every column of the widest grid, tall enough for 13 rows,
    // unless the last run left the window elsewhere.
    if (!restoreGeometry(EditorSettings().windowGeometry()))
        resize(800, 560);
}

// The views read the shown team's grids through their models: they go first,
// while the team is still there, not after it when QWidget deletes its children.
TMainForm::~TMainForm()
{
    // The history empties itself when QObject deletes it, after this window is gone.
    disconnect(undoStack_, nullptr, this, nullptr);
    delete DataPage;
    DataPage = nullptr;
}

void TMainForm::createMenus()
{
    QMenu* file = menuBar()->addMenu(tr("ファイル(&F)"));
    MenuOpen = file->addAction(tr("開く...(&O)"), this, &TMainForm::MenuOpenClick);
    MenuOpen->setShortcut(Qt::Key_F1);
    MenuSample = file->addAction(tr("サンプルROMを開く(&D)..."), this, &TMainForm::MenuSampleClick);
    file->addSeparator();
    MenuSave = file->addAction(tr("保存...(&S)"), this, &TMainForm::MenuSaveClick);
    MenuPatch = file->addAction(tr("パッチとして保存(&P)..."), this, &TMainForm::MenuPatchClick);
    MenuImport = file->addAction(tr("選手データ取込(&I)..."), this, &TMainForm::MenuImportClick);
    MenuExit = file->addAction(tr("終了(&X)"), this, &TMainForm::MenuExitClick);
    RecentFiles = new RecentFilesMenu(*file, MenuExit, this);
    connect(RecentFiles, &RecentFilesMenu::chosen, this, &TMainForm::OpenRecentFile);

    createEditMenu();

    QMenu* output = menuBar()->addMenu(tr("出力(&O)"));
    MenuOutput = output->addAction(tr("選手データ出力(&P)..."), this, &TMainForm::MenuOutputClick);

    QMenu* information = menuBar()->addMenu(tr("情報(&I)"));
    MenuHistory = information->addAction(tr("履歴(&H)..."), this, &TMainForm::MenuHistoryClick);
    MenuVersion = information->addAction(tr("バージョン(&V)..."), this, &TMainForm::MenuVersionClick);
}

QWidget* TMainForm::createTopPanel()
{
    auto* panel = new QWidget(this);
    panel->setFixedHeight(65);
    auto* rows = new QVBoxLayout(panel);
    rows->setContentsMargins(4, 4, 4, 4);

    auto* figures = new QHBoxLayout;
    const TeamStatistics dashes;
    AverageLabel = ValueLabel(dashes.AverageLabel, panel);
    HomerunLabel = ValueLabel(dashes.HomerunLabel, panel);
    RunLabel = ValueLabel(dashes.RunLabel, panel);
    ErrorLabel = ValueLabel(dashes.ErrorLabel, panel);
    for (auto [caption, value] : {std::pair{tr("平均打率："), AverageLabel},
                                  std::pair{tr("総本塁打："), HomerunLabel},
                                  std::pair{tr("平均走力："), RunLabel},
                                  std::pair{tr("平均防御率："), ErrorLabel}}) {
        figures->addWidget(new QLabel(caption, panel));
        figures->addWidget(value);
        figures->addSpacing(12);
    }
    figures->addStretch(1);
    auto* teamCaption = new QLabel(tr("チーム："), panel);
    TeamBox = new QComboBox(panel);
    TeamBox->setMinimumWidth(57);
    TeamBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    teamCaption->setBuddy(TeamBox);
    figures->addWidget(teamCaption);
    figures->addWidget(TeamBox);
    connect(TeamBox, &QComboBox::currentIndexChanged, this, &TMainForm::TeamBoxChange);
    rows->addLayout(figures);

    auto* colors = new QHBoxLayout;
    HelmetColor = ColorSquare(panel);
    HelmetButton = new QPushButton(tr("帽子の色"), panel);
    UniformColor = ColorSquare(panel);
    UniformButton = new QPushButton(tr("ユニフォームの色"), panel);
    connect(HelmetButton, &QPushButton::clicked, this, &TMainForm::HelmetButtonClick);
    connect(UniformButton, &QPushButton::clicked, this, &TMainForm::UniformButtonClick);
    colors->addWidget(HelmetColor);
    colors->addWidget(HelmetButton);
    colors->addSpacing(16);
    colors->addWidget(UniformColor);
    colors->addWidget(UniformButton);
    colors->addStretch(1);
    rows->addLayout(colors);
    return panel;
}

QWidget* TMainForm::createDataPage()
{
    DataPage = new QTabWidget(this);
    BatterGrid = new RosterGridView({true, true}, DataPage);
    PitcherGrid = new RosterGridView({true, false}, DataPage);
    VisorGrid = new RosterGridView({false, true}, DataPage);
    batterModel_ = new GridTableModel(team_.BatterGrid, BatterGrid);
    pitcherModel_ = new GridTableModel(team_.PitcherGrid, PitcherGrid);
    visorModel_ = new GridTableModel(team_.VisorGrid, VisorGrid);
    BatterGrid->setModel(batterModel_);
    PitcherGrid->setModel(pitcherModel_);
    VisorGrid->setModel(visorModel_);
    DataPage->addTab(BatterGrid, GridName(RecordKind::Batter));
    DataPage->addTab(PitcherGrid, GridName(RecordKind::Pitcher));
    DataPage->addTab(VisorGrid, GridName(RecordKind::Manager));
    // The heading row, the rows, and a horizontal scroll bar when the window is narrow.
    for (RosterGridView* grid : {BatterGrid, PitcherGrid, VisorGrid}) {
        const int row = grid->verticalHeader()->defaultSectionSize();
        const int heading = std::max(row, grid->horizontalHeader()->sizeHint().height());
        grid->setMinimumHeight(heading + kMinimumRowsShown * row + grid->horizontalScrollBar()->sizeHint().height()
                               + 2 * grid->frameWidth());
    }

    connect(BatterGrid, &RosterGridView::editRequested, this, &TMainForm::BatterGridDblClick);
    connect(PitcherGrid, &RosterGridView::editRequested, this, &TMainForm::PitcherGridClick);
    // The manager's cells open their dialog on a single click.
    connect(VisorGrid, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { VisorGridClick(index.column() + 1, index.row() + 1); });
    connect(VisorGrid, &RosterGridView::editRequested, this, &TMainForm::VisorGridClick);
    connect(BatterGrid, &RosterGridView::rowDragged, this, &TMainForm::BatterGridRowMove);
    connect(PitcherGrid, &RosterGridView::rowDragged, this, &TMainForm::PitcherGridRowMove);
    return DataPage;
}

void TMainForm::MenuOpenClick()
{
    if (const std::optional<QString> path = prompts_.AskRomFile())
        OpenRomFile(*path);
}

void TMainForm::OpenRomFile(const QString& path, std::optional<int> edition)
{
    // A FIFO or a folder is refused before any question, as the tool refuses it.
    if (const Status readable = CheckRomFile(path); !readable) {
        prompts_.Warn(tr("ROMファイルを開けません．\n%1").arg(readable.reason()));
        return;
    }
    if (ConfirmDropShownTeam(team_, prompts_, true))
        openAgreed(path, edition);
}

// A fresh sample ROM of the edition the user picks, made in the program's own
// folder, never over a file, and opened; the status bar says where it lives.
void TMainForm::MenuSampleClick()
{
    if (!ConfirmDropShownTeam(team_, prompts_, true))
        return;
    const int edition = prompts_.AskEdition({std::nullopt, tr("サンプルROMを作る版を選んでください")});
    const Result<QString> sample = CreateSample(EditorSettings::samplesFolder(), edition, QDateTime::currentDateTime());
    if (!sample) {
        prompts_.Warn(tr("サンプルROMを作れませんでした．\n%1").arg(sample.reason()));
        return;
    }
    openAgreed(sample.value(), edition);
    statusBar()->showMessage(tr("サンプルROMの場所：%1").arg(QDir::toNativeSeparators(sample.value())));
}

void TMainForm::openAgreed(const QString& path, std::optional<int> edition)
{
    EditorState& state = team_.state;
    state.RomPath = path;
    state.Edition = edition && IsEdition(*edition) ? *edition : prompts_.AskEdition(ProposeEdition(path));
    // Saving before any Save goes into the file that is open, and never into a
    // file saved from another ROM.
    state.SaveTarget = path;
    state.TeamIndex = 0;
    state.DataChanged = false;
    showCaption(path);
    {
        const QSignalBlocker blocker(TeamBox);
        TeamBox->clear();
        for (int team = 0; team < TeamCount(state.Edition); ++team)
            TeamBox->addItem(TeamCode(state.Edition, team));
        TeamBox->setCurrentIndex(0);
    }
    DataPage->setTabEnabled(kManagerTab, RecordsPerTeam(RecordKind::Manager, state.Edition).has_value());
    fillShownTeam();
    enableRomCommands();
    rememberOpenedRom();
    if (const Status left = CheckNoLeftBackup(path); !left)
        prompts_.Warn(left.reason());
}

EditionProposal TMainForm::ProposeEdition(const QString& path) const
{
    // A file opened before keeps the edition the user chose for it; the note
    // always says what the file itself suggests.
    const Detection detection = DetectEditionOfFile(path);
    const std::optional<int> remembered = EditorSettings().rememberedEdition(path);
    return {remembered ? remembered : detection.edition, DetectionNote(detection)};
}

void TMainForm::TeamBoxChange(int index)
{
    EditorState& state = team_.state;
    if (state.RomPath.isEmpty() || index < 0 || index >= TeamCount(state.Edition) || index == state.TeamIndex)
        return;
    if (!ConfirmDropShownTeam(team_, prompts_, true)) {
        const QSignalBlocker blocker(TeamBox);
        TeamBox->setCurrentIndex(state.TeamIndex);
        return;
    }
    state.DataChanged = false;
    state.TeamIndex = index;
    fillShownTeam();
}

void TMainForm::fillShownTeam()
{
    // The edits of the team shown before were saved or dropped.
    undoStack_->clear();
    const TeamFillReport report = FillTeamFromFile(team_);
    batterModel_->gridReset();
    pitcherModel_->gridReset();
    visorModel_->gridReset();
    for (RosterGridView* grid : {BatterGrid, PitcherGrid, VisorGrid})
        grid->fitColumns();
    showColors();
    showStatistics();
    showFillReport(report);
}

void TMainForm::showFillReport(const TeamFillReport& report)
{
    for (const QString& warning : report.warnings)
        prompts_.Warn(warning);
    if (report.readProblems.isEmpty())
        return;
    QStringList listed = report.readProblems.mid(0, kMaxProblemsListed);
    if (report.readProblems.size() > kMaxProblemsListed)
        listed << tr("ほか %1 件").arg(report.readProblems.size() - kMaxProblemsListed);
    prompts_.Warn(tr("ROMファイルから読み込めないデータがあります．ファイルと版の選択を確かめてください．\n\n")
                  + listed.join(u'\n'));
}

void TMainForm::showStatistics()
{
    AverageLabel->setText(team_.statistics.AverageLabel);
    HomerunLabel->setText(team_.statistics.HomerunLabel);
    RunLabel->setText(team_.statistics.RunLabel);
    ErrorLabel->setText(team_.statistics.ErrorLabel);
}

void TMainForm::showColors()
{
    Paint(HelmetColor, team_.state.HelmetColorCode);
    Paint(UniformColor, team_.state.UniformColorCode);
}

void TMainForm::showCaption(const QString& path)
{
    // "[*]" shows where the modified marker goes; a file name's own "[*]" is doubled to stay text.
    const QString name = QFileInfo(path).fileName().replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(QStringLiteral("QUINDARO2 - %1[*]").arg(name));
}

void TMainForm::MenuSaveClick()
{
    if (SaveAskingForTarget(team_, prompts_)) {
        undoStack_->setClean();
        rememberOpenedRom();
        showCaption(team_.state.SaveTarget);
        statusBar()->showMessage(tr("%1 に保存しました．").arg(QFileInfo(team_.state.SaveTarget).fileName()), 5000);
    }
}

void TMainForm::MenuExitClick()
{
    close();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (!ConfirmDropShownTeam(team_, prompts_, true)) {
        event->ignore();
        return;
    }
    EditorSettings().setWindowGeometry(saveGeometry());
    event->accept();
}

void TMainForm::MenuOutputClick()
{
    const EditorState& state = team_.state;
    if (state.RomPath.isEmpty())
        return;
    const std::optional<ExportChoice> choice = prompts_.AskExport();
    if (!choice || choice->fileName.isEmpty())
        return;
    EditorSettings().setExportChoice(*choice);
    const ExportResult result = ExportPlayerData(state.RomPath, state.Edition, choice->fileName, choice->mode);
    if (!result.ok()) {
        prompts_.Warn(tr("選手データを出力できませんでした．\n%1").arg(result.error));
        return;
    }
    const int files = static_cast<int>(result.writtenFiles.size());
    statusBar()->showMessage(tr("選手データを %n 個のファイルに出力しました．", nullptr, files), 5000);
}

void TMainForm::MenuPatchClick()
{
    const EditorState& state = team_.state;
    if (state.RomPath.isEmpty())
        return;
    const QFileInfo rom(state.RomPath);
    const std::optional<QString> path = prompts_.AskPatchFile(rom.absolutePath(), rom.completeBaseName());
    if (!path)
        return;
    if (const Status written = SaveShownTeamAsPatch(team_, *path); !written) {
        prompts_.Warn(tr("パッチを書き込めませんでした．\n%1").arg(written.reason()));
        return;
    }
    statusBar()->showMessage(tr("%1 にパッチを書き込みました．ROM ファイルは変わっていません．").arg(QFileInfo(*path).fileName()), 5000);
}

void TMainForm::MenuImportClick()
{
    EditorState& state = team_.state;
    if (state.RomPath.isEmpty())
        return;
    // The import rewrites the opened file and the shown team is filled anew
    // from it, so unsaved edits are asked about first.
    if (!ConfirmDropShownTeam(team_, prompts_, true))
        return;
    const std::optional<QStringList> files = prompts_.AskImportFiles(QFileInfo(state.RomPath).absolutePath());
    if (!files || files->isEmpty())
        return;
    const int edition = state.Edition;
    const auto confirm = [&](int, const PlayerImport& import) {
        return prompts_.ConfirmImport(ImportSummary(edition, import), ImportDetails(edition, import).join(u'\n'));
    };
    const ImportRun run = ImportIntoRomFile(
        state.RomPath, [&](const RomImage&) { return std::optional<int>(edition); }, *files, {state.RomPath, std::nullopt},
        confirm);
    switch (run.outcome) {
    case ImportRun::Outcome::NoEdition:
        return;
    case ImportRun::Outcome::Failed:
        prompts_.Warn(tr("選手データを取り込めませんでした．\n%1").arg(run.error));
        return;
    case ImportRun::Outcome::Refused:
        prompts_.ShowImportProblems(ImportSummary(edition, run.import), ImportDetails(edition, run.import).join(u'\n'));
        return;
    case ImportRun::Outcome::Unchanged:
        statusBar()->showMessage(ImportSummary(edition, run.import), 10000);
        return;
    case ImportRun::Outcome::Declined:
        return;
    case ImportRun::Outcome::Written:
        break;
    }
    state.DataChanged = false;
    fillShownTeam();
    statusBar()->showMessage(tr("選手データを取り込んで %1 に保存しました．").arg(QFileInfo(state.RomPath).fileName()), 5000);
}

void TMainForm::MenuHistoryClick()
{
    prompts_.ShowHistory();
}

void TMainForm::MenuVersionClick()
{
    prompts_.ShowAbout();
}

void TMainForm::HelmetButtonClick()
{
    pickColor(TeamColor::Helmet);
}

void TMainForm::UniformButtonClick()
{
    pickColor(TeamColor::Uniform);
}

void TMainForm::pickColor(TeamColor color)
{
    if (team_.state.RomPath.isEmpty())
        return;
    const std::optional<int> picked = prompts_.PickColor();
    if (!picked)
        return;
    const Result<Change> change = SetTeamColor(team_, color, *picked);
    if (!change) {
        prompts_.Warn(change.reason());
        return;
    }
    applyChange(change.value());
}

void TMainForm::BatterGridDblClick(int column, int row)
{
    editCell(RecordKind::Batter, column, row);
}

void TMainForm::PitcherGridClick(int column, int row)
{
    editCell(RecordKind::Pitcher, column, row);
}

void TMainForm::VisorGridClick(int column, int row)
{
    editCell(RecordKind::Manager, column, row);
}

void TMainForm::editCell(RecordKind grid, int column, int row)
{
    if (const std::optional<Change> change = AskCellEdit(team_, grid, column, row, editDialogs_))
        applyChange(*change);
}

void TMainForm::BatterGridRowMove(int from, int to)
{
    moveRow(RecordKind::Batter, from, to);
}

void TMainForm::PitcherGridRowMove(int from, int to)
{
    moveRow(RecordKind::Pitcher, from, to);
}

void TMainForm::moveRow(RecordKind grid, int from, int to)
{
    // A drop where the row already is changes nothing and says nothing.
    if (const Result<Change> change = MoveRow(team_, grid, from, to))
        applyChange(change.value());
}

GridTableModel& TMainForm::model(RecordKind grid)
{
    switch (grid) {
    case RecordKind::Batter: return *batterModel_;
    case RecordKind::Pitcher: return *pitcherModel_;
    case RecordKind::Manager: return *visorModel_;
    }
    return *visorModel_;
}

void TMainForm::applyChange(const Change& change)
{
    undoStack_->push(new ChangeCommand(change, ChangeName(team_.state.Edition, change),
                                       [this](const Change& made, ChangeCommand::Direction direction) {
                                           makeChange(made, direction == ChangeCommand::Direction::Apply);
                                       }));
}

void TMainForm::createEditMenu()
{
    QMenu* edit = menuBar()->addMenu(tr("編集(&E)"));
    const UndoActions actions = AddUndoActions(*edit, *undoStack_);
    MenuUndo = actions.undo;
    MenuRedo = actions.redo;
}

void TMainForm::makeChange(const Change& change, bool forward)
{
    const auto make = [&] { forward ? Apply(team_, change) : Revert(team_, change); };
    if (const auto* move = std::get_if<RowMove>(&change)) {
        model(move->grid).moveRow(forward ? move->from : move->to, forward ? move->to : move->from, make);
    } else {
        make();
        if (const auto* cell = std::get_if<CellChange>(&change))
            model(cell->grid).cellChanged(cell->column, cell->row);
    }
    showStatistics();
    showColors();
    showChangedCell(change, forward);
}

// An undone or redone edit is shown where it happened.
void TMainForm::showChangedCell(const Change& change, bool forward)
{
    const std::optional<GridPlace> place = PlaceOf(change, forward);
    if (!place)
        return;
    RosterGridView* view = place->grid == RecordKind::Batter    ? BatterGrid
                           : place->grid == RecordKind::Pitcher ? PitcherGrid
                                                                : VisorGrid;
    DataPage->setCurrentWidget(view);
    view->setCurrentIndex(view->model()->index(place->row - 1, place->column - 1));
}

void TMainForm::showModified()
{
    team_.state.DataChanged = !undoStack_->isClean();
    setWindowModified(team_.state.DataChanged);
}

void TMainForm::enableRomCommands()
{
    const bool open = !team_.state.RomPath.isEmpty();
    for (QAction* command : {MenuSave, MenuPatch, MenuImport, MenuOutput})
        command->setEnabled(open);
    for (QPushButton* button : {HelmetButton, UniformButton})
        button->setEnabled(open);
}

void TMainForm::rememberOpenedRom()
{
    const EditorState& state = team_.state;
    EditorSettings settings;
    settings.addRecentFile(state.RomPath, state.Edition);
    settings.setLastFolder(QFileInfo(state.RomPath).absolutePath());
    showRecentFiles();
}

void TMainForm::showRecentFiles()
{
    QStringList paths;
    for (const RecentFile& file : EditorSettings().recentFiles())
        paths << file.path;
    RecentFiles->show(paths);
}

void TMainForm::OpenStartFile(const QString& path, std::optional<int> edition)
{
    if (!QFileInfo::exists(path)) {
        prompts_.Warn(tr("%1 が見つかりません．").arg(QDir::toNativeSeparators(path)));
        return;
    }
    OpenRomFile(path, edition);
}

void TMainForm::OpenRecentFile(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        EditorSettings().removeRecentFile(path);
        showRecentFiles();
        prompts_.Warn(tr("%1 が見つかりません．最近開いたファイルの一覧から外しました．")
                          .arg(QDir::toNativeSeparators(path)));
        return;
    }
    OpenRomFile(path);
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.front().isLocalFile())
        event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return;
    event->acceptProposedAction();
    OpenRomFile(urls.front().toLocalFile());
}

} // namespace quindaro2
