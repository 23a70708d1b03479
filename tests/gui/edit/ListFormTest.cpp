#include "gui/edit/TListForm.h"

#include "support/ModalRun.h"
#include "support/QtPrinters.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace quindaro2 {
namespace {

using testing::RunModal;

const QStringList kSides{QStringLiteral("右"), QStringLiteral("左"), QStringLiteral("両"), QStringLiteral("右ソ"),
                         QStringLiteral("左ソ")};

void ClickEntry(TListForm& form, int row)
{
    form.ListBox->scrollToItem(form.ListBox->item(row));
    const QRect place = form.ListBox->visualItemRect(form.ListBox->item(row));
    ASSERT_TRUE(place.isValid());
    QTest::mouseClick(form.ListBox->viewport(), Qt::LeftButton, {}, place.center());
}

class ListFormChoice : public ::testing::TestWithParam<int> {};

TEST_P(ListFormChoice, OkReturnsTheClickedEntry)
{
    const int row = GetParam();
    TListForm form;
    const std::optional<QString> result = RunModal(
        form,
        [&] {
            ClickEntry(form, row);
            QTest::mouseClick(form.OKButton, Qt::LeftButton);
        },
        [&] { return form.ChooseItem(QStringLiteral("打　席"), QStringLiteral("やまだ"), kSides); });
    EXPECT_EQ(result, std::optional<QString>(kSides[row]));
}

INSTANTIATE_TEST_SUITE_P(Rows, ListFormChoice, ::testing::Values(0, 2, 4));

TEST(ListForm, OpensWithCaptionLabelAndNothingSelected)
{
    TListForm form;
    QString caption;
    QString label;
    QStringList shown;
    int selected = -1;
    RunModal(
        form,
        [&] {
            caption = form.windowTitle();
            label = form.Label->text();
            for (int i = 0; i < form.ListBox->count(); ++i)
                shown.append(form.ListBox->item(i)->text());
            selected = static_cast<int>(form.ListBox->selectedItems().size());
            form.reject();
        },
        [&] { return form.ChooseItem(QStringLiteral("投法"), QStringLiteral("すずき"), kSides); });
    EXPECT_EQ(caption, QStringLiteral("投法"));
    EXPECT_EQ(label, QStringLiteral("すずき"));
    EXPECT_EQ(shown, kSides);
    EXPECT_EQ(selected, 0);
}

const QStringList kAllSides{QStringLiteral("右"),    QStringLiteral("左"),    QStringLiteral("両"),
                            QStringLiteral("右ソ"),  QStringLiteral("左ソ"),  QStringLiteral("両ソ"),
                            QStringLiteral("右神"),  QStringLiteral("左神"),  QStringLiteral("両神"),
                            QStringLiteral("右ソ神"), QStringLiteral("左ソ神"), QStringLiteral("両ソ神")};

struct CurrentCase {
    const char* title;
    const char* before;   // the current value of the previous use, which leaves the list scrolled there
    const char* current;
    int selected;         // -1: nothing chosen
    int inView;           // the entry that must be in view
};

void PrintTo(const CurrentCase& c, std::ostream* out)
{
    *out << c.title;
}

class ListFormCurrent : public ::testing::TestWithParam<CurrentCase> {};

// The list opens on the cell's value, chosen and scrolled into view, whatever
// an earlier use left; OK at once keeps the value.
TEST_P(ListFormCurrent, OpensOnTheCurrentValueInView)
{
    const CurrentCase& c = GetParam();
    TListForm form;
    const auto open = [&](const char* current) {
        return form.ChooseItem(QStringLiteral("打　席"), QStringLiteral("やまだ"), kAllSides, QString::fromUtf8(current));
    };
    RunModal(form, [&] { form.reject(); }, [&] { return open(c.before); });
    int selected = -2;
    bool inView = false;
    const std::optional<QString> result = RunModal(
        form,
        [&] {
            const QList<QListWidgetItem*> chosen = form.ListBox->selectedItems();
            selected = chosen.isEmpty() ? -1 : form.ListBox->row(chosen.front());
            inView = form.ListBox->viewport()->rect().contains(
                form.ListBox->visualItemRect(form.ListBox->item(c.inView)));
            QTest::mouseClick(form.OKButton, Qt::LeftButton);
            if (form.isVisible())
                form.reject();
        },
        [&] { return open(c.current); });
    EXPECT_EQ(selected, c.selected);
    EXPECT_TRUE(inView) << "entry " << c.inView << " is out of view";
    EXPECT_EQ(result, c.selected < 0 ? std::nullopt : std::optional<QString>(kAllSides[c.selected]));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ListFormCurrent,
    ::testing::Values(CurrentCase{"LastEntry", "右", "両ソ神", 11, 11},
                      CurrentCase{"FirstAfterTheLast", "両ソ神", "右", 0, 0},
                      CurrentCase{"MiddleEntry", "右", "左神", 7, 7},
                      CurrentCase{"NoneOfTheChoicesShowsTheTop", "両ソ神", "", -1, 0}),
    [](const ::testing::TestParamInfo<CurrentCase>& info) { return std::string(info.param.title); });

TEST(ListForm, OkWithoutSelectionKeepsTheDialogOpen)
{
    TListForm form;
    bool openAfterOk = false;
    const std::optional<QString> result = RunModal(
        form,
        [&] {
            QTest::mouseClick(form.OKButton, Qt::LeftButton);
            openAfterOk = form.isVisible();
            QTest::mouseClick(form.CancelButton, Qt::LeftButton);
        },
        [&] { return form.ChooseItem(QStringLiteral("打　席"), QStringLiteral("やまだ"), kSides); });
    EXPECT_TRUE(openAfterOk);
    EXPECT_FALSE(result.has_value());
}

TEST(ListForm, CancelAndFrameCloseReturnNothingEvenWithASelection)
{
    TListForm form;
    EXPECT_FALSE(RunModal(
        form,
        [&] {
            ClickEntry(form, 1);
            QTest::mouseClick(form.CancelButton, Qt::LeftButton);
        },
        [&] { return form.ChooseItem(QStringLiteral("打　席"), QStringLiteral("やまだ"), kSides); }));
    EXPECT_FALSE(RunModal(
        form,
        [&] {
            ClickEntry(form, 1);
            form.close();
        },
        [&] { return form.ChooseItem(QStringLiteral("打　席"), QStringLiteral("やまだ"), kSides); }));
}

TEST(ListForm, AnEarlierSelectionIsNotKept)
{
    TListForm form;
    const auto choose = [&](const std::function<void()>& act) {
        return RunModal(form, act, [&] { return form.ChooseItem(QStringLiteral("c"), QStringLiteral("l"), kSides); });
    };
    EXPECT_EQ(choose([&] {
                  ClickEntry(form, 3);
                  QTest::mouseClick(form.OKButton, Qt::LeftButton);
              }),
              std::optional<QString>(kSides[3]));
    int selectedOnReopen = -1;
    choose([&] {
        selectedOnReopen = static_cast<int>(form.ListBox->selectedItems().size());
        form.reject();
    });
    EXPECT_EQ(selectedOnReopen, 0);
}

TEST(ListForm, DoubleClickTakesTheEntry)
{
    TListForm form;
    const std::optional<QString> result = RunModal(
        form,
        [&] {
            const QPoint at = form.ListBox->visualItemRect(form.ListBox->item(2)).center();
            QTest::mouseClick(form.ListBox->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(form.ListBox->viewport(), Qt::LeftButton, {}, at);
        },
        [&] { return form.ChooseItem(QStringLiteral("c"), QStringLiteral("l"), kSides); });
    EXPECT_EQ(result, std::optional<QString>(kSides[2]));
}

TEST(ListForm, EnterTakesTheSelectedEntryOnlyWhenThereIsOne)
{
    TListForm form;
    bool openAfterEmptyEnter = false;
    const std::optional<QString> result = RunModal(
        form,
        [&] {
            form.ListBox->setFocus();
            QTest::keyClick(form.ListBox, Qt::Key_Return);
            openAfterEmptyEnter = form.isVisible();
            ClickEntry(form, 1);
            QTest::keyClick(form.ListBox, Qt::Key_Return);
        },
        [&] { return form.ChooseItem(QStringLiteral("c"), QStringLiteral("l"), kSides); });
    EXPECT_TRUE(openAfterEmptyEnter);
    EXPECT_EQ(result, std::optional<QString>(kSides[1]));
}

// The list is no tab stop; the arrow keys choose from it wherever the focus is.
TEST(ListForm, ArrowKeysChooseWithoutTheMouse)
{
    TListForm form;
    const std::optional<QString> result = RunModal(
        form,
        [&] {
            QTest::keyClick(form.OKButton, Qt::Key_Down);
            QTest::keyClick(form.OKButton, Qt::Key_Down);
            QTest::keyClick(form.OKButton, Qt::Key_Down);
            QTest::keyClick(form.OKButton, Qt::Key_Up);
            QTest::keyClick(form.OKButton, Qt::Key_Return);
        },
        [&] { return form.ChooseItem(QStringLiteral("c"), QStringLiteral("l"), kSides); });
    EXPECT_EQ(result, std::optional<QString>(kSides[1]));
}

TEST(ListForm, FixedDesignSizeAndTabOrder)
{
    TListForm form;
    EXPECT_EQ(form.size(), QSize(184, 112));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.ListBox->focusPolicy() & Qt::TabFocus, 0) << "the list is not a tab stop";
    QStringList visited;
    RunModal(
        form,
        [&] {
            for (int i = 0; i < 3; ++i) {
                QWidget* focus = QApplication::focusWidget();
                ASSERT_NE(focus, nullptr);
                visited.append(focus->objectName());
                QTest::keyClick(focus, Qt::Key_Tab);
            }
            form.reject();
        },
        [&] { return form.ChooseItem(QStringLiteral("c"), QStringLiteral("l"), kSides); });
    EXPECT_EQ(visited, QStringList({QStringLiteral("OKButton"), QStringLiteral("CancelButton"),
                                    QStringLiteral("OKButton")}));
}

} // namespace
} // namespace quindaro2
