#include "core/import/ImportIntoRom.h"

#include "core/file/FileIdentity.h"
#include "core/file/FileWriter.h"
#include "core/file/RomFile.h"

namespace quindaro2 {

namespace {

ImportRun Failed(const QString& error)
{
    ImportRun run;
    run.error = error;
    return run;
}

} // namespace

ImportRun ImportIntoRomFile(const QString& romPath, int edition, const QStringList& textPaths, const QString& target,
                            const ImportConfirmation& confirm)
{
    const Result<std::vector<ImportFile>> texts = ReadImportFiles(textPaths);
    if (!texts)
        return Failed(texts.reason());
    ImportRun run;
    for (const QString& text : textPaths) {
        if (SameFile(text, target)) {
            run.outcome = ImportRun::Outcome::Refused;
            run.import.problems.push_back(
                {text, 0, {}, {}, QStringLiteral("取り込むテキストファイルです。ROM の書き込み先には使えません")});
            return run;
        }
    }

    const Result<LockedRom> locked = LockedRom::Open(romPath, LockedRom::Access::Update);
    if (!locked)
        return Failed(locked.reason());
    Result<PlayerImport> imported = ImportPlayerData(locked->image(), edition, texts.value());
    if (!imported)
        return Failed(imported.reason());
    run.import = std::move(imported).value();
    if (!run.import.ok()) {
        run.outcome = ImportRun::Outcome::Refused;
        return run;
    }
    if (run.import.changes.empty() && SameFile(target, romPath)) {
        run.outcome = ImportRun::Outcome::Unchanged;
        return run;
    }
    if (confirm && !confirm(run.import)) {
        run.outcome = ImportRun::Outcome::Declined;
        return run;
    }
    if (const Status written = WriteWholeFile(target, run.import.image.bytes()); !written)
        return Failed(written.reason());
    run.outcome = ImportRun::Outcome::Written;
    return run;
}

} // namespace quindaro2
