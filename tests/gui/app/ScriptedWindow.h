#pragma once

#include "core/session/MainWindowPrompts.h"
#include "gui/app/RosterGridView.h"
#include "gui/app/TMainForm.h"
#include "support/FreshSettings.h"
#include "support/PlausibleRom.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <deque>
#include <optional>
#include <vector>

namespace quindaro2::test {

// Answers every question of the main window from a script and records what
// was asked, with the edition each edition dialog proposed.
class ScriptedWindowPrompts : public MainWindowPrompts {
public:
    std::optional<QString> romFile;
    int edition = 1986;
    std::optional<int> color;
    std::optional<ExportChoice> exportChoice;
    std::deque<SaveAnswer> answers;
    std::optional<QString> saveTarget;
    bool replace = false;
    QStringList asked;
    QStringList warnings;
    std::vector<std::optional<int>> proposals;
    std::vector<std::optional<int>> guesses;

    std::optional<QString> AskRomFile() override { return record(QStringLiteral("rom"), romFile); }
    int AskEdition(const EditionProposal& proposal) override
    {
        asked << QStringLiteral("edition");
        proposals.push_back(proposal.edition);
        guesses.push_back(proposal.guess);
        return edition;
    }
    std::optional<int> PickColor() override { return record(QStringLiteral("color"), color); }
    std::optional<int> AskSampleEdition() override { return record(QStringLiteral("sample-edition"), sampleEdition); }
    std::optional<ExportChoice> AskExport() override { return record(QStringLiteral("export"), exportChoice); }
    UnsavedExport AskExportWithUnsavedEdits() override { return record(QStringLiteral("export-unsaved?"), unsavedExport); }
    bool AskReplaceExportFiles(int existing) override
    {
        existingExportFiles = existing;
        return record(QStringLiteral("replace-export?"), replaceExport);
    }
    void ShowHistory() override { asked << QStringLiteral("history"); }
    void ShowAbout() override { asked << QStringLiteral("about"); }
    void ShowHelp() override { asked << QStringLiteral("help"); }
    std::optional<int> sampleEdition = 1993;
    UnsavedExport unsavedExport = UnsavedExport::Cancel;
    bool replaceExport = true;
    int existingExportFiles = 0;
    SaveAnswer AskToSaveChanges(bool offerCancel) override
    {
        asked << (offerCancel ? QStringLiteral("save?cancel") : QStringLiteral("save?"));
        const SaveAnswer answer = answers.empty() ? SaveAnswer::Cancel : answers.front();
        if (!answers.empty())
            answers.pop_front();
        return answer;
    }
    std::optional<QString> AskSaveTarget(const QString&, const QString&) override
    {
        return record(QStringLiteral("target"), saveTarget);
    }
    bool AskOverwriteChangedTeam(const QString&) override
    {
        asked << QStringLiteral("changed on disk?");
        return overwrite;
    }
    bool AskReplaceFile(const QString&) override
    {
        asked << QStringLiteral("replace?");
        return replace;
    }
    std::optional<QStringList> AskImportFiles(const QString&) override
    {
        return record(QStringLiteral("import-files"), importFiles);
    }
    std::optional<QString> AskPatchFile(const QString&, const QString& baseName) override
    {
        patchBaseName = baseName;
        return record(QStringLiteral("patch-file"), patchFile);
    }
    std::optional<QString> patchFile;
    QString patchBaseName;
    bool ConfirmImport(const QString& summary, const QString& details) override
    {
        asked << QStringLiteral("import?");
        importSummary = summary;
        importDetails = details;
        return writeImport;
    }
    void ShowImportProblems(const QString& summary, const QString& details) override
    {
        asked << QStringLiteral("import-problems");
        importSummary = summary;
        importDetails = details;
    }
    void Warn(const QString& text) override { warnings << text; }

    bool overwrite = false;
    std::optional<QStringList> importFiles;
    bool writeImport = true;
    QString importSummary;
    QString importDetails;

private:
    template <typename T>
    T record(const QString& what, const T& answer)
    {
        asked << what;
        return answer;
    }
};

// Answers the edit dialogs from a script: the number typed, the list entry
// or the name, checked as the real dialogs check them.
class ScriptedWindowEditDialogs : public EditDialogs {
public:
    std::optional<QString> typed;
    QString refusal;
    QStringList errors;

    std::optional<QString> EditName(int, const QString&, const AnswerCheck& check) override { return checked(check); }
    std::optional<QString> ChooseItem(const QString&, const QString&, const QStringList&, const QString&) override
    {
        return typed;
    }
    std::optional<QString> EnterValue(const QString&, const QString&, const ValueRange&, int, const QString&,
                                      const AnswerCheck& check) override
    {
        return checked(check);
    }
    void ShowError(const QString& message) override { errors << message; }

private:
    std::optional<QString> checked(const AnswerCheck& check)
    {
        if (!typed)
            return std::nullopt;
        refusal = check(*typed);
        return refusal.isEmpty() ? typed : std::nullopt;
    }
};

// A main window on scripted questions, with a folder for its ROMs and
// settings of its own.
class ScriptedWindowTest : public ::testing::Test {
public:
    QString writeRom(int edition, unsigned seed = 1, const QString& name = QStringLiteral("game.nes"))
    {
        SyntheticRom rom;
        FillPlausibleRoster(rom, edition, seed);
        return folder.write(name, rom);
    }

    void open(const QString& path, int edition)
    {
        prompts.romFile = path;
        prompts.edition = edition;
        form.MenuOpenClick();
    }

    // Types `text` into the dialog of a cell.
    void edit(RecordKind grid, int column, int row, const QString& text)
    {
        dialogs.typed = text;
        switch (grid) {
        case RecordKind::Batter: form.BatterGridDblClick(column, row); break;
        case RecordKind::Pitcher: form.PitcherGridClick(column, row); break;
        case RecordKind::Manager: form.VisorGridClick(column, row); break;
        }
    }

    static QString Cell(const RosterGridView* grid, int column, int row)
    {
        return grid->model()->index(row - 1, column - 1).data().toString();
    }

    // `first`, unless the cell holds it already: then `second`.
    static QString Other(const RosterGridView* grid, int column, int row, const QString& first, const QString& second)
    {
        return Cell(grid, column, row) == first ? second : first;
    }

    // The caption as the window shows it: the modified marker "*" in place of "[*]".
    static QString ShownTitle(const QWidget& window)
    {
        return window.windowTitle().replace(QStringLiteral("[*]"),
                                            window.isWindowModified() ? QStringLiteral("*") : QString());
    }

    FreshSettings settings;
    RomFolder folder;
    ScriptedWindowPrompts prompts;
    ScriptedWindowEditDialogs dialogs;
    TMainForm form{&prompts, &dialogs};
};

} // namespace quindaro2::test
