#include "gui/app/TMainForm.h"

#include "core/document/RomDocument.h"
#include "core/edit/NesPalette.h"
#include "core/edition/EditionProfile.h"
#include "core/roster/GridName.h"
#include "core/sample/SampleFolder.h"
#include "core/session/EditorSession.h"
#include "gui/app/CellTypingEditor.h"
#include "gui/app/EditorSettings.h"
#include "gui/app/EmulatorDialog.h"
#include "core/session/EmulatorTry.h"
#include "gui/app/QtMainWindowPrompts.h"
#include "gui/app/RecentFilesMenu.h"
#include "gui/app/RosterGridView.h"
#include "gui/app/UndoActions.h"
#include "gui/edit/NesColor.h"
#include "gui/league/LeagueView.h"
#include "gui/league/TeamsView.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
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
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace quindaro2 {

namespace {

constexpr int kManagerTab = 2;
constexpr int kLeagueTab = 3;
constexpr int kTeamsTab = 4;
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

void Paint(QLabel* square, int code)
{
    square->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid #404040;").arg(NesColor(code).name()));
    square->setToolTip(ColorCodeText(code));
}

// Keeps the window's frame inside the screen's available area, so that its
// title bar and its team list can be reached at any scale.
void FitToScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize frame = window.frameGeometry().size() - window.geometry().size();
    const QSize room = available.size() - frame;
    window.resize(window.size().boundedTo(room).expandedTo(window.minimumSizeHint().boundedTo(room)));
    QRect placed = window.frameGeometry();
    placed.moveLeft(std::clamp(placed.left(), available.left(), std::max(available.left(), available.right() - placed.width() + 1)));
    placed.moveTop(std::clamp(placed.top(), available.top(), std::max(available.top(), available.bottom() - placed.height() + 1)));
    window.move(placed.topLeft());
}

} // namespace

TMainForm::TMainForm(MainWindowPrompts* prompts, EditDialogs* editDialogs, QWidget* parent)
    : QMainWindow(parent),
      ownPrompts_(prompts ? nullptr : std::make_unique<QtMainWindowPrompts>(this)),
      prompts_(prompts ? *prompts : *ownPrompts_)
{
    setWindowTitle(QStringLiteral("QUINDARO2"));
    setAcceptDrops(true);
    session_ = new EditorSession(prompts_, editDialogs ? *editDialogs : ownPrompts_->editDialogs(), this);
    connect(session_, &EditorSession::opened, this, &TMainForm::showOpened);
    connect(session_, &EditorSession::viewChanged, this, &TMainForm::showView);
    connect(session_, &EditorSession::changeShown, this, &TMainForm::showChangedCell);
    connect(session_, &EditorSession::cellShown, this, &TMainForm::showChangedCell);
    connect(session_, &EditorSession::modifiedChanged, this, &QWidget::setWindowModified);
    connect(session_, &EditorSession::message, statusBar(), &QStatusBar::showMessage);
    connect(session_, &EditorSession::saved, this, [this] {
        rememberOpenedRom();
        showCaption();
    });
    createMenus();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 0, 4, 4);
    layout->addWidget(createTopPanel());
    layout->addWidget(createDataPage(), 1);
    setCentralWidget(central);
    // There from the start, so that the first message does not shrink the grids.
    EditionLabel = new QLabel(this);
    EditionLabel->setObjectName(QStringLiteral("EditionLabel"));
    statusBar()->addPermanentWidget(EditionLabel);
    showView();
    showEdition();
    enableRomCommands();
    showRecentFiles();
    // Wide enough for every column of the widest grid, tall enough for 13 rows,
    // unless the last run left the window elsewhere; never larger than the screen.
    if (!restoreGeometry(EditorSettings().windowGeometry()))
        resize(800, 560);
    FitToScreen(*this);
}

TMainForm::~TMainForm() = default;

