#pragma once

#include "core/edition/EditionLayout.h"
#include "core/edit/EditDialogs.h"
#include "core/session/EditorSession.h"
#include "core/session/MainWindowPrompts.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace quindaro2 {

class CellTypingEditor;
class EmulatorTries;
class LeagueView;
class TeamsView;
class QtMainWindowPrompts;
class RecentFilesMenu;
class RosterGridView;

// The editor's one window: its layout, its menus and the slots the user's
// actions reach, which hand the flows to the session that holds the opened
// ROM, and show what the session says. Every question goes through
// MainWindowPrompts and EditDialogs, which tests replace with scripted answers.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    // Without prompts or dialogs the window makes the real ones.
    explicit TMainForm(MainWindowPrompts* prompts = nullptr, EditDialogs* editDialogs = nullptr,
                       QWidget* parent = nullptr);
    ~TMainForm() override;

    // The opened ROM, the shown team and its history.
    const EditorSession& session() const { return *session_; }

    // Opens `path` as File > Open does after its file dialog: the unsaved-changes
    // question, then the edition dialog unless `edition` is given.
    void OpenRomFile(const QString& path, std::optional<int> edition = std::nullopt);
    // Opens a ROM named on the command line; one that is not there is said so.
    void OpenStartFile(const QString& path, std::optional<int> edition);
    // Opens a ROM of the File menu's recent list; one that is gone leaves the
    // list with a message.
    void OpenRecentFile(const QString& path);

    void MenuOpenClick();
    void MenuSampleClick();
    void MenuSaveClick();
    void MenuExitClick();
    // Starts the emulator on a fresh copy of the document as it is now; the
    // settings dialog comes first while no emulator is set.
    void MenuTryClick();
    void MenuEmulatorClick();
    void MenuImportClick();
    void MenuPatchClick();
    void MenuOutputClick();
    void MenuHelpClick();
    void MenuHistoryClick();
    void MenuVersionClick();
    void TeamBoxChange(int index);
    void HelmetButtonClick();
    void UniformButtonClick();
    void BatterGridDblClick(int column, int row);
    void PitcherGridClick(int column, int row);
    void VisorGridClick(int column, int row);
    void BatterGridRowMove(int from, int to);
    void PitcherGridRowMove(int from, int to);

    QAction* MenuOpen = nullptr;
    QAction* MenuSample = nullptr;
    QAction* MenuSave = nullptr;
    QAction* MenuSaveAs = nullptr;
    QAction* MenuExit = nullptr;
    QAction* MenuTry = nullptr;
    QAction* MenuEmulator = nullptr;
    QAction* MenuImport = nullptr;
    QAction* MenuPatch = nullptr;
    QAction* MenuOutput = nullptr;
    QAction* MenuHelp = nullptr;
    QAction* MenuHistory = nullptr;
    QAction* MenuVersion = nullptr;
    QAction* MenuUndo = nullptr;
    QAction* MenuRedo = nullptr;
    RecentFilesMenu* RecentFiles = nullptr;
    QLabel* AverageLabel = nullptr;
    QLabel* HomerunLabel = nullptr;
    QLabel* RunLabel = nullptr;
    QLabel* ErrorLabel = nullptr;
    QLabel* EditionLabel = nullptr;
    QComboBox* TeamBox = nullptr;
    QLabel* HelmetColor = nullptr;
    QLabel* UniformColor = nullptr;
    QPushButton* HelmetButton = nullptr;
    QPushButton* UniformButton = nullptr;
    QTabWidget* DataPage = nullptr;
    RosterGridView* BatterGrid = nullptr;
    RosterGridView* PitcherGrid = nullptr;
    RosterGridView* VisorGrid = nullptr;
    // Every player of the league, beside the grids, and the teams side by
    // side: each made when its tab is first shown or it is first asked for.
    LeagueView& league();
    TeamsView& teams();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createMenus();
    void createEditMenu();
    QWidget* createTopPanel();
    QWidget* createDataPage();
    LeagueView* League = nullptr;
    TeamsView* Teams = nullptr;
    // The edition the edition dialog preselects for a file: the one it was opened as last.
    std::optional<int> rememberedEdition(const QString& path) const;
    // Another ROM is open: caption, team list, tabs, commands, recent files.
    void showOpened();
    void showView();
    void showCaption();
    void showEdition();
    void showChangedCell(RecordKind grid, int column, int row);
    void showPlayer(int team, RecordKind grid, int slot);
    void enableRomCommands();
    void rememberOpenedRom();
    void showRecentFiles();
    RosterGridView* gridView(RecordKind grid);
    // Typing, copy, paste and row keys of a grid.
    void connectGridKeys(RosterGridView* view, RecordKind grid);
    void startTyping(RecordKind grid, int column, int row, const QString& text);
    void closeTyping();

    std::unique_ptr<QtMainWindowPrompts> ownPrompts_;
    MainWindowPrompts& prompts_;
    EditorSession* session_ = nullptr;
    QPointer<CellTypingEditor> typing_;
    std::unique_ptr<EmulatorTries> tries_;
};

} // namespace quindaro2
