#include "core/edition/Edition.h"
#include "core/i18n/Translations.h"
#include "gui/app/EditorCommandLine.h"
#include "gui/app/QtMainWindowPrompts.h"
#include "gui/app/TMainForm.h"
#include "support/FreshSettings.h"
#include "support/QtPrinters.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace quindaro2 {
namespace {

bool IsJapanese(uint c)
{
    return (c >= 0x3000 && c <= 0x30FF) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF)
        || (c >= 0xFF00 && c <= 0xFFEF);
}

// The texts that still hold Japanese.
QStringList Japanese(const QStringList& texts)
{
    QStringList japanese;
    for (const QString& text : texts) {
        const QList<uint> characters = text.toUcs4();
        if (std::any_of(characters.begin(), characters.end(), IsJapanese))
            japanese << text;
    }
    return japanese;
}

// The texts a window shows of its own: its caption, labels, buttons, group and
// tab titles and menus; not those of the windows it owns, and not the game's
// data in its lists, boxes and grids.
void CollectTexts(const QWidget& widget, QStringList& texts)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        texts << button->text();
    else if (const auto* label = qobject_cast<const QLabel*>(&widget))
        texts << label->text();
    else if (const auto* group = qobject_cast<const QGroupBox*>(&widget))
        texts << group->title();
    else if (const auto* tabs = qobject_cast<const QTabWidget*>(&widget))
        for (int tab = 0; tab < tabs->count(); ++tab)
            texts << tabs->tabText(tab);
    for (const QWidget* child : widget.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow())
            CollectTexts(*child, texts);
    }
}

QStringList ShownTexts(const QWidget& window)
{
    QStringList texts{window.windowTitle()};
    CollectTexts(window, texts);
    texts.removeAll(QString());
    return texts;
}

QList<QMenu*> Menus(const QMainWindow& window)
{
    QList<QMenu*> menus;
    for (const QAction* action : window.menuBar()->actions()) {
        for (QMenu* menu : window.menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) {
            if (menu->menuAction() == action)
                menus << menu;
        }
    }
    return menus;
}

// The items' access keys, lowercased; an empty one for an item without.
QStringList AccessKeys(const QList<QAction*>& actions)
{
    QStringList keys;
    for (const QAction* action : actions) {
        if (action->isSeparator())
            continue;
        const QString text = QString(action->text()).remove(QStringLiteral("&&"));
        const qsizetype at = text.indexOf(u'&');
        keys << (at >= 0 && at + 1 < text.size() ? text.mid(at + 1, 1).toLower() : QString());
    }
    return keys;
}

// The editor as it starts when QUINDARO2_LANG=en: the English translations of
// the core and the editor installed, for the length of one case.
class EnglishTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        hadLanguage_ = qEnvironmentVariableIsSet("QUINDARO2_LANG");
        language_ = qgetenv("QUINDARO2_LANG");
        qputenv("QUINDARO2_LANG", "en");
        const QList<QTranslator*> before = qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly);
        ASSERT_TRUE(InstallTranslations(*qApp, {QStringLiteral("core"), QStringLiteral("gui")}));
        for (QTranslator* translator : qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)) {
            if (!before.contains(translator))
                installed_ << translator;
        }
    }

    void TearDown() override
    {
        for (QTranslator* translator : installed_) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        if (hadLanguage_)
            qputenv("QUINDARO2_LANG", language_);
        else
            qunsetenv("QUINDARO2_LANG");
    }

    test::FreshSettings settings_;

private:
    bool hadLanguage_ = false;
    QByteArray language_;
    QList<QTranslator*> installed_;
};

TEST_F(EnglishTest, MainWindowMenusAndControls)
{
    TMainForm form;
    QStringList texts = ShownTexts(form);
    const QList<QMenu*> menus = Menus(form);
    ASSERT_EQ(menus.size(), form.menuBar()->actions().size());
    for (const QMenu* menu : menus) {
        texts << menu->title();
        for (const QAction* action : menu->actions())
            texts << action->text() << action->toolTip();
    }
    EXPECT_EQ(Japanese(texts), QStringList());

    // Every menu and every item is reached by its own key.
    const QStringList titleKeys = AccessKeys(form.menuBar()->actions());
    EXPECT_FALSE(titleKeys.contains(QString())) << titleKeys.join(u' ').toStdString();
    EXPECT_EQ(QSet<QString>(titleKeys.begin(), titleKeys.end()).size(), titleKeys.size());
    for (const QMenu* menu : menus) {
        const QStringList keys = AccessKeys(menu->actions());
        SCOPED_TRACE(menu->title().toStdString());
        EXPECT_FALSE(keys.contains(QString())) << keys.join(u' ').toStdString();
        EXPECT_EQ(QSet<QString>(keys.begin(), keys.end()).size(), keys.size()) << keys.join(u' ').toStdString();
    }
}