void TMainForm::createMenus()
{
    QMenu* file = menuBar()->addMenu(tr("ファイル(&F)"));
    MenuOpen = file->addAction(tr("開く...(&O)"), this, &TMainForm::MenuOpenClick);
    MenuOpen->setShortcuts({QKeySequence(Qt::Key_F1), QKeySequence(Qt::CTRL | Qt::Key_O)});
    MenuSample = file->addAction(tr("サンプルROMを開く(&D)..."), this, &TMainForm::MenuSampleClick);
    file->addSeparator();
    MenuSave = file->addAction(tr("保存...(&S)"), this, &TMainForm::MenuSaveClick);
    MenuSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    MenuSaveAs = file->addAction(tr("名前を付けて保存...(&A)"), this, &TMainForm::MenuSaveClick);
    MenuSaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    MenuPatch = file->addAction(tr("パッチとして保存(&P)..."), this, &TMainForm::MenuPatchClick);
    MenuImport = file->addAction(tr("選手データ取込(&I)..."), this, &TMainForm::MenuImportClick);
    MenuTry = file->addAction(tr("エミュレータで試す(&T)"), this, &TMainForm::MenuTryClick);
    MenuTry->setShortcut(Qt::Key_F5);
    MenuEmulator = file->addAction(tr("エミュレータの設定(&M)..."), this, &TMainForm::MenuEmulatorClick);
    MenuExit = file->addAction(tr("終了(&X)"), this, &TMainForm::MenuExitClick);
    MenuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    RecentFiles = new RecentFilesMenu(*file, MenuExit, this);
    connect(RecentFiles, &RecentFilesMenu::chosen, this, &TMainForm::OpenRecentFile);

    createEditMenu();

    QMenu* output = menuBar()->addMenu(tr("出力(&O)"));
    MenuOutput = output->addAction(tr("選手データ出力(&P)..."), this, &TMainForm::MenuOutputClick);

    QMenu* information = menuBar()->addMenu(tr("情報(&I)"));
    MenuHelp = information->addAction(tr("ヘルプ(&M)..."), this, &TMainForm::MenuHelpClick);
    // F1, the usual key for help, opens a ROM here; the key goes to help only
    // where the desktop has another one for it.
    if (QKeySequence(QKeySequence::HelpContents) != QKeySequence(Qt::Key_F1))
        MenuHelp->setShortcut(QKeySequence::HelpContents);
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
    BatterGrid->setModel(&session_->model(RecordKind::Batter));
    PitcherGrid->setModel(&session_->model(RecordKind::Pitcher));
    VisorGrid->setModel(&session_->model(RecordKind::Manager));
    for (const auto& [grid, kind] : {std::pair{BatterGrid, RecordKind::Batter}, std::pair{PitcherGrid, RecordKind::Pitcher},
                                     std::pair{VisorGrid, RecordKind::Manager}}) {
        DataPage->addTab(grid, GridName(kind));
        grid->setAccessibleName(GridName(kind));
    }
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
    connectGridKeys(BatterGrid, RecordKind::Batter);
    connectGridKeys(PitcherGrid, RecordKind::Pitcher);
    connectGridKeys(VisorGrid, RecordKind::Manager);

    // The league's two pages are filled when first shown, so that the start pays for neither.
    for (const QString& title : {tr("リーグ"), tr("チーム比較")}) {
        auto* page = new QWidget(DataPage);
        (new QVBoxLayout(page))->setContentsMargins(0, 0, 0, 0);
        DataPage->addTab(page, title);
    }
    connect(DataPage, &QTabWidget::currentChanged, this, [this](int tab) {
        if (tab == kLeagueTab)
            league();
        else if (tab == kTeamsTab)
            teams();
    });
    return DataPage;
}

LeagueView& TMainForm::league()
{
    if (!League) {
        QWidget* page = DataPage->widget(kLeagueTab);
        League = new LeagueView(page);
        page->layout()->addWidget(League);
        connect(League, &LeagueView::playerChosen, this, &TMainForm::showPlayer);
        League->setDocument(session_->document());
    }
    return *League;
}

TeamsView& TMainForm::teams()
{
    if (!Teams) {
        QWidget* page = DataPage->widget(kTeamsTab);
        Teams = new TeamsView(page);
        page->layout()->addWidget(Teams);
        Teams->setDocument(session_->document());
    }
    return *Teams;
}

void TMainForm::connectGridKeys(RosterGridView* view, RecordKind grid)
{
    connect(view, &RosterGridView::typingStarted, this,
            [this, grid](int column, int row, const QString& text) { startTyping(grid, column, row, text); });
    connect(view, &RosterGridView::copyRequested, this, [this, grid](int left, int top, int right, int bottom) {
        if (session_->isOpen())
            QGuiApplication::clipboard()->setText(session_->CopyCells(grid, left, top, right, bottom));
    });
    connect(view, &RosterGridView::pasteRequested, this, [this, grid](int column, int row) {
        closeTyping();
        session_->Paste(grid, column, row, QGuiApplication::clipboard()->text());
    });
}

