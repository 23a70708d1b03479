#include "support/ModalRun.h"
#include "gui/dialogs/TImportForm.h"
#include "support/QtPrinters.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace quindaro2 {
namespace {

using testing::KeyTarget;
using testing::RunModal;

template <typename T>
T* Control(TImportForm& form, const char* name)
{
    auto* control = form.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
}

const QString kSummary = QStringLiteral("16 チームを読みました。1 チームの 2 セルが変わります（Gチーム 2）");
const QString kDetails = QStringLiteral("Gチーム バッター 1「ＡＢ」 打率：250 → 300\nGチーム バッター 2「ＣＤ」 走力：20 → 30");

struct Answer {
    const char* name;
    std::function<void(TImportForm&)> act;
    bool write;
};

void PrintTo(const Answer& c, std::ostream* out)
{
    *out << c.name;
}

class ConfirmTest : public ::testing::TestWithParam<Answer> {};

TEST_P(ConfirmTest, ShowsTheChangesAndAnswers)
{
    TImportForm form;
    const bool write = RunModal(
        form,
        [&] {
            EXPECT_EQ(Control<QLabel>(form, "SummaryLabel")->text(), kSummary + QStringLiteral("\nROMファイルに書き込みますか？"));
            auto* details = Control<QPlainTextEdit>(form, "DetailMemo");
            EXPECT_TRUE(details->isReadOnly());
            EXPECT_EQ(details->toPlainText(), kDetails);
            EXPECT_EQ(Control<QPushButton>(form, "OkButton")->text(), QStringLiteral("書き込む(&W)"));
            EXPECT_TRUE(Control<QPushButton>(form, "CancelButton")->isVisible());
            GetParam().act(form);
        },
        [&] { return form.Confirm(kSummary, kDetails); });
    EXPECT_EQ(write, GetParam().write);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ConfirmTest,
    ::testing::Values(Answer{"EnterWrites", [](TImportForm& f) { QTest::keyClick(KeyTarget(f), Qt::Key_Return); }, true},
                      Answer{"AltWWrites", [](TImportForm& f) { QTest::keyClick(KeyTarget(f), Qt::Key_W, Qt::AltModifier); },
                             true},
                      Answer{"EscapeCancels", [](TImportForm& f) { QTest::keyClick(KeyTarget(f), Qt::Key_Escape); }, false},
                      Answer{"CancelButton", [](TImportForm& f) { Control<QPushButton>(f, "CancelButton")->click(); },
                             false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TImportForm, ProblemsHaveOnlyAnOkButton)
{
    TImportForm form;
    RunModal(
        form,
        [&] {
            EXPECT_EQ(Control<QLabel>(form, "SummaryLabel")->text(), QStringLiteral("取り込めないところが 1 か所あります"));
            EXPECT_EQ(Control<QPlainTextEdit>(form, "DetailMemo")->toPlainText(), QStringLiteral("a.txt 3 行目：…"));
            EXPECT_EQ(Control<QPushButton>(form, "OkButton")->text(), QStringLiteral("OK"));
            EXPECT_FALSE(Control<QPushButton>(form, "CancelButton")->isVisible());
            QTest::keyClick(KeyTarget(form), Qt::Key_Return);
        },
        [&] {
            form.ShowProblems(QStringLiteral("取り込めないところが 1 か所あります"), QStringLiteral("a.txt 3 行目：…"));
            return 0;
        });
}

} // namespace
} // namespace quindaro2
