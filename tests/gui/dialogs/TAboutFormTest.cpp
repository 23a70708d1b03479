#include "support/ModalRun.h"
#include "gui/dialogs/TAboutForm.h"
#include "support/QtPrinters.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace quindaro2 {
namespace {

struct AboutLabel {
    const char* objectName;
    const char* text;  // UTF-8
    int pixelSize;
};

std::ostream& operator<<(std::ostream& out, const AboutLabel& l)
{
    return out << l.objectName;
}

class AboutLabelTest : public ::testing::TestWithParam<AboutLabel> {};

TEST_P(AboutLabelTest, ShowsItsTextInItsSize)
{
    TAboutForm form;
    const AboutLabel& expected = GetParam();
    auto* label = form.findChild<QLabel*>(QString::fromLatin1(expected.objectName));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QString::fromUtf8(expected.text));
    EXPECT_EQ(label->font().pixelSize(), expected.pixelSize);
    // The text must fit where it is placed.
    const QSize needed = label->sizeHint();
    EXPECT_LE(needed.width(), label->width()) << expected.objectName;
    EXPECT_LE(label->geometry().right(), form.width());
    EXPECT_LE(label->geometry().bottom(), form.height());
}

INSTANTIATE_TEST_SUITE_P(Labels, AboutLabelTest,
                         ::testing::Values(AboutLabel{"NameLabel", "QUINDARO2", 32},
                                           AboutLabel{"AuthorLabel", "QUINDARO2 開発チーム", 16},
                                           AboutLabel{"AddressLabel", "https://quindaro2.example/", 16},
                                           AboutLabel{"EditionLabel", "バージョン " QUINDARO2_VERSION, 12}),
                         [](const ::testing::TestParamInfo<AboutLabel>& info) {
                             return std::string(info.param.objectName);
                         });

TEST(TAboutForm, FixedSizeBoxClosedByItsFocusedOk)
{
    TAboutForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("QUINDARO2について"));
    EXPECT_EQ(form.size(), QSize(417, 122));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());

    QWidget* focused = nullptr;
    const int result = testing::RunModal(
        form,
        [&] {
            EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
            focused = QApplication::focusWidget();
            QTest::keyClick(testing::KeyTarget(form), Qt::Key_Space);
        },
        [&] { return form.exec(); });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(focused, form.findChild<QPushButton*>(QStringLiteral("OkButton")));
}

} // namespace
} // namespace quindaro2