void TMainForm::startTyping(RecordKind grid, int column, int row, const QString& text)
{
    const RomDocument* document = session_->document();
    if (!document)
        return;
    const Result<CellEditor> editor = CellEditorOf(*document, session_->team(), grid, column, row);
    if (!editor) {
        statusBar()->showMessage(editor.reason());
        return;
    }
    closeTyping();
    RosterGridView* view = gridView(grid);
    const QRect cell = view->visualRect(view->model()->index(row - 1, column - 1));
    typing_ = new CellTypingEditor(view->viewport(), cell, editor.value(), document->profile().names, text,
                                   [this, grid, column, row](const QString& typed) {
                                       return session_->EnterCell(grid, column, row, typed);
                                   });
    connect(typing_, &CellTypingEditor::message, statusBar(), [this](const QString& line) { statusBar()->showMessage(line); });
    connect(typing_, &CellTypingEditor::closed, view, [this, view, column, row](bool committed, bool next) {
        if (!committed)
            statusBar()->clearMessage();
        const int nextColumn = next && column < view->model()->columnCount() ? column : column - 1;
        view->setCurrentIndex(view->model()->index(row - 1, nextColumn));
        view->setFocus();
    });
    statusBar()->showMessage(typing_->hint());
}

void TMainForm::closeTyping()
{
    if (typing_)
        typing_->deleteLater();
    typing_ = nullptr;
}

void TMainForm::MenuOpenClick()
{
    if (const std::optional<QString> path = prompts_.AskRomFile())
        OpenRomFile(*path);
}

void TMainForm::OpenRomFile(const QString& path, std::optional<int> edition)
{
    session_->Open(path, edition, rememberedEdition(path));
}

// A fresh sample ROM of the edition the user picks, made in the program's own
// folder, never over a file, and opened; the status bar says where it lives.
void TMainForm::MenuSampleClick()
{
    if (!session_->ConfirmDropEdits())
        return;
    const std::optional<int> edition = prompts_.AskSampleEdition();
    if (!edition)
        return;
    const Result<QString> sample = CreateSample(EditorSettings::samplesFolder(), *edition, QDateTime::currentDateTime());
    if (!sample) {
        prompts_.Warn(tr("サンプルROMを作れませんでした．\n%1").arg(sample.reason()));
        return;
    }
    if (session_->OpenAgreed(sample.value(), *edition, std::nullopt))
        statusBar()->showMessage(tr("サンプルROMの場所：%1").arg(QDir::toNativeSeparators(sample.value())));
}

std::optional<int> TMainForm::rememberedEdition(const QString& path) const
{
    return EditorSettings().rememberedEdition(path);
}

void TMainForm::showOpened()
{
    closeTyping();
    const RomDocument& document = *session_->document();
    const EditionProfile& profile = document.profile();
    // What the status bar said was of the ROM shown before.
    statusBar()->clearMessage();
    showCaption();
    showEdition();
    {
        const QSignalBlocker blocker(TeamBox);
        TeamBox->clear();
        for (int team = 0; team < profile.teamCount(); ++team)
            TeamBox->addItem(profile.teamCode(team));
        TeamBox->setCurrentIndex(0);
    }
    DataPage->setTabEnabled(kManagerTab, profile.managers.has_value());
    if (League)
        League->setDocument(&document);
    if (Teams)
        Teams->setDocument(&document);
    for (RosterGridView* grid : {BatterGrid, PitcherGrid, VisorGrid})
        grid->fitColumns();
    enableRomCommands();
    rememberOpenedRom();
}

void TMainForm::TeamBoxChange(int index)
{
    closeTyping();
    if (!session_->ShowTeam(index)) {
        const QSignalBlocker blocker(TeamBox);
        TeamBox->setCurrentIndex(session_->team());
        return;
    }
    for (RosterGridView* grid : {BatterGrid, PitcherGrid, VisorGrid})
        grid->fitColumns();
}

void TMainForm::showPlayer(int team, RecordKind grid, int slot)
{
    const bool otherTeam = team != session_->team();
    if (!session_->ShowPlayer(team, grid, slot))
        return;
    if (otherTeam) {
        const QSignalBlocker blocker(TeamBox);
        TeamBox->setCurrentIndex(team);
        for (RosterGridView* view : {BatterGrid, PitcherGrid, VisorGrid})
            view->fitColumns();
    }
}

void TMainForm::showView()
{
    const TeamView& view = session_->view();
    AverageLabel->setText(view.statistics.AverageLabel);
    HomerunLabel->setText(view.statistics.HomerunLabel);
    RunLabel->setText(view.statistics.RunLabel);
    ErrorLabel->setText(view.statistics.ErrorLabel);
    Paint(HelmetColor, view.HelmetColorCode);
    Paint(UniformColor, view.UniformColorCode);
    // The squares are colours only; a screen reader says what they show.
    HelmetColor->setAccessibleName(tr("帽子の色 %1").arg(ColorCodeText(view.HelmetColorCode)));
    UniformColor->setAccessibleName(tr("ユニフォームの色 %1").arg(ColorCodeText(view.UniformColorCode)));
}

