#include "core/session/EmulatorTry.h"

#include "core/document/RomDocument.h"
#include "core/edit/CellEdit.h"
#include "core/edition/EditionProfile.h"
#include "support/PlausibleRom.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace quindaro2 {
namespace {

using namespace Qt::StringLiterals;

// Arguments split at blanks, quotes keeping blanks, %f as the file or the file last.
TEST(EmulatorCommand, SplitsArgumentsAndPlacesTheFile)
{
    struct Case {
        const char* program;
        const char* arguments;
        bool ok;
        QStringList expected;
    };
    const QString file = u"/tmp/a b.nes"_s;
    const Case cases[] = {
        {"emu", "%f", true, {file}},
        {"emu", "", true, {file}},
        {"emu", "-f  --scale 2", true, {u"-f"_s, u"--scale"_s, u"2"_s, file}},
        {"emu", "--rom=%f \"two words\"", true, {u"--rom="_s + file, u"two words"_s}},
        {"emu", "\"\" %f", true, {QString(), file}},
        {"emu", "; rm -rf ~ %f", true, {u";"_s, u"rm"_s, u"-rf"_s, u"~"_s, file}},
        {"emu", "\"open", false, {}},
        {"  ", "%f", false, {}},
    };
    for (const Case& c : cases) {
        const Result<EmulatorCommand> command =
            EmulatorCommandFor(QString::fromLatin1(c.program), QString::fromLatin1(c.arguments), file);
        ASSERT_EQ(command.ok(), c.ok) << c.arguments;
        if (c.ok) {
            EXPECT_EQ(command->arguments, c.expected) << c.arguments;
        }
    }
}

struct Document : RomDocument {
    explicit Document(const QString& path)
        : RomDocument(path, test::Profile(1993), RomImage(Bytes()))
    {
    }
    static QByteArray Bytes()
    {
        test::SyntheticRom rom;
        test::FillPlausibleRoster(rom, 1993, 2);
        return rom.bytes();
    }
};

// Each try writes a fresh copy of the edited bytes, never the ROM file; the
// copies go with the object; a program that cannot start says why.
TEST(EmulatorTries, WriteFreshCopiesOfTheEditedBytesAndRemoveThem)
{
    const QString program = QStandardPaths::findExecutable(u"true"_s);
    if (program.isEmpty())
        GTEST_SKIP() << "no true program";
    QTemporaryDir dir;
    const QString rom = dir.filePath(u"game.nes"_s);
    Document document(rom);
    const Result<Change> edit = EditCell(document, 0, RecordKind::Batter, 1, 1, u"かと"_s);
    ASSERT_TRUE(edit);
    ASSERT_TRUE(document.apply({QString(), {edit.value()}}));

    QString folder;
    {
        EmulatorTries tries;
        folder = tries.folder();
        ASSERT_TRUE(tries.tryDocument(document, program, u"%f"_s));
        ASSERT_TRUE(tries.tryDocument(document, program, u"%f"_s));
        const QStringList copies = QDir(folder).entryList(QDir::Files);
        ASSERT_EQ(copies.size(), 2);
        QFile copy(QDir(folder).filePath(copies.front()));
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
        EXPECT_EQ(copy.readAll(), document.image().bytes());
        EXPECT_FALSE(QFileInfo::exists(rom)) << "the ROM file is never written";

        const Status missing = tries.tryDocument(document, dir.filePath(u"no-such-emulator"_s), u"%f"_s);
        ASSERT_FALSE(missing);
        EXPECT_TRUE(missing.reason().contains(u"no-such-emulator"_s)) << missing.reason().toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(folder));
}

} // namespace
} // namespace quindaro2