// What is done with a window that comes up; it may add texts it shows
// besides its controls.
using Step = std::function<void(QWidget& shown, QStringList& texts)>;

void Close(QWidget& shown, QStringList&)
{
    static_cast<QDialog&>(shown).reject();
}

void CloseFileDialog(QWidget& shown, QStringList& texts)
{
    auto& dialog = static_cast<QFileDialog&>(shown);
    texts << dialog.nameFilters();
    dialog.reject();
}

void CloseHistory(QWidget& shown, QStringList& texts)
{
    const auto* notes = shown.findChild<QListWidget*>();
    for (int row = 0; notes && row < notes->count(); ++row)
        texts << notes->item(row)->text();
    Close(shown, texts);
}

// Presses a button that brings up a message box, then closes the window.
Step PressThenClose(const char* button)
{
    return [button](QWidget& shown, QStringList& texts) {
        auto* pressed = shown.findChild<QPushButton*>(QString::fromLatin1(button));
        ASSERT_NE(pressed, nullptr) << button;
        pressed->click();
        Close(shown, texts);
    };
}

// Runs `open`, which brings up modal windows, each over the one before; every
// window that comes up gives its texts and is then handled by its step.
QStringList TextsOfModalWindows(const std::function<void()>& open, const std::vector<Step>& steps)
{
    QObject context;
    QStringList texts;
    QList<QPointer<QWidget>> seen;
    std::size_t next = 0;
    std::function<void()> poll = [&] {
        QWidget* shown = QApplication::activeModalWidget();
        if (next >= steps.size())
            return;
        if (!shown || seen.contains(shown)) {
            QTimer::singleShot(10, &context, poll);
            return;
        }
        seen << shown;
        texts << ShownTexts(*shown);
        const Step& step = steps[next++];
        QTimer::singleShot(10, &context, poll);
        step(*shown, texts);
    };
    QTimer::singleShot(0, &context, poll);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &context, [&] {
        ADD_FAILURE() << "a window was left open";
        next = steps.size();
        while (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->done(QDialog::Rejected);
    });
    guard.start(5000);
    open();
    EXPECT_EQ(next, steps.size()) << "fewer windows came up than expected";
    return texts;
}

struct WindowCase {
    const char* name;
    std::function<void(QtMainWindowPrompts&, const QString& folder)> open;
    std::vector<Step> steps;
};

void PrintTo(const WindowCase& c, std::ostream* out)
{
    *out << c.name;
}

const AnswerCheck kRefuse = [](const QString&) { return QStringLiteral("Refused."); };

class EnglishWindowTest : public EnglishTest, public ::testing::WithParamInterface<WindowCase> {};

