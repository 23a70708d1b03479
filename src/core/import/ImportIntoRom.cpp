#include "core/import/ImportIntoRom.h"

#include "core/edition/EditionProfile.h"
#include "core/file/FileIdentity.h"
#include "core/file/RomFile.h"

#include <QCoreApplication>

#include <tuple>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ImportIntoRom)
};

ImportRun Failed(const QString& error)
{
    ImportRun run;
    run.error = error;
    return run;
}

ImportRun Refused(const QString& file, const QString& reason)
{
    ImportRun run;
    run.outcome = ImportRun::Outcome::Refused;
    run.import.problems.push_back({file, 0, {}, {}, reason});
    return run;
}

// The texts, once read, or why the import stops before the ROM is read.
struct Texts {
    std::vector<ImportFile> files;
    std::optional<ImportRun> stop;
};

Texts ReadTexts(const QString& romPath, const QStringList& textPaths, const ImportTarget& target)
{
    Result<std::vector<ImportFile>> read = ReadImportFiles(textPaths);
    if (!read)
        return {{}, Failed(read.reason())};
    if (target.patch && SameFile(target.path, romPath))
        return {{}, Refused(target.path, Text::tr("ROM ファイルです。パッチの書き込み先には使えません"))};
    for (const QString& text : textPaths) {
        if (SameFile(text, target.path))
            return {{}, Refused(text, Text::tr("取り込むテキストファイルです。ROM の書き込み先には使えません"))};
    }
    return {std::move(read).value(), std::nullopt};
}

ImportRun ImportAndSave(RomDocument& document, const std::vector<ImportFile>& texts, const ImportTarget& target,
                        const ImportConfirmation& confirm, const LockedRom& locked)
{
    ImportRun run;
    run.edition = document.edition();
    Result<PlayerImport> imported = ImportPlayerData(document, texts);
    if (!imported)
        return Failed(imported.reason());
    run.import = std::move(imported).value();
    if (!run.import.ok()) {
        run.outcome = ImportRun::Outcome::Refused;
        return run;
    }
    const bool intoTheRom = !target.patch && SameFile(target.path, document.path());
    if (run.import.changes.empty() && intoTheRom) {
        run.outcome = ImportRun::Outcome::Unchanged;
        return run;
    }
    if (confirm && !confirm(run.edition, run.import)) {
        run.outcome = ImportRun::Outcome::Declined;
        return run;
    }
    const bool changes = !run.import.step.changes.empty();
    if (changes) {
        if (const Status made = document.apply(run.import.step); !made)
            return Failed(made.reason());
    }
    const SaveResult saved = SaveDocument(document, {target.path, target.patch, target.overwriteChanged}, &locked);
    if (!saved.ok() && changes)
        std::ignore = document.undo();
    if (saved.declined) {
        run.outcome = ImportRun::Outcome::Declined;
        return run;
    }
    if (saved.refused) {
        run.outcome = ImportRun::Outcome::Refused;
        run.import.problems.push_back({target.path, 0, {}, {}, saved.error});
        return run;
    }
    if (!saved.ok())
        return Failed(saved.error);
    run.outcome = ImportRun::Outcome::Written;
    return run;
}

} // namespace

ImportRun ImportIntoDocument(RomDocument& document, const QStringList& textPaths, const ImportTarget& target,
                             const ImportConfirmation& confirm)
{
    const Texts texts = ReadTexts(document.path(), textPaths, target);
    if (texts.stop)
        return *texts.stop;
    const Result<LockedRom> locked = LockedRom::Open(document.path(), LockedRom::Access::Update);
    if (!locked)
        return Failed(locked.reason());
    return ImportAndSave(document, texts.files, target, confirm, locked.value());
}

ImportRun ImportIntoRomFile(const QString& romPath, const ImportEdition& edition, const QStringList& textPaths,
                            const ImportTarget& target, const ImportConfirmation& confirm)
{
    const Texts texts = ReadTexts(romPath, textPaths, target);
    if (texts.stop)
        return *texts.stop;
    const Result<LockedRom> locked = LockedRom::Open(romPath, LockedRom::Access::Update);
    if (!locked)
        return Failed(locked.reason());
    const std::optional<int> known = edition(locked->image());
    const EditionProfile* profile = known ? FindProfile(*known) : nullptr;
    if (!profile) {
        ImportRun run;
        run.outcome = ImportRun::Outcome::NoEdition;
        return run;
    }
    RomDocument document(romPath, *profile, locked->image());
    return ImportAndSave(document, texts.files, target, confirm, locked.value());
}

} // namespace quindaro2
