#pragma once

#include "core/document/RomDocument.h"
#include "core/edit/EditDialogs.h"
#include "core/roster/TeamView.h"
#include "core/session/GridTableModel.h"
#include "core/session/MainWindowPrompts.h"

#include <QObject>

#include <memory>
#include <optional>

namespace quindaro2 {

// The editor's flows without a widget: opening a ROM, switching teams, saving,
// exporting, importing, patches, the edits and their history. It holds the
// opened ROM as a document and the shown team as an index onto it, with the
// team's view computed from the document's bytes and the three grid models
// that show it. Every question goes through the prompts and the edit dialogs,
// so that the window only shows and asks, and tests answer from a script.
//
// The editor state of the original maps onto it: RomPath and SaveTarget are
// the document's file (a Save makes its target the opened ROM), Edition its
// edition, TeamIndex team(), DataChanged modified(), and the two colour codes
// are those of the view.
class EditorSession : public QObject {
    Q_OBJECT

public:
    EditorSession(MainWindowPrompts& prompts, EditDialogs& dialogs, QObject* parent = nullptr);
    ~EditorSession() override;

    // None before a ROM is open.
    const RomDocument* document() const { return document_.get(); }
    bool isOpen() const { return document_ != nullptr; }
    int team() const { return team_; }
    // The shown team as its bytes read now.
    const TeamView& view() const { return view_; }
    GridTableModel& model(RecordKind grid);
    bool modified() const { return document_ && document_->modified(); }

    // The unsaved-changes question before the shown team is replaced: false
    // when it must stay.
    bool ConfirmDropEdits(bool offerCancel = true);
    // Opens the ROM after the question; the edition dialog asks unless
    // `edition` is given, preselecting `remembered` or else the guess.
    bool Open(const QString& path, std::optional<int> edition, std::optional<int> remembered);
    // Opens the ROM once the user agreed to drop the edits.
    bool OpenAgreed(const QString& path, std::optional<int> edition, std::optional<int> remembered);
    // Shows another team (TeamBoxChange), after the question; false when the
    // shown team stays.
    bool ShowTeam(int team);
    // Shows the team, through the same question, with the player's name
    // cell selected; false when the shown team stays.
    bool ShowPlayer(int team, RecordKind grid, int slot);

    // Save (MenuSaveClick): true when the document was saved.
    bool Save();
    // Save as patch (MenuPatchClick).
    void SaveAsPatch();
    // The export (MenuOutputClick): the dialog's answer once it was given.
    std::optional<ExportChoice> Export();
    // The import (MenuImportClick).
    void Import();

    // The edit commands of the grids and the colour buttons.
    void EditCell(RecordKind grid, int column, int row);
    void MoveRow(RecordKind grid, int from, int to);
    // A text typed into a cell, through the one validation: empty when it
    // was taken as one step, otherwise why it was refused (nothing changed).
    QString EnterCell(RecordKind grid, int column, int row, const QString& text);
    // The shown team's cells from (firstColumn, firstRow) to (lastColumn,
    // lastRow) as tab-separated text.
    QString CopyCells(RecordKind grid, int firstColumn, int firstRow, int lastColumn, int lastRow) const;
    // A tab-separated block pasted with its first cell at (column, row): all
    // cells as one step, or none with the refused cells listed in a warning.
    bool Paste(RecordKind grid, int column, int row, const QString& text);
    void PickColor(TeamColor color);
    void Undo();
    void Redo();

Q_SIGNALS:
    // Another ROM is open: its edition, its team list and the first team.
    void opened();
    // The shown team's cells, colours or figures may read otherwise.
    void viewChanged();
    // A change of the shown team was made or taken back here.
    void changeShown(RecordKind grid, int column, int row);
    // A cell of the shown team to select, as a jump to a player asks.
    void cellShown(RecordKind grid, int column, int row);
    // A line for the status bar, shown for `timeout` milliseconds (0 keeps it).
    void message(const QString& text, int timeout);
    void modifiedChanged(bool modified);
    void historyChanged();
    // The document was saved into its file, which may have another name now.
    void saved();

private:
    void showTeamView(bool reset);
    void showFillReport();
    void makeStep(const Change& change);
    void showStep(const Step& step, bool forward);
    void teamsChanged(const std::vector<int>& teams);

    MainWindowPrompts& prompts_;
    EditDialogs& dialogs_;
    std::unique_ptr<RomDocument> document_;
    int team_ = 0;
    TeamView view_;
    GridTableModel* batterModel_ = nullptr;
    GridTableModel* pitcherModel_ = nullptr;
    GridTableModel* visorModel_ = nullptr;
};

} // namespace quindaro2
