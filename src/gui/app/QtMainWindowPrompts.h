#pragma once

#include "core/session/MainWindowPrompts.h"
#include "gui/app/TVersionForm.h"
#include "gui/dialogs/TAboutForm.h"
#include "gui/dialogs/THistoryForm.h"
#include "gui/dialogs/TImportForm.h"
#include "gui/dialogs/TOutputForm.h"
#include "gui/edit/QtEditDialogs.h"
#include "gui/edit/TColorForm.h"
#include "gui/edit/TListForm.h"
#include "gui/edit/TNameForm.h"
#include "gui/edit/TValueForm.h"

#include <QCoreApplication>
#include <QPointer>

namespace quindaro2 {

// The real dialogs of the editor, created once in the order the program has
// always created them and reused for the whole run, so each remembers its last
// state (the edition chosen, the export file, the history's scroll position).
// The window owns them as its children; whichever of the two goes first, each
// dialog is deleted once.
class QtMainWindowPrompts : public MainWindowPrompts {
    Q_DECLARE_TR_FUNCTIONS(QtMainWindowPrompts)

public:
    explicit QtMainWindowPrompts(QWidget* window);
    ~QtMainWindowPrompts() override;
    QtMainWindowPrompts(const QtMainWindowPrompts&) = delete;
    QtMainWindowPrompts& operator=(const QtMainWindowPrompts&) = delete;

    EditDialogs& editDialogs() { return editDialogs_; }

    std::optional<QString> AskRomFile() override;
    int AskEdition(const EditionProposal& proposal) override;
    std::optional<int> PickColor() override;
    std::optional<int> AskSampleEdition() override;
    std::optional<ExportChoice> AskExport() override;
    UnsavedExport AskExportWithUnsavedEdits() override;
    bool AskReplaceExportFiles(int existing) override;
    void ShowHistory() override;
    void ShowAbout() override;
    void ShowHelp() override;
    SaveAnswer AskToSaveChanges(bool offerCancel) override;
    bool AskOverwriteChangedTeam(const QString& fileName) override;
    bool AskReplaceFile(const QString& path) override;
    std::optional<QString> AskSaveTarget(const QString& folder, const QString& fileName) override;
    void Warn(const QString& text) override;
    std::optional<QStringList> AskImportFiles(const QString& folder) override;
    std::optional<QString> AskPatchFile(const QString& folder, const QString& baseName) override;
    bool ConfirmImport(const QString& summary, const QString& details) override;
    void ShowImportProblems(const QString& summary, const QString& details) override;

private:
    QWidget* window_;
    QPointer<TNameForm> NameForm;
    QPointer<TListForm> ListForm;
    QPointer<TValueForm> ValueForm;
    QPointer<TVersionForm> VersionForm;
    QPointer<TAboutForm> AboutForm;
    QPointer<TOutputForm> OutputForm;
    QPointer<THistoryForm> HistoryForm;
    QPointer<TColorForm> ColorForm;
    QPointer<TImportForm> ImportForm;
    QString importFolder_;  // where the last import's files were chosen
    QtEditDialogs editDialogs_;
};

} // namespace quindaro2
