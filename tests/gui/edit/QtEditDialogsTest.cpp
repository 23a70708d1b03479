#include "gui/edit/QtEditDialogs.h"
#include "gui/edit/NumberBox.h"
#include "gui/edit/TListForm.h"
#include "gui/edit/TNameForm.h"
#include "gui/edit/TValueForm.h"

#include "core/edit/EditCommands.h"
#include "core/roster/GridFill.h"
#include "support/ModalRun.h"
#include "support/PlausibleRom.h"
#include "support/QtPrinters.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace quindaro2 {
namespace {

using testing::RunNextModal;

class QtEditDialogsTest : public ::testing::Test {
protected:
    QWidget window;
    QtEditDialogs dialogs{&window};
};

TEST_F(QtEditDialogsTest, EnterValueHandsEveryArgumentToItsPlace)
{
    QString caption, label, range, memo;
    const std::optional<QString> value = RunNextModal<TValueForm>(
        [&](TValueForm& valueForm) {
            caption = valueForm.windowTitle();
            label = valueForm.Label->text();
            range = valueForm.Range->text();
            memo = valueForm.MemoLabel->text();
            QTest::mouseClick(valueForm.OKButton, Qt::LeftButton);
        },
        [&] {
            return dialogs.EnterValue(QStringLiteral("走力"), QStringLiteral("やまだ"), ValueRange{0, 70, 1}, 33,
                                      QStringLiteral("ヒント"), {});
        });
    EXPECT_EQ(value, std::optional<QString>(QStringLiteral("33")));
    EXPECT_EQ(caption, QStringLiteral("走力"));
    EXPECT_EQ(label, QStringLiteral("やまだ"));
    EXPECT_EQ(range, QStringLiteral("（0～70）"));
    EXPECT_EQ(memo, QStringLiteral("ヒント"));
}

// The road of an edit through the real dialogs: each refuses with the
// reason of the edit itself and stays open, so that the user can retype.
class RealDialogEditTest : public QtEditDialogsTest {
protected:
    static QByteArray Plausible()
    {
        test::SyntheticRom rom;
        test::FillPlausibleRoster(rom, 1993, 5);
        return rom.bytes();
    }

    RomDocument document{QStringLiteral("rom.nes"), test::Profile(1993), RomImage(Plausible())};
};

TEST_F(RealDialogEditTest, ANumberOutsideTheRangeIsRefusedInTheValueDialog)
{
    testing::MessageBoxSeen warning;
    bool openAfterRefusal = false;
    const std::optional<Change> change = RunNextModal<TValueForm>(
        [&](TValueForm& valueForm) {
            valueForm.ValueEdit->selectAll();
            QTest::keyClicks(valueForm.ValueEdit, QStringLiteral("110"));
            testing::CloseNextMessageBox(warning);
            QTest::mouseClick(valueForm.OKButton, Qt::LeftButton);
            openAfterRefusal = valueForm.isVisible();
            valueForm.ValueEdit->selectAll();
            QTest::keyClicks(valueForm.ValueEdit, QStringLiteral("12"));
            QTest::mouseClick(valueForm.OKButton, Qt::LeftButton);
        },
        [&] { return AskCellEdit(document, 0, RecordKind::Batter, 9, 1, dialogs); });
    EXPECT_TRUE(openAfterRefusal);
    EXPECT_EQ(warning.title, QStringLiteral("警告"));
    EXPECT_TRUE(warning.text.contains(QStringLiteral("110"))) << warning.text.toStdString();
    EXPECT_TRUE(warning.text.contains(QStringLiteral("0～109"))) << warning.text.toStdString();
    ASSERT_TRUE(change.has_value());
    const auto* cell = std::get_if<CellChange>(&change->subject);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->entered, QStringLiteral("12"));
}

TEST_F(RealDialogEditTest, ANameTheEditionCannotStoreIsRefusedInTheNameDialog)
{
    testing::MessageBoxSeen warning;
    QString keptFirst;
    const std::optional<Change> change = RunNextModal<TNameForm>(
        [&](TNameForm& nameForm) {
            nameForm.First->lineEdit()->selectAll();
            testing::TypeText(nameForm.First->lineEdit(), QStringLiteral("を"));
            testing::CloseNextMessageBox(warning);
            QTest::mouseClick(nameForm.OkButton, Qt::LeftButton);
            keptFirst = nameForm.First->currentText();
            QTest::mouseClick(nameForm.CancelButton, Qt::LeftButton);
        },
        [&] { return AskCellEdit(document, 0, RecordKind::Batter, 1, 1, dialogs); });
    EXPECT_EQ(keptFirst, QStringLiteral("を"));
    EXPECT_EQ(warning.title, QStringLiteral("警告"));
    EXPECT_TRUE(warning.text.contains(QStringLiteral("を"))) << warning.text.toStdString();
    EXPECT_FALSE(change.has_value());
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
