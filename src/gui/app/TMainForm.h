#pragma once

#include "core/edit/Change.h"
#include "core/edit/EditDialogs.h"
#include "core/roster/ShownTeam.h"
#include "gui/app/MainWindowPrompts.h"

#include <QMainWindow>

#include <memory>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QUndoStack;

namespace quindaro2 {

class GridTableModel;
class QtMainWindowPrompts;
class RecentFilesMenu;
class RosterGridView;
struct TeamFillReport;

// The editor's one window: it owns the editor state and the shown team, opens
// a ROM, switches teams, and hosts the three grids and the team panel. Every
// question goes through MainWindowPrompts and EditDialogs, which tests replace
// with scripted answers.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    // Without prompts or dialogs the window makes the real ones.
    explicit TMainForm(MainWindowPrompts* prompts = nullptr, EditDialogs* editDialogs = nullptr,
                       QWidget* parent = nullptr);
    ~TMainForm() override;

    const ShownTeam& shownTeam() const { return team_; }

    // Opens `path` as File > Open does after its file dialog: the unsaved-changes
    // question, then the edition dialog unless `edition` is given.
    void OpenRomFile(const QString& path, std::optional<int> edition = std::nullopt);
    // Opens a ROM named on the command line; one that is not there is said so.
    void OpenStartFile(const QString& path, std::optional<int> edition);
    // Opens a ROM of the File menu's recent list; one that is gone leaves the
    // list with a message.
    void OpenRecentFile(const QString& path);
    // The shown team's edits, newest last; empty after an Open or a team switch.
    QUndoStack& undoStack() { return *undoStack_; }

    void MenuOpenClick();
    void MenuSampleClick();
    void MenuSaveClick();
    void MenuExitClick();
    void MenuImportClick();
    void MenuPatchClick();
    void MenuOutputClick();
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
    QAction* MenuExit = nullptr;
    QAction* MenuImport = nullptr;
    QAction* MenuPatch = nullptr;
    QAction* MenuOutput = nullptr;
    QAction* MenuHistory = nullptr;
    QAction* MenuVersion = nullptr;
    QAction* MenuUndo = nullptr;
    QAction* MenuRedo = nullptr;
    RecentFilesMenu* RecentFiles = nullptr;
    QLabel* AverageLabel = nullptr;
    QLabel* HomerunLabel = nullptr;
    QLabel* RunLabel = nullptr;
    QLabel* ErrorLabel = nullptr;
    QComboBox* TeamBox = nullptr;
    QLabel* HelmetColor = nullptr;
    QLabel* UniformColor = nullptr;
    QPushButton* HelmetButton = nullptr;
    QPushButton* UniformButton = nullptr;
    QTabWidget* DataPage = nullptr;
    RosterGridView* BatterGrid = nullptr;
    RosterGridView* PitcherGrid = nullptr;
    RosterGridView* VisorGrid = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createMenus();
    // Opens the file once the user has agreed to drop the shown team's edits.
    void openAgreed(const QString& path, std::optional<int> edition);
    // The edition the edition dialog preselects for a file, and what it says about it.
    EditionProposal ProposeEdition(const QString& path) const;
    QWidget* createTopPanel();
    QWidget* createDataPage();
    void fillShownTeam();
    void showFillReport(const TeamFillReport& report);
    void showStatistics();
    void showColors();
    void showCaption(const QString& path);
    void pickColor(TeamColor color);
    void editCell(RecordKind grid, int column, int row);
    void moveRow(RecordKind grid, int from, int to);
    // Puts an accepted change on the undo history, which makes it.
    void applyChange(const Change& change);
    GridTableModel& model(RecordKind grid);
    void createEditMenu();
    // Makes a change or takes it back, and brings the grids, figures and colours up to date.
    void makeChange(const Change& change, bool forward);
    void showChangedCell(const Change& change, bool forward);
    // DataChanged and the caption's marker follow the undo history's saved state.
    void showModified();
    void enableRomCommands();
    void rememberOpenedRom();
    void showRecentFiles();

    std::unique_ptr<QtMainWindowPrompts> ownPrompts_;
    MainWindowPrompts& prompts_;
    EditDialogs& editDialogs_;
    ShownTeam team_;
    GridTableModel* batterModel_ = nullptr;
    GridTableModel* pitcherModel_ = nullptr;
    GridTableModel* visorModel_ = nullptr;
    QUndoStack* undoStack_ = nullptr;
};

} // namespace quindaro2
