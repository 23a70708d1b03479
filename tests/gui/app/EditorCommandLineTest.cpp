#include "gui/app/EditorCommandLine.h"
#include "gui/app/ScriptedWindow.h"

#include "support/QtPrinters.h"

#include <QComboBox>
#include <QDir>
#include <QProcess>

namespace quindaro2 {
namespace {

struct LineCase {
    const char* title;
    QStringList arguments;
    const char* rom;      // relative to the current folder; empty for none
    std::optional<int> edition;
    bool help;
    const char* inError;  // empty when the line is followed
};

void PrintTo(const LineCase& c, std::ostream* out)
{
    *out << c.title;
}

class EditorCommandLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(EditorCommandLineTest, ReadsTheRomAndTheEdition)
{
    const LineCase& c = GetParam();
    const EditorStart start = ParseEditorCommandLine(QStringList{QStringLiteral("quindaro2")} + c.arguments);
    EXPECT_EQ(start.error.isEmpty(), QString::fromUtf8(c.inError).isEmpty()) << start.error.toStdString();
    EXPECT_TRUE(start.error.contains(QString::fromUtf8(c.inError))) << start.error.toStdString();
    if (!start.error.isEmpty())
        return;
    const QString rom = QString::fromUtf8(c.rom);
    EXPECT_EQ(start.rom, rom.isEmpty() ? QString() : QDir::current().absoluteFilePath(rom));
    EXPECT_EQ(start.edition, c.edition);
    EXPECT_EQ(start.help, c.help);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, EditorCommandLineTest,
    ::testing::Values(
        LineCase{"Nothing", {}, "", std::nullopt, false, ""},
        LineCase{"RomOnly", {QStringLiteral("game.nes")}, "game.nes", std::nullopt, false, ""},
        LineCase{"ShortEdition", {QStringLiteral("game.nes"), QStringLiteral("--edition"), QStringLiteral("93")},
                 "game.nes", 1993, false, ""},
        LineCase{"LongEditionFirst", {QStringLiteral("--edition=1986"), QStringLiteral("/roms/a b.nes")},
                 "/roms/a b.nes", 1986, false, ""},
        LineCase{"DashedFileAfterTheEnd", {QStringLiteral("--"), QStringLiteral("-x.nes")}, "-x.nes", std::nullopt,
                 false, ""},
        LineCase{"Help", {QStringLiteral("--help")}, "", std::nullopt, true, ""},
        LineCase{"ShortHelp", {QStringLiteral("-h")}, "", std::nullopt, true, ""},
        LineCase{"NoSuchEdition", {QStringLiteral("--edition"), QStringLiteral("95"), QStringLiteral("game.nes")}, "",
                 std::nullopt, false, "95"},
        LineCase{"EditionWithoutRom", {QStringLiteral("--edition"), QStringLiteral("90")}, "", std::nullopt, false,
                 "ROM"},
        LineCase{"EditionWithoutValue", {QStringLiteral("game.nes"), QStringLiteral("--edition")}, "", std::nullopt,
                 false, "--edition"},
        LineCase{"EditionTwice",
                 {QStringLiteral("--edition=90"), QStringLiteral("--edition=91"), QStringLiteral("game.nes")}, "",
                 std::nullopt, false, "2回"},
        LineCase{"TwoRoms", {QStringLiteral("a.nes"), QStringLiteral("b.nes")}, "", std::nullopt, false, "一つ"},
        LineCase{"UnknownOption", {QStringLiteral("--team"), QStringLiteral("3")}, "", std::nullopt, false,
                 "--team"}),
    [](const ::testing::TestParamInfo<LineCase>& info) { return std::string(info.param.title); });

class StartFileTest : public test::ScriptedWindowTest {};

TEST_F(StartFileTest, AnEditionOnTheCommandLineSkipsTheEditionDialog)
{
    const QString path = writeRom(1992);
    form.OpenStartFile(path, 1992);
    EXPECT_FALSE(prompts.asked.contains(QStringLiteral("edition")));
    EXPECT_EQ(form.session().document()->edition(), 1992);
    EXPECT_EQ(form.session().document()->path(), path);
    EXPECT_EQ(form.TeamBox->count(), 16);
    EXPECT_EQ(ShownTitle(form), QStringLiteral("QUINDARO2 - game.nes"));
}

TEST_F(StartFileTest, WithoutAnEditionTheDialogAsks)
{
    const QString path = writeRom(1987);
    prompts.edition = 1987;
    form.OpenStartFile(path, std::nullopt);
    EXPECT_EQ(prompts.asked, QStringList{QStringLiteral("edition")});
    EXPECT_EQ(form.TeamBox->count(), 12);
}

TEST_F(StartFileTest, ARomThatIsNotThereIsSaidSo)
{
    form.OpenStartFile(folder.path(QStringLiteral("missing.nes")), 1993);
    ASSERT_EQ(prompts.warnings.size(), 1);
    EXPECT_TRUE(prompts.warnings[0].contains(QStringLiteral("missing.nes")));
    EXPECT_TRUE(form.session().document() == nullptr);
    EXPECT_FALSE(form.MenuSave->isEnabled());
}

struct EditorRun {
    int code = -1;
    QString out;
    QString err;
};

EditorRun RunEditor(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUINDARO2_LANG"), QStringLiteral("ja"));
    process.setProcessEnvironment(environment);
    process.start(QString::fromUtf8(QUINDARO2_EDITOR), arguments);
    EditorRun run;
    if (!process.waitForFinished(60000)) {
        ADD_FAILURE() << "the editor did not end";
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.code = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// The editor itself: help on standard output, a line it cannot follow on
// standard error with the usage, before any window opens.
TEST(EditorProcess, HelpAndRefusedLines)
{
    const EditorRun help = RunEditor({QStringLiteral("--help")});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("quindaro2 [ROM] [--edition E]"))) << help.out.toStdString();

    const EditorRun refused = RunEditor({QStringLiteral("--edition"), QStringLiteral("99"), QStringLiteral("x.nes")});
    EXPECT_EQ(refused.code, 2);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("99"))) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains(QStringLiteral("quindaro2 [ROM] [--edition E]")));
    EXPECT_TRUE(refused.out.isEmpty());
}

} // namespace
} // namespace quindaro2
