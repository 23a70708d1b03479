#pragma once

#include "app/MainWindowPrompts.h"
#include "app/TVersionForm.h"
#include "dialogs/TAboutForm.h"
#include "dialogs/THistoryForm.h"
#include "dialogs/TOutputForm.h"
#include "edit/QtEditDialogs.h"
#include "edit/TColorForm.h"
#include "edit/TListForm.h"
#include "edit/TNameForm.h"
#include "edit/TValueForm.h"

namespace quindaro2 {

// The real dialogs of the editor, created once in the order the program has
// always created them and reused for the whole run, so each remembers its last
// state (the edition chosen, the export file, the history's scroll position).
class QtMainWindowPrompts : public MainWindowPrompts {
public:
    explicit QtMainWindowPrompts(QWidget* window);

    EditDialogs& editDialogs() { return editDialogs_; }

    std::optional<QString> AskRomFile() override;
    int AskEdition() override;
    std::optional<int> PickColor() override;
    std::optional<ExportChoice> AskExport() override;
    void ShowHistory() override;
    void ShowAbout() override;
    SaveAnswer AskToSaveChanges(bool offerCancel) override;
    std::optional<QString> AskSaveTarget(const QString& folder, const QString& fileName) override;
    void Warn(const QString& text) override;

private:
    QWidget* window_;
    TNameForm NameForm;
    TListForm ListForm;
    TValueForm ValueForm;
    TVersionForm VersionForm;
    TAboutForm AboutForm;
    TOutputForm OutputForm;
    THistoryForm HistoryForm;
    TColorForm ColorForm;
    QtEditDialogs editDialogs_;
};

} // namespace quindaro2
