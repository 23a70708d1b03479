#include "support/ModalRun.h"
#include "gui/dialogs/THistoryForm.h"
#include "support/QtPrinters.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace quindaro2 {
namespace {

using testing::RunModal;

QStringList ListLines(THistoryForm& form)
{
    QStringList lines;
    auto* list = form.findChild<QListWidget*>(QStringLiteral("ListBox1"));
    for (int row = 0; list != nullptr && row < list->count(); ++row)
        lines << list->item(row)->text();
    return lines;
}

const QRegularExpression kVersionLine(QStringLiteral("^Ver \\d+\\.\\d+\\.\\d+  \\d{4}-\\d{2}-\\d{2}$"));

// Checks the shape of release notes: a title, then blocks of a version line
// and at least one change, one empty line between blocks. Returns the
// version lines in order.
QStringList ReleaseHeads(const QStringList& lines)
{
    QStringList heads;
    EXPECT_GE(lines.size(), 3);
    if (lines.isEmpty())
        return heads;
    EXPECT_FALSE(lines.first().trimmed().isEmpty()) << "title";
    EXPECT_FALSE(kVersionLine.match(lines.first()).hasMatch()) << "title";
    bool startOfBlock = true;
    int changesInBlock = 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (startOfBlock) {
            EXPECT_TRUE(kVersionLine.match(line).hasMatch()) << "line " << i << ": " << line.toStdString();
            heads << line;
            startOfBlock = false;
            changesInBlock = 0;
        } else if (line.isEmpty()) {
            EXPECT_GT(changesInBlock, 0) << "release without changes before line " << i;
            startOfBlock = true;
        } else {
            EXPECT_FALSE(kVersionLine.match(line).hasMatch()) << "release not separated at line " << i;
            EXPECT_FALSE(line.trimmed().isEmpty()) << "line " << i;
            ++changesInBlock;
        }
    }
    EXPECT_FALSE(startOfBlock) << "trailing empty line";
    EXPECT_GT(changesInBlock, 0) << "last release without changes";
    return heads;
}

TEST(THistoryForm, ListsThisProgramsReleaseNotes)
{
    THistoryForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("履歴"));
    auto* panel = form.findChild<QLabel*>(QStringLiteral("Panel1"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->text(), QStringLiteral("更新履歴"));

    const QStringList lines = ListLines(form);
    EXPECT_TRUE(lines.first().contains(QStringLiteral("QUINDARO2"))) << lines.first().toStdString();
    const QStringList heads = ReleaseHeads(lines);
    ASSERT_FALSE(heads.isEmpty());
    EXPECT_TRUE(heads.first().startsWith(QStringLiteral("Ver " QUINDARO2_VERSION "  ")))
        << "the newest notes are those of this version: " << heads.first().toStdString();
}

TEST(THistoryForm, NoteLinesSeparateReleasesByOneEmptyLine)
{
    const QList<THistoryForm::Release> releases{
        {QStringLiteral("0.2.0"), QStringLiteral("2027-01-10"), {QStringLiteral("a"), QStringLiteral("b")}},
        {QStringLiteral("0.1.0"), QStringLiteral("2026-12-08"), {QStringLiteral("c")}},
    };
    const QStringList expected{QStringLiteral("T"),
                               QStringLiteral("Ver 0.2.0  2027-01-10"),
                               QStringLiteral("a"),
                               QStringLiteral("b"),
                               QString(),
                               QStringLiteral("Ver 0.1.0  2026-12-08"),
                               QStringLiteral("c")};
    const QStringList lines = THistoryForm::NoteLines(QStringLiteral("T"), releases);
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(ReleaseHeads(lines).size(), 2);
}

struct HistoryClosing {
    const char* name;
    std::function<void(THistoryForm&)> close;
};

std::ostream& operator<<(std::ostream& out, const HistoryClosing& c)
{
    return out << c.name;
}

class HistoryClosingTest : public ::testing::TestWithParam<HistoryClosing> {};

// A read-only box: however it is left, the caller sees OK.
TEST_P(HistoryClosingTest, EndsWithOk)
{
    THistoryForm form;
    const int result = RunModal(form, [&] { GetParam().close(form); }, [&] { return form.exec(); });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_FALSE(form.isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Closings, HistoryClosingTest,
    ::testing::Values(
        HistoryClosing{"OkButton",
                       [](THistoryForm& form) {
                           QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("OkButton")), Qt::LeftButton);
                       }},
        HistoryClosing{"EnterOnTheFocusedOk",
                       [](THistoryForm& form) { QTest::keyClick(testing::KeyTarget(form), Qt::Key_Return); }},
        HistoryClosing{"Escape", [](THistoryForm& form) { QTest::keyClick(testing::KeyTarget(form), Qt::Key_Escape); }},
        HistoryClosing{"FrameCloseButton", [](THistoryForm& form) { form.close(); }}),
    [](const ::testing::TestParamInfo<HistoryClosing>& info) { return std::string(info.param.name); });

TEST(THistoryForm, OkHasTheFocusAndTheListIsNoTabStop)
{
    THistoryForm form;
    QWidget* focused = nullptr;
    RunModal(
        form,
        [&] {
            EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
            focused = QApplication::focusWidget();
            QTest::keyClick(testing::KeyTarget(form), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), focused) << "Tab left the OK button";
            form.close();
        },
        [&] { return form.exec(); });
    EXPECT_EQ(focused, form.findChild<QPushButton*>(QStringLiteral("OkButton")));
}

TEST(THistoryForm, KeepsTheScrollPositionBetweenShowings)
{
    THistoryForm form;
    form.resize(form.width(), 120);  // small enough that the notes need scrolling
    auto* list = form.findChild<QListWidget*>(QStringLiteral("ListBox1"));
    ASSERT_NE(list, nullptr);

    int scrolledTo = -1;
    RunModal(
        form,
        [&] {
            QScrollBar* bar = list->verticalScrollBar();
            EXPECT_GT(bar->maximum(), 0);
            bar->setValue(bar->maximum());
            scrolledTo = bar->value();
            form.close();
        },
        [&] { return form.exec(); });
    EXPECT_GT(scrolledTo, 0);

    int shownAgainAt = -1;
    RunModal(
        form,
        [&] {
            shownAgainAt = list->verticalScrollBar()->value();
            form.close();
        },
        [&] { return form.exec(); });
    EXPECT_EQ(shownAgainAt, scrolledTo);
}

} // namespace
} // namespace quindaro2
