#pragma once

#include "core/export/PlayerExport.h"
#include "core/save/SavePrompts.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace quindaro2 {

// What the edition dialog proposes for a file: the edition to preselect
// (none keeps the one chosen last), a line shown under the choices, and the
// edition the file itself clearly reads as, if any: choosing another is
// warned about.
struct EditionProposal {
    std::optional<int> edition;
    QString note;
    std::optional<int> guess;
};

// What to export while the shown team holds edits not yet saved: the export
// reads the ROM file.
enum class UnsavedExport { SaveFirst, FileAsItIs, Cancel };

// What the export dialog answered: the chosen file and the mode.
struct ExportChoice {
    QString fileName;  // empty when no file was ever chosen
    ExportMode mode = ExportMode::OneFile;
};

// Every question and notice of the main window. The editor shows the real
// dialogs and message boxes; tests give scripted answers.
class MainWindowPrompts : public SavePrompts {
public:
    // The open-file dialog; none when cancelled.
    virtual std::optional<QString> AskRomFile() = 0;
    // The edition dialog: a year, 1986 to 1994; it cannot be cancelled.
    virtual int AskEdition(const EditionProposal& proposal) = 0;
    // The palette picker: the picked colour code, none when cancelled.
    virtual std::optional<int> PickColor() = 0;
    // The edition of a new sample ROM; none when the dialog was closed.
    virtual std::optional<int> AskSampleEdition() = 0;
    // The export dialog; none when cancelled.
    virtual std::optional<ExportChoice> AskExport() = 0;
    // Asked before an export while edits are not saved.
    virtual UnsavedExport AskExportWithUnsavedEdits() = 0;
    // `existing` of the files an export writes are there already: true to replace them.
    virtual bool AskReplaceExportFiles(int existing) = 0;
    virtual void ShowHistory() = 0;
    virtual void ShowAbout() = 0;
    // The program's manual in the desktop's viewer.
    virtual void ShowHelp() = 0;

    // The texts to import, one or several, starting in `folder`; none when cancelled.
    virtual std::optional<QStringList> AskImportFiles(const QString& folder) = 0;
    // The patch file to write, .bps or .ips, proposed in the ROM's folder
    // under the ROM's name; none when cancelled.
    virtual std::optional<QString> AskPatchFile(const QString& folder, const QString& baseName) = 0;
    // What the import would change, asked before anything is written: true to write.
    virtual bool ConfirmImport(const QString& summary, const QString& details) = 0;
    // Why the import was refused, every problem listed.
    virtual void ShowImportProblems(const QString& summary, const QString& details) = 0;
};

} // namespace quindaro2