// Every dialog and question of the window, with its caption, texts and buttons.
TEST_P(EnglishWindowTest, SpeaksEnglish)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QWidget window;
    QtMainWindowPrompts prompts(&window);
    const QStringList texts =
        TextsOfModalWindows([&] { GetParam().open(prompts, folder.path()); }, GetParam().steps);
    EXPECT_FALSE(texts.isEmpty());
    EXPECT_EQ(Japanese(texts), QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    Windows, EnglishWindowTest,
    ::testing::Values(
        WindowCase{"EditionDialog", [](auto& p, auto&) { p.AskEdition({std::nullopt, QString(), std::nullopt}); }, {Close}},
        WindowCase{"ColourPicker", [](auto& p, auto&) { p.PickColor(); }, {Close}},
        WindowCase{"ExportDialog", [](auto& p, auto&) { p.AskExport(); }, {PressThenClose("OpenButton"), Close}},
        WindowCase{"ImportQuestion", [](auto& p, auto&) { p.ConfirmImport(QStringLiteral("2 cells"), QString()); },
                   {Close}},
        WindowCase{"ImportProblems", [](auto& p, auto&) { p.ShowImportProblems(QStringLiteral("1 problem"), QString()); },
                   {Close}},
        WindowCase{"History", [](auto& p, auto&) { p.ShowHistory(); }, {CloseHistory}},
        WindowCase{"About", [](auto& p, auto&) { p.ShowAbout(); }, {Close}},
        WindowCase{"SaveQuestion", [](auto& p, auto&) { p.AskToSaveChanges(true); }, {Close}},
        WindowCase{"SaveQuestionWithoutCancel", [](auto& p, auto&) { p.AskToSaveChanges(false); }, {Close}},
        WindowCase{"ChangedOnDisk", [](auto& p, auto&) { p.AskOverwriteChangedTeam(QStringLiteral("game.nes")); },
                   {Close}},
        WindowCase{"ReplaceFile", [](auto& p, auto& folder) { p.AskReplaceFile(folder + QStringLiteral("/game.nes")); },
                   {Close}},
        WindowCase{"Warning", [](auto& p, auto&) { p.Warn(QStringLiteral("Careful.")); }, {Close}},
        WindowCase{"OpenFile", [](auto& p, auto&) { p.AskRomFile(); }, {CloseFileDialog}},
        WindowCase{"SaveFile", [](auto& p, auto& folder) { p.AskSaveTarget(folder, QStringLiteral("game.nes")); },
                   {CloseFileDialog}},
        WindowCase{"ImportFiles", [](auto& p, auto& folder) { p.AskImportFiles(folder); }, {CloseFileDialog}},
        WindowCase{"PatchFile", [](auto& p, auto& folder) { p.AskPatchFile(folder, QStringLiteral("game")); },
                   {CloseFileDialog}},
        WindowCase{"NameDialog",
                   [](auto& p, auto&) { p.editDialogs().EditName(1993, QStringLiteral("ab"), kRefuse); },
                   {PressThenClose("OkButton"), Close}},
        WindowCase{"ListDialog",
                   [](auto& p, auto&) {
                       p.editDialogs().ChooseItem(QStringLiteral("Side"), QStringLiteral("Player"), {}, QString());
                   },
                   {Close}},
        WindowCase{"ValueDialog",
                   [](auto& p, auto&) {
                       p.editDialogs().EnterValue(QStringLiteral("Speed"), QStringLiteral("Player"), ValueRange{0, 62, 1},
                                                  20, QString(), kRefuse);
                   },
                   {PressThenClose("OKButton"), Close}},
        WindowCase{"ErrorBox", [](auto& p, auto&) { p.editDialogs().ShowError(QStringLiteral("Failed.")); }, {Close}}),
    [](const ::testing::TestParamInfo<WindowCase>& info) { return std::string(info.param.name); });

// The editor's own command line; the editions it names are the core's words.
TEST_F(EnglishTest, CommandLineHelpAndRefusals)
{
    const auto withoutEditions = [](QString text) {
        return text.remove(EditionSpan()).remove(ShortEditionSpan());
    };
    QStringList texts{withoutEditions(EditorUsage()), withoutEditions(EditorHelp())};
    for (const QStringList& arguments : std::vector<QStringList>{
             {QStringLiteral("--bogus")},
             {QStringLiteral("a.nes"), QStringLiteral("b.nes")},
             {QStringLiteral("a.nes"), QStringLiteral("--edition")},
             {QStringLiteral("--edition"), QStringLiteral("93"), QStringLiteral("--edition"), QStringLiteral("94"),
              QStringLiteral("a.nes")},
             {QStringLiteral("--edition"), QStringLiteral("99"), QStringLiteral("a.nes")},
             {QStringLiteral("--edition"), QStringLiteral("93")},
         }) {
        const EditorStart start = ParseEditorCommandLine(QStringList{QStringLiteral("quindaro2")} + arguments);
        EXPECT_FALSE(start.error.isEmpty()) << arguments.join(u' ').toStdString();
        texts << withoutEditions(start.error);
    }
    EXPECT_EQ(Japanese(texts), QStringList());
}

} // namespace
} // namespace quindaro2
