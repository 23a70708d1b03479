#pragma once

#include "core/session/MainWindowPrompts.h"
#include "gui/app/TVersionForm.h"
#include "gui/dialogs/LazyDialog.h"
#include "gui/dialogs/TAboutForm.h"
#include "gui/dialogs/THistoryForm.h"
#include "gui/dialogs/TImportForm.h"
#include "gui/dialogs/TOutputForm.h"
#include "gui/edit/QtEditDialogs.h"
#include "gui/edit/TColorForm.h"

#include <QCoreApplication>

namespace quindaro2 {

// The real dialogs of the editor, each made when first asked for, so that the
// window's start pays for none, and reused for the rest of the run, so that
// each remembers its last state (the edition chosen, the export file, the
// history's scroll position).
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
    // The export dialog, with the last run's choice when it is first made.
    TOutputForm& outputForm();

    QWidget* window_;
    LazyDialog<TVersionForm> VersionForm;
    LazyDialog<TAboutForm> AboutForm;
    LazyDialog<TOutputForm> OutputForm;
    LazyDialog<THistoryForm> HistoryForm;
    LazyDialog<TColorForm> ColorForm;
    LazyDialog<TImportForm> ImportForm;
    QString importFolder_;  // where the last import's files were chosen
    QtEditDialogs editDialogs_;
};

} // namespace quindaro2