void TMainForm::showCaption()
{
    // "[*]" shows where the modified marker goes; a file name's own "[*]" is doubled to stay text.
    const QString name =
        QFileInfo(session_->document()->path()).fileName().replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(QStringLiteral("QUINDARO2 - %1[*]").arg(name));
    setWindowModified(session_->modified());
}

void TMainForm::MenuSaveClick()
{
    session_->Save();
}

void TMainForm::MenuEmulatorClick()
{
    EmulatorDialog(this).edit();
}

void TMainForm::MenuTryClick()
{
    const RomDocument* document = session_->document();
    if (!document)
        return;
    if (EmulatorDialog::savedProgram().isEmpty() && !EmulatorDialog(this).edit())
        return;
    if (!tries_)
        tries_ = std::make_unique<EmulatorTries>();
    const Status started = tries_->tryDocument(*document, EmulatorDialog::savedProgram(), EmulatorDialog::savedArguments());
    if (!started) {
        prompts_.Warn(tr("エミュレータで試せませんでした．\n%1").arg(started.reason()));
        return;
    }
    statusBar()->showMessage(tr("エミュレータを起動しました（編集中のデータのコピーで試しています）．"), 5000);
}

void TMainForm::MenuExitClick()
{
    close();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (!session_->ConfirmDropEdits()) {
        event->ignore();
        return;
    }
    EditorSettings().setWindowGeometry(saveGeometry());
    event->accept();
}

void TMainForm::MenuOutputClick()
{
    if (const std::optional<ExportChoice> choice = session_->Export())
        EditorSettings().setExportChoice(*choice);
}

void TMainForm::MenuPatchClick()
{
    session_->SaveAsPatch();
}

void TMainForm::MenuImportClick()
{
    session_->Import();
}

void TMainForm::MenuHelpClick()
{
    prompts_.ShowHelp();
}

// The edition of the open ROM, or how to open one while none is.
void TMainForm::showEdition()
{
    const RomDocument* document = session_->document();
    EditionLabel->setText(document ? tr("%1年版").arg(document->edition())
                                   : tr("ROMを開くには F1（ファイル → 開く）、見本は ファイル → サンプルROMを開く"));
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
    session_->PickColor(TeamColor::Helmet);
}

void TMainForm::UniformButtonClick()
{
    session_->PickColor(TeamColor::Uniform);
}

void TMainForm::BatterGridDblClick(int column, int row)
{
    session_->EditCell(RecordKind::Batter, column, row);
}

void TMainForm::PitcherGridClick(int column, int row)
{
    session_->EditCell(RecordKind::Pitcher, column, row);
}

void TMainForm::VisorGridClick(int column, int row)
{
    session_->EditCell(RecordKind::Manager, column, row);
}

void TMainForm::BatterGridRowMove(int from, int to)
{
    session_->MoveRow(RecordKind::Batter, from, to);
}

void TMainForm::PitcherGridRowMove(int from, int to)
{
    session_->MoveRow(RecordKind::Pitcher, from, to);
}

void TMainForm::createEditMenu()
{
    QMenu* edit = menuBar()->addMenu(tr("編集(&E)"));
    const UndoActions actions = AddUndoActions(*edit, *session_);
    MenuUndo = actions.undo;
    MenuRedo = actions.redo;
}

RosterGridView* TMainForm::gridView(RecordKind grid)
{
    switch (grid) {
    case RecordKind::Batter: return BatterGrid;
    case RecordKind::Pitcher: return PitcherGrid;
    case RecordKind::Manager: return VisorGrid;
    }
    return VisorGrid;
}

// A change made, undone or redone is shown where it happened.
void TMainForm::showChangedCell(RecordKind grid, int column, int row)
{
    RosterGridView* view = gridView(grid);
    DataPage->setCurrentWidget(view);
    view->setCurrentIndex(view->model()->index(row - 1, column - 1));
}

void TMainForm::enableRomCommands()
{
    const bool open = session_->isOpen();
    for (QAction* command : {MenuSave, MenuSaveAs, MenuTry, MenuPatch, MenuImport, MenuOutput})
        command->setEnabled(open);
    for (QPushButton* button : {HelmetButton, UniformButton})
        button->setEnabled(open);
}

void TMainForm::rememberOpenedRom()
{
    const RomDocument& document = *session_->document();
    EditorSettings settings;
    settings.addRecentFile(document.path(), document.edition());
    settings.setLastFolder(QFileInfo(document.path()).absolutePath());
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
