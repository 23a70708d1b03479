#include "core/sample/DemoRom.h"
#include "core/export/PlayerExport.h"
#include "core/file/RomFile.h"
#include "core/roster/GridFill.h"
#include "core/save/SaveDocument.h"
#include "support/DocumentEdit.h"
#include "support/SyntheticRom.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <functional>
#include <unistd.h>

namespace quindaro2 {
namespace {

using test::FileExists;
using test::ReadFile;
using test::RomFolder;

// A path the user might hand the editor or the tool, made in a fresh folder.
struct BadInput {
    const char* name;
    std::function<QString(const RomFolder&)> make;
    bool readable;     // every record of the team can be read
    bool needsNonRoot;  // permissions do not stop root
};

std::ostream& operator<<(std::ostream& out, const BadInput& c)
{
    return out << c.name;
}

QString Demo(const RomFolder& folder, const QString& name)
{
    const QString path = folder.path(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    folder.write(name, DemoRomImage(1993));
    return path;
}

const BadInput kInputs[] = {
    {"ZeroLengthFile", [](const RomFolder& f) { return f.write(QStringLiteral("empty.nes"), QByteArray()); }, false,
     false},
    {"HeaderOnly", [](const RomFolder& f) { return f.write(QStringLiteral("header.nes"), DemoRomImage(1993).left(16)); },
     false, false},
    {"EndsInsideARecord",
     [](const RomFolder& f) {
         return f.write(QStringLiteral("cut.nes"), DemoRomImage(1993).left(0x6010 + 5 * 18 + 7));
     },
     false, false},
    {"DirectoryWhereAFileIsExpected",
     [](const RomFolder& f) {
         QDir().mkpath(f.path(QStringLiteral("folder.nes")));
         return f.path(QStringLiteral("folder.nes"));
     },
     false, false},
    {"UnreadableFile",
     [](const RomFolder& f) {
         const QString path = f.write(QStringLiteral("locked.nes"), DemoRomImage(1993));
         QFile::setPermissions(path, QFileDevice::WriteOwner);
         return path;
     },
     false, true},
    {"JapaneseNameWithSpaces", [](const RomFolder& f) { return Demo(f, QStringLiteral("選手 データ/ロム ファイル.nes")); },
     true, false},
    {"PathLongerThan299Bytes",
     [](const RomFolder& f) {
         QString name;
         while ((f.path(name).toUtf8().size()) < 320)
             name += QStringLiteral("とても長いフォルダ/");
         return Demo(f, name + QStringLiteral("rom.nes"));
     },
     true, false},
};

class BadInputTest : public ::testing::TestWithParam<BadInput> {
protected:
    void SetUp() override
    {
        if (GetParam().needsNonRoot && geteuid() == 0)
            GTEST_SKIP() << "root reads files without read permission";
        path = GetParam().make(folder);
        before = ReadFile(path);
    }

    RomFolder folder;
    QString path;
    QByteArray before;
};

// The core: a file that cannot be read says why, a fill reports what it
// could not read, an edit of such a record and an export fail with a message,
// and no byte of any file changes.
TEST_P(BadInputTest, TheCoreReportsAndChangesNothing)
{
    const Result<RomImage> image = ReadRomFile(path);
    if (image) {
        RomDocument document(path, test::Profile(1993), image.value());
        const TeamView fill = FillTeam(document.profile(), document.image(), 0);
        EXPECT_EQ(fill.readProblems.isEmpty(), GetParam().readable) << fill.readProblems.join(u'\n').toStdString();
        const Result<Change> edit = EditCell(document, 0, RecordKind::Batter, 4, 6, QStringLiteral("12"));
        EXPECT_EQ(edit.ok(), GetParam().readable) << edit.reason().toStdString();
        const SaveResult saved = SaveDocument(document, {path, std::nullopt, {}});
        EXPECT_TRUE(saved.ok()) << saved.error.toStdString();
    } else {
        EXPECT_FALSE(GetParam().readable);
        EXPECT_TRUE(image.reason().contains(QFileInfo(path).fileName())) << image.reason().toStdString();
    }
    EXPECT_EQ(ReadFile(path), before);

    const QString out = folder.path(QStringLiteral("players.txt"));
    const ExportResult exported = ExportPlayerData(path, 1993, out, ExportMode::OneFile);
    EXPECT_EQ(exported.ok(), GetParam().readable) << exported.error.toStdString();
    EXPECT_EQ(FileExists(out), GetParam().readable);
}

// The tool: each command says what went wrong, naming the file, exits 1 and
// leaves every file as it was.
TEST_P(BadInputTest, TheToolSaysWhatWentWrongAndChangesNothing)
{
    const int expected = GetParam().readable ? 0 : 1;
    const Outcome show = RunTool({QStringLiteral("show"), QStringLiteral("--edition"), QStringLiteral("93"),
                                  QStringLiteral("--team"), QStringLiteral("0"), path});
    EXPECT_EQ(show.code, expected) << show.err.toStdString();

    const QString copy = folder.path(QStringLiteral("copy.nes"));
    const Outcome set = RunTool({QStringLiteral("set"), QStringLiteral("--edition"), QStringLiteral("93"),
                                 QStringLiteral("--team"), QStringLiteral("0"), QStringLiteral("--grid"),
                                 QStringLiteral("batter"), QStringLiteral("--row"), QStringLiteral("1"),
                                 QStringLiteral("--column"), QStringLiteral("4"), QStringLiteral("12"), path,
                                 QStringLiteral("--output"), copy});
    EXPECT_EQ(set.code, expected) << set.err.toStdString();
    EXPECT_EQ(FileExists(copy), GetParam().readable);

    const QString out = folder.path(QStringLiteral("players.txt"));
    const Outcome exported = RunTool({QStringLiteral("export"), QStringLiteral("--edition"), QStringLiteral("93"),
                                      path, out});
    EXPECT_EQ(exported.code, expected) << exported.err.toStdString();
    EXPECT_EQ(FileExists(out), GetParam().readable);

    if (!GetParam().readable) {
        for (const Outcome* outcome : {&show, &set, &exported})
            EXPECT_TRUE(outcome->err.contains(QFileInfo(path).fileName())) << outcome->err.toStdString();
    }
    EXPECT_EQ(ReadFile(path), before);
}

INSTANTIATE_TEST_SUITE_P(Inputs, BadInputTest, ::testing::ValuesIn(kInputs));

TEST(BadInput, AFileThatVanishesBetweenOpenAndSave)
{
    RomFolder folder;
    const QString path = folder.write(QStringLiteral("rom.nes"), DemoRomImage(1991));
    RomDocument document(path, test::Profile(1991), test::FileImage(path));
    test::Edit(document, 0, RecordKind::Batter, 4, 1, QStringLiteral("12"));
    QFile::remove(path);
    const SaveResult saved = SaveDocument(document, {path, std::nullopt, {}});
    EXPECT_FALSE(saved.ok());
    EXPECT_TRUE(saved.error.contains(QStringLiteral("rom.nes")));
    EXPECT_FALSE(FileExists(path)) << "a Save never brings back a vanished ROM from nothing";
}

// Nothing in a ROM says which edition it is: a 1993 image opened as 1986 shows
// values that cannot be right, and says so, without changing the file.
TEST(BadInput, ARomOpenedAsTheWrongEdition)
{
    RomFolder folder;
    const QString path = folder.write(QStringLiteral("rom.nes"), DemoRomImage(1993));
    const QByteArray before = ReadFile(path);
    const Outcome show = RunTool({QStringLiteral("show"), QStringLiteral("--edition"), QStringLiteral("86"),
                                  QStringLiteral("--team"), QStringLiteral("0"), path});
    EXPECT_EQ(show.code, 0);
    EXPECT_TRUE(show.err.contains(QStringLiteral("エラーの可能性があります"))) << show.err.toStdString();
    EXPECT_EQ(ReadFile(path), before);
}

} // namespace
} // namespace quindaro2
