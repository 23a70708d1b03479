// The editor's write paths without its widgets, for the fault-injection and
// kill tests, which run them as child processes:
//   fault_driver save ROM TARGET    edits a batter of team 2 (1993) and saves
//                                   it as the editor's Save does
//   fault_driver patch ROM PATCH    the same edit, saved as a patch
//   fault_driver write TARGET FROM  writes FROM's bytes over TARGET through
//                                   the file layer
// Exit code 0 when done; 1 with the warnings on standard error.
#include "core/edit/CellEdit.h"
#include "core/edit/EditCommands.h"
#include "core/file/FileWriter.h"
#include "core/roster/GridFill.h"
#include "core/edition/EditionProfile.h"
#include "core/file/RomFile.h"
#include "core/save/SaveDocument.h"
#include "core/save/SaveCommands.h"
#include "support/SyntheticRom.h"

#include <QCoreApplication>

#include <cstdio>
#include <memory>

namespace {

using namespace quindaro2;

// Answers the Save dialog with the target; every warning goes to standard error.
class TargetPrompts : public SavePrompts {
public:
    explicit TargetPrompts(const QString& target) : target_(target) {}
    SaveAnswer AskToSaveChanges(bool) override { return SaveAnswer::Yes; }
    std::optional<QString> AskSaveTarget(const QString&, const QString&) override { return target_; }
    bool AskOverwriteChangedTeam(const QString&) override { return true; }
    bool AskReplaceFile(const QString&) override { return true; }
    void Warn(const QString& text) override { Fail(text); }

    static void Fail(const QString& text) { std::fprintf(stderr, "%s\n", text.toUtf8().constData()); }

private:
    QString target_;
};

// The document of the 1993 ROM, with the first batter of team 2 edited in its fourth column.
std::unique_ptr<RomDocument> EditedDocument(const QString& rom)
{
    const Result<RomImage> image = ReadRomFile(rom);
    if (!image)
        return nullptr;
    auto document = std::make_unique<RomDocument>(rom, *FindProfile(1993), image.value());
    const QString shown = FillTeam(document->profile(), document->image(), 2).BatterGrid.cell(4, 1);
    const QString value = shown == QStringLiteral("77") ? QStringLiteral("78") : QStringLiteral("77");
    const Result<Change> change = EditCell(*document, 2, RecordKind::Batter, 4, 1, value);
    if (!change || !document->apply({QString(), {change.value()}}))
        return nullptr;
    return document;
}

int Run(const QStringList& arguments)
{
    if (arguments.size() != 3)
        return 2;
    const QString& command = arguments[0];
    if (command == QStringLiteral("write")) {
        const QByteArray bytes = test::ReadFile(arguments[2]);
        const Status written = WriteWholeFile(arguments[1], bytes);
        if (!written)
            TargetPrompts::Fail(written.reason());
        return written ? 0 : 1;
    }
    const std::unique_ptr<RomDocument> document = EditedDocument(arguments[1]);
    if (!document)
        return 2;
    if (command == QStringLiteral("save")) {
        TargetPrompts prompts(arguments[2]);
        return SaveAskingForTarget(*document, prompts) ? 0 : 1;
    }
    if (command == QStringLiteral("patch")) {
        // The editor's Save as patch: the target checked, then the one save path.
        if (const Status usable = CheckSaveTarget(arguments[2]); !usable) {
            TargetPrompts::Fail(usable.reason());
            return 1;
        }
        const SaveResult saved = SaveDocument(*document, {arguments[2], PatchKindOfFileName(arguments[2]), {}});
        if (!saved.ok())
            TargetPrompts::Fail(saved.error);
        return saved.ok() ? 0 : 1;
    }
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    return Run(QCoreApplication::arguments().mid(1));
}
