#include "core/import/ImportIntoRom.h"

#include "core/file/FileIdentity.h"
#include "core/file/FileWriter.h"
#include "core/file/RomFile.h"

#include <QCoreApplication>

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

} // namespace

ImportRun ImportIntoRomFile(const QString& romPath, const ImportEdition& edition, const QStringList& textPaths,
                            const ImportTarget& target, const ImportConfirmation& confirm)
{
    const Result<std::vector<ImportFile>> texts = ReadImportFiles(textPaths);
    if (!texts)
        return Failed(texts.reason());
    ImportRun run;
    if (target.patch && SameFile(target.path, romPath)) {
        run.outcome = ImportRun::Outcome::Refused;
        run.import.problems.push_back(
            {target.path, 0, {}, {}, Text::tr("ROM ファイルです。パッチの書き込み先には使えません")});
        return run;
    }
    for (const QString& text : textPaths) {
        if (SameFile(text, target.path)) {
            run.outcome = ImportRun::Outcome::Refused;
            run.import.problems.push_back(
                {text, 0, {}, {}, Text::tr("取り込むテキストファイルです。ROM の書き込み先には使えません")});
            return run;
        }
    }

    const Result<LockedRom> locked = LockedRom::Open(romPath, LockedRom::Access::Update);
    if (!locked)
        return Failed(locked.reason());
    const std::optional<int> known = edition(locked->image());
    if (!known) {
        run.outcome = ImportRun::Outcome::NoEdition;
        return run;
    }
    run.edition = *known;
    Result<PlayerImport> imported = ImportPlayerData(locked->image(), run.edition, texts.value());
    if (!imported)
        return Failed(imported.reason());
    run.import = std::move(imported).value();
    if (!run.import.ok()) {
        run.outcome = ImportRun::Outcome::Refused;
        return run;
    }
    if (run.import.changes.empty() && !target.patch && SameFile(target.path, romPath)) {
        run.outcome = ImportRun::Outcome::Unchanged;
        return run;
    }
    if (confirm && !confirm(run.edition, run.import)) {
        run.outcome = ImportRun::Outcome::Declined;
        return run;
    }
    QByteArray bytes = run.import.image.bytes();
    if (target.patch) {
        Result<QByteArray> patch = CreatePatch(*target.patch, locked->image().bytes(), bytes);
        if (!patch)
            return Failed(patch.reason());
        bytes = std::move(patch).value();
    }
    if (const Status written = WriteWholeFile(target.path, bytes); !written)
        return Failed(written.reason());
    run.outcome = ImportRun::Outcome::Written;
    return run;
}

} // namespace quindaro2
