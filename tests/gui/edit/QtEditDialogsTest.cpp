#include "gui/edit/QtEditDialogs.h"
#include "gui/edit/TListForm.h"
#include "gui/edit/TNameForm.h"
#include "gui/edit/TValueForm.h"

#include "support/ModalRun.h"
#include "support/QtPrinters.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace quindaro2 {
namespace {

using testing::RunModal;

class QtEditDialogsTest : public ::testing::Test {
protected:
    QWidget window;
    TNameForm nameForm{&window};
    TListForm listForm{&window};
    TValueForm valueForm{&window};
    QtEditDialogs dialogs{nameForm, listForm, valueForm, &window};
};

TEST_F(QtEditDialogsTest, EnterValueHandsEveryArgumentToItsPlace)
{
    QString caption, label, range, memo;
    const std::optional<int> value = RunModal(
        valueForm,
        [&] {
            caption = valueForm.windowTitle();
            label = valueForm.Label->text();
            range = valueForm.Range->text();
            memo = valueForm.MemoLabel->text();
            QTest::mouseClick(valueForm.OKButton, Qt::LeftButton);
        },
        [&] {
            return dialogs.EnterValue(QStringLiteral("走力"), QStringLiteral("やまだ"), ValueRange{0, 70, 1}, 33,
                                      QStringLiteral("ヒント"));
        });
    EXPECT_EQ(value, std::optional<int>(33));
    EXPECT_EQ(caption, QStringLiteral("走力"));
    EXPECT_EQ(label, QStringLiteral("やまだ"));
    EXPECT_EQ(range, QStringLiteral("（0～70）"));
    EXPECT_EQ(memo, QStringLiteral("ヒント"));
}

TEST_F(QtEditDialogsTest, ShowErrorShowsACriticalBoxWithTheMessage)
{
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool sawBox = false;
    int pixelSize = 0;
    QTimer::singleShot(0, &window, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        sawBox = true;
        text = box->text();
        icon = box->icon();
        pixelSize = box->font().pixelSize();
        box->accept();
    });
    dialogs.ShowError(QStringLiteral("'abc' は数値ではありません"));
    EXPECT_TRUE(sawBox);
    EXPECT_EQ(text, QStringLiteral("'abc' は数値ではありません"));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(pixelSize, 12);
}

} // namespace
} // namespace quindaro2
