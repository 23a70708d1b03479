#include "support/ModalRun.h"
#include "gui/dialogs/TOutputForm.h"
#include "support/QtPrinters.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace quindaro2 {
namespace {

using testing::RunModal;
using testing::KeyTarget;

template <typename T>
T* Control(TOutputForm& form, const char* name)
{
    auto* control = form.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
}

QLineEdit* FileEdit(TOutputForm& form)
{
    return Control<QLineEdit>(form, "FileEdit");
}

QRadioButton* Option(TOutputForm& form, const QString& text)
{
    for (QRadioButton* option : form.findChildren<QRadioButton*>())
        if (option->text() == text)
            return option;
    ADD_FAILURE() << "no option " << text.toStdString();
    return nullptr;
}

// A file question that gives the queued answers in turn and records where it started.
struct ScriptedFileQuestion {
    QStringList answers;
    QStringList startPaths;

    TOutputForm::FileQuestion Function()
    {
        return [this](QWidget*, const QString& startPath) {
            startPaths << startPath;
            return answers.isEmpty() ? QString() : answers.takeFirst();
        };
    }
};

// Shows the dialog, runs `act` in it, and returns what Execute returned.
bool ExecuteWith(TOutputForm& form, const std::function<void()>& act)
{
    return RunModal(form, act, [&] { return form.Execute(); });
}

void Press(TOutputForm& form, const char* button)
{
    QTest::mouseClick(Control<QPushButton>(form, button), Qt::LeftButton);
}

TEST(TOutputForm, StartsWithOneFileAndNoChosenFile)
{
    TOutputForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("データ出力"));
    EXPECT_EQ(form.size(), QSize(492, 160));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_TRUE(Option(form, QStringLiteral("全チーム共通"))->isChecked());
    EXPECT_EQ(form.OutputOptionIndex(), 0);
    EXPECT_TRUE(form.ChosenFileName().isEmpty());
}

struct OutputClosing {
    const char* name;
    std::function<void(TOutputForm&)> close;
    bool expected;
};

std::ostream& operator<<(std::ostream& out, const OutputClosing& c)
{
    return out << c.name;
}

class OutputClosingTest : public ::testing::TestWithParam<OutputClosing> {};

TEST_P(OutputClosingTest, OnlyOkGoesOn)
{
    TOutputForm form;
    form.Remember(QStringLiteral("/data/kept.txt"), 0);
    ScriptedFileQuestion question;
    form.askFileName = question.Function();
    EXPECT_EQ(ExecuteWith(form, [&] { GetParam().close(form); }), GetParam().expected);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(question.startPaths.isEmpty()) << "closing asked for a file";
    EXPECT_EQ(form.ChosenFileName(), QStringLiteral("/data/kept.txt"));
}

INSTANTIATE_TEST_SUITE_P(
    Closings, OutputClosingTest,
    ::testing::Values(OutputClosing{"OkButton", [](TOutputForm& form) { Press(form, "OpenButton"); }, true},
                      OutputClosing{"CancelButton", [](TOutputForm& form) { Press(form, "CancelButton"); }, false},
                      OutputClosing{"Escape",
                                    [](TOutputForm& form) { QTest::keyClick(KeyTarget(form), Qt::Key_Escape); },
                                    false},
                      OutputClosing{"FrameCloseButton", [](TOutputForm& form) { form.close(); }, false}),
    [](const ::testing::TestParamInfo<OutputClosing>& info) { return std::string(info.param.name); });

// OK writes the file chosen last, so the field shows it every time.
TEST(TOutputForm, FileButtonShowsTheChosenFileAndReopeningShowsItAgain)
{
    TOutputForm form;
    ScriptedFileQuestion question{{QStringLiteral("/data/out/players.txt")}, {}};
    form.askFileName = question.Function();

    QString shown;
    EXPECT_TRUE(ExecuteWith(form, [&] {
        Press(form, "FileButton");
        shown = FileEdit(form)->text();
        Press(form, "OpenButton");
    }));
    EXPECT_EQ(shown, QStringLiteral("/data/out/players.txt"));
    EXPECT_EQ(form.ChosenFileName(), QStringLiteral("/data/out/players.txt"));
    EXPECT_EQ(question.startPaths, QStringList{QString()});

    QString shownOnReopen = QStringLiteral("not looked at");
    EXPECT_TRUE(ExecuteWith(form, [&] {
        shownOnReopen = FileEdit(form)->text();
        Press(form, "OpenButton");
    }));
    EXPECT_EQ(shownOnReopen, QStringLiteral("/data/out/players.txt"));
    EXPECT_EQ(form.ChosenFileName(), QStringLiteral("/data/out/players.txt"));
}

