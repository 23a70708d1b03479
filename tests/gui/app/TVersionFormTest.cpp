#include "gui/app/TVersionForm.h"
#include "support/ModalRun.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace quindaro2 {
namespace {

using testing::RunModal;
using testing::KeyTarget;

QRadioButton* Item(TVersionForm& form, const QString& text)
{
    for (QRadioButton* button : form.findChildren<QRadioButton*>())
        if (button->text() == text)
            return button;
    ADD_FAILURE() << "no item " << text.toStdString();
    return nullptr;
}

void Pick(TVersionForm& form, const QString& text)
{
    if (QRadioButton* button = Item(form, text))
        QTest::mouseClick(button, Qt::LeftButton);
}

enum class Closing { OkButton, EnterKey, EscapeKey, Reject, Close };

void CloseBy(TVersionForm& form, Closing how)
{
    switch (how) {
    case Closing::OkButton:
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("OkButton")), Qt::LeftButton);
        break;
    case Closing::EnterKey:
        QTest::keyClick(KeyTarget(form), Qt::Key_Return);
        break;
    case Closing::EscapeKey:
        QTest::keyClick(KeyTarget(form), Qt::Key_Escape);
        break;
    case Closing::Reject:
        form.reject();
        break;
    case Closing::Close:
        form.close();
        break;
    }
}

int ChooseBy(TVersionForm& form, const QString& item, Closing how)
{
    return RunModal(
        form,
        [&] {
            Pick(form, item);
            CloseBy(form, how);
        },
        [&] { return form.ChooseEdition(); });
}

TEST(TVersionForm, HasTheNineEditionsInAGroupAndStartsAt86)
{
    TVersionForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("バージョン選択"));
    const QStringList expected{QStringLiteral("86"), QStringLiteral("87"), QStringLiteral("88"),
                               QStringLiteral("89"), QStringLiteral("90"), QStringLiteral("91"),
                               QStringLiteral("92"), QStringLiteral("93"), QStringLiteral("94")};
    QStringList texts;
    for (QRadioButton* button : form.findChildren<QRadioButton*>())
        texts << button->text();
    EXPECT_EQ(texts, expected);
    EXPECT_TRUE(Item(form, QStringLiteral("86"))->isChecked());
}

struct ChoiceCase {
    const char* item;
    Closing how;
    int expected;
};

std::ostream& operator<<(std::ostream& out, const ChoiceCase& c)
{
    const char* const closings[] = {"OK button", "Enter", "Escape", "reject()", "close()"};
    return out << c.item << " closed by " << closings[static_cast<int>(c.how)];
}

class ChooseEditionTest : public ::testing::TestWithParam<ChoiceCase> {};

// There is no cancel: whatever ends the dialog, the selected edition is taken.
TEST_P(ChooseEditionTest, ReturnsTheSelectedYearHoweverClosed)
{
    const ChoiceCase& c = GetParam();
    TVersionForm form;
    EXPECT_EQ(ChooseBy(form, QString::fromLatin1(c.item), c.how), c.expected);
    EXPECT_FALSE(form.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Closings, ChooseEditionTest,
                         ::testing::Values(ChoiceCase{"86", Closing::OkButton, 1986},
                                           ChoiceCase{"88", Closing::OkButton, 1988},
                                           ChoiceCase{"94", Closing::OkButton, 1994},
                                           ChoiceCase{"90", Closing::EnterKey, 1990},
                                           ChoiceCase{"91", Closing::EscapeKey, 1991},
                                           ChoiceCase{"92", Closing::Reject, 1992},
                                           ChoiceCase{"93", Closing::Close, 1993}));

TEST(TVersionForm, OpensWithTheEditionChosenLast)
{
    TVersionForm form;
    EXPECT_EQ(ChooseBy(form, QStringLiteral("92"), Closing::OkButton), 1992);

    bool preselected = false;
    const int again = RunModal(
        form,
        [&] {
            preselected = Item(form, QStringLiteral("92"))->isChecked();
            CloseBy(form, Closing::Close);
        },
        [&] { return form.ChooseEdition(); });
    EXPECT_TRUE(preselected);
    EXPECT_EQ(again, 1992);
}

TEST(TVersionForm, ArrowKeysMoveTheSelectionAndEnterConfirms)
{
    TVersionForm form;
    EXPECT_EQ(ChooseBy(form, QStringLiteral("88"), Closing::OkButton), 1988);

    QString focusedAtStart;
    const int edition = RunModal(
        form,
        [&] {
            EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
            if (auto* focused = qobject_cast<QRadioButton*>(QApplication::focusWidget()))
                focusedAtStart = focused->text();
            QTest::keyClick(KeyTarget(form), Qt::Key_Left);  // 87
            QTest::keyClick(KeyTarget(form), Qt::Key_Down);  // the item below 87
            QTest::keyClick(KeyTarget(form), Qt::Key_Return);
        },
        [&] { return form.ChooseEdition(); });
    EXPECT_EQ(focusedAtStart, QStringLiteral("88"));
    EXPECT_EQ(edition, 1990);
}

// A new sample may be called off: closing the dialog or Escape gives no
// edition, OK and Enter the selected one.
TEST_P(ChooseEditionTest, TheSampleDialogIsCancelledByClosingIt)
{
    const ChoiceCase& c = GetParam();
    TVersionForm form;
    const std::optional<int> chosen = RunModal(
        form,
        [&] {
            Pick(form, QString::fromLatin1(c.item));
            CloseBy(form, c.how);
        },
        [&] { return form.ChooseSampleEdition(QStringLiteral("note")); });
    const bool confirmed = c.how == Closing::OkButton || c.how == Closing::EnterKey;
    EXPECT_EQ(chosen, confirmed ? std::optional<int>(c.expected) : std::nullopt);
    // The open of a ROM after it still cannot be cancelled.
    EXPECT_EQ(ChooseBy(form, QString::fromLatin1(c.item), c.how), c.expected);
}

// Choosing another edition than the one the file clearly reads as is said
// under the choices, while it is chosen.
TEST(TVersionForm, WarnsWhileTheChoiceDiffersFromTheGuess)
{
    TVersionForm form;
    QString withGuess;
    QString withOther;
    QString back;
    RunModal(
        form,
        [&] {
            withGuess = form.NoteLabel->text();
            Pick(form, QStringLiteral("94"));
            withOther = form.NoteLabel->text();
            Pick(form, QStringLiteral("93"));
            back = form.NoteLabel->text();
            CloseBy(form, Closing::OkButton);
        },
        [&] { return form.ChooseEdition(1993, QStringLiteral("推定：1993年版"), 1993); });
    EXPECT_EQ(withGuess, QStringLiteral("推定：1993年版"));
    EXPECT_EQ(withOther, QStringLiteral("推定は1993年版です。選んだ版と違います"));
    EXPECT_EQ(back, withGuess);
}

} // namespace
} // namespace quindaro2