TEST(TOutputForm, OkWithoutAFileSaysWhyAndWaitsForOne)
{
    TOutputForm form;
    ScriptedFileQuestion question{{QStringLiteral("/data/late.txt")}, {}};
    form.askFileName = question.Function();
    testing::MessageBoxSeen warning;
    bool openAfterOk = false;
    QWidget* focusAfterOk = nullptr;
    EXPECT_TRUE(ExecuteWith(form, [&] {
        testing::CloseNextMessageBox(warning);
        Press(form, "OpenButton");
        openAfterOk = form.isVisible();
        focusAfterOk = form.focusWidget();
        Press(form, "FileButton");
        Press(form, "OpenButton");
    }));
    EXPECT_TRUE(openAfterOk);
    EXPECT_EQ(warning.title, QStringLiteral("警告"));
    EXPECT_TRUE(warning.text.contains(QStringLiteral("「...」"))) << warning.text.toStdString();
    EXPECT_EQ(focusAfterOk, Control<QPushButton>(form, "FileButton"));
    EXPECT_EQ(form.ChosenFileName(), QStringLiteral("/data/late.txt"));
}

TEST(TOutputForm, ChoicesKeptFromAnEarlierRunAreShown)
{
    TOutputForm form;
    form.Remember(QStringLiteral("/data/earlier.txt"), 1);
    QString shown;
    EXPECT_TRUE(ExecuteWith(form, [&] {
        shown = FileEdit(form)->text();
        Press(form, "OpenButton");
    }));
    EXPECT_EQ(shown, QStringLiteral("/data/earlier.txt"));
    EXPECT_EQ(form.OutputOptionIndex(), 1);
}

TEST(TOutputForm, ACancelledFileQuestionKeepsThePreviousChoice)
{
    TOutputForm form;
    ScriptedFileQuestion question{{QStringLiteral("/data/first.txt"), QString(), QStringLiteral("/data/second")}, {}};
    form.askFileName = question.Function();

    QString afterCancel;
    ExecuteWith(form, [&] {
        form.FileButtonClick();
        form.FileButtonClick();  // the user cancels this one
        afterCancel = FileEdit(form)->text();
        Press(form, "OpenButton");
    });
    EXPECT_EQ(afterCancel, QStringLiteral("/data/first.txt"));
    EXPECT_EQ(form.ChosenFileName(), QStringLiteral("/data/first.txt"));

    QString afterSecond;
    ExecuteWith(form, [&] {
        form.FileButtonClick();
        afterSecond = FileEdit(form)->text();
        Press(form, "OpenButton");
    });
    EXPECT_EQ(afterSecond, QStringLiteral("/data/second"));
    EXPECT_EQ(form.ChosenFileName(), QStringLiteral("/data/second"));
    // Each question starts where the user chose last.
    const QStringList expectedStarts{QString(), QStringLiteral("/data/first.txt"), QStringLiteral("/data/first.txt")};
    EXPECT_EQ(question.startPaths, expectedStarts);
}

TEST(TOutputForm, PerTeamOptionSurvivesBetweenUses)
{
    TOutputForm form;
    form.Remember(QStringLiteral("/data/players.txt"), 0);
    ExecuteWith(form, [&] {
        QTest::mouseClick(Option(form, QStringLiteral("チームごと")), Qt::LeftButton);
        Press(form, "OpenButton");
    });
    EXPECT_EQ(form.OutputOptionIndex(), 1);

    ExecuteWith(form, [&] { Press(form, "OpenButton"); });
    EXPECT_EQ(form.OutputOptionIndex(), 1);

    ExecuteWith(form, [&] {
        QTest::mouseClick(Option(form, QStringLiteral("全チーム共通")), Qt::LeftButton);
        Press(form, "OpenButton");
    });
    EXPECT_EQ(form.OutputOptionIndex(), 0);
}

TEST(TOutputForm, KeyboardStartsOnTheFileButtonAndTabsInDesignOrder)
{
    TOutputForm form;
    ScriptedFileQuestion question{{QStringLiteral("/data/keyed.txt")}, {}};
    form.askFileName = question.Function();
    QStringList visited;
    const bool accepted = ExecuteWith(form, [&] {
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        EXPECT_EQ(QApplication::focusWidget(), Control<QPushButton>(form, "FileButton"));
        QTest::keyClick(KeyTarget(form), Qt::Key_Return);  // the focused "..." button
        EXPECT_EQ(FileEdit(form)->text(), QStringLiteral("/data/keyed.txt"));

        FileEdit(form)->setFocus();
        for (int i = 0; i < 5; ++i) {
            QWidget* focus = QApplication::focusWidget();
            visited << (focus != nullptr ? focus->objectName() : QStringLiteral("none"));
            QTest::keyClick(KeyTarget(form), Qt::Key_Tab);
        }
        // A name typed into the field is the file OK writes.
        FileEdit(form)->setFocus();
        FileEdit(form)->selectAll();
        QTest::keyClicks(FileEdit(form), QStringLiteral("/data/typed.txt"));
        Press(form, "OpenButton");
    });
    EXPECT_TRUE(accepted);
    EXPECT_EQ(form.ChosenFileName(), QStringLiteral("/data/typed.txt"));
    const QStringList expected{QStringLiteral("FileEdit"), QStringLiteral("FileButton"), QStringLiteral("OpenButton"),
                               QStringLiteral("CancelButton"), QStringLiteral("OneFileOption")};
    EXPECT_EQ(visited, expected);
}

} // namespace
} // namespace quindaro2
