#include "gui/edit/NesColor.h"
#include "core/edit/NesPalette.h"
#include "gui/edit/TColorForm.h"

#include "support/ModalRun.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <iomanip>
#include <set>

namespace quindaro2 {
namespace {

using testing::RunModal;

constexpr QRgb kLine = 0x940084;
constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kBlack = 0x000000;

struct PixelCase {
    const char* title;
    int x;
    int y;
    QRgb expected;
};

void PrintTo(const PixelCase& c, std::ostream* out)
{
    *out << c.title;
}

class PalettePicturePixels : public ::testing::TestWithParam<PixelCase> {};

TEST_P(PalettePicturePixels, HasTheColourAtThePixel)
{
    const PixelCase& c = GetParam();
    static const QImage picture = TColorForm::PalettePicture();
    ASSERT_EQ(picture.size(), QSize(256, 64));
    EXPECT_EQ(picture.pixel(c.x, c.y) & 0xFFFFFF, c.expected)
        << std::hex << "got " << (picture.pixel(c.x, c.y) & 0xFFFFFF);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PalettePicturePixels,
    ::testing::Values(PixelCase{"FrameLeft", 0, 40, kLine}, PixelCase{"FrameTop", 100, 0, kLine},
                      PixelCase{"CellRightEdge", 15, 8, kLine}, PixelCase{"CellBottomEdge", 8, 15, kLine},
                      PixelCase{"LastColumn", 255, 20, kLine}, PixelCase{"LastRow", 130, 63, kLine},
                      PixelCase{"InnerCorner", 31, 47, kLine}, PixelCase{"FirstCellFill", 1, 1, 0x7B7D7B},
                      PixelCase{"CellLeftPixelIsFill", 16, 20, 0x0079FF},
                      PixelCase{"Cell1CFill", 200, 20, 0x008A8C}, PixelCase{"Cell0FFill", 245, 5, kBlack},
                      PixelCase{"Cell26ShowsOrange", 101, 37, 0xFF795A},
                      PixelCase{"Cell26EdgeShowsOrange", 96, 32, 0xFF795A},
                      PixelCase{"Crossed1DWhite", 211, 23, kWhite}, PixelCase{"Crossed1DCentre", 215, 23, kBlack},
                      PixelCase{"Crossed1DTopLeft", 208, 16, kBlack},
                      PixelCase{"Crossed1DTopRight", 222, 16, kBlack},
                      PixelCase{"Crossed1DBottomLeft", 208, 30, kBlack},
                      PixelCase{"Crossed1DBottomRight", 222, 30, kBlack},
                      PixelCase{"Crossed1DOffDiagonal", 209, 16, kWhite},
                      PixelCase{"Crossed3FWhite", 245, 51, kWhite}, PixelCase{"Crossed3FDiagonal", 243, 51, kBlack},
                      PixelCase{"Crossed0DUnderTheFrame", 209, 1, kBlack}),
    [](const ::testing::TestParamInfo<PixelCase>& info) { return std::string(info.param.title); });

TEST(PalettePicture, EveryCellIsFilledWithItsColourOrCrossedOut)
{
    const QImage picture = TColorForm::PalettePicture();
    const std::set<int> crossed{0x0D, 0x0E, 0x1D, 0x1E, 0x1F, 0x2E, 0x2F, 0x3E, 0x3F};
    for (int code = 0; code < kNesPaletteSize; ++code) {
        const int left = 16 * (code % 16);
        const int top = 16 * (code / 16);
        // A pixel off both diagonals and off the lines.
        const QRgb fill = picture.pixel(left + 4, top + 2) & 0xFFFFFF;
        QRgb expected = NesPalette(code);
        if (code == 0x26)
            expected = 0xFF795A;
        else if (crossed.count(code))
            expected = kWhite;
        EXPECT_EQ(fill, expected) << "code " << code;
        EXPECT_EQ(TColorForm::IsPickable(code), crossed.count(code) == 0) << "code " << code;
        EXPECT_EQ((picture.pixel(left + 5, top + 5) & 0xFFFFFF) == kBlack && expected != kBlack,
                  crossed.count(code) == 1)
            << "diagonal of code " << code;
    }
}

struct ClickCase {
    const char* title;
    int x;
    int y;
    bool picks;
    int column;
    int row;
};

void PrintTo(const ClickCase& c, std::ostream* out)
{
    *out << c.title;
}

class ColorFormClicks : public ::testing::TestWithParam<ClickCase> {};

TEST_P(ColorFormClicks, PicksOnlyCellsThatCanBePicked)
{
    const ClickCase& c = GetParam();
    TColorForm form;
    bool closedByClick = false;
    const int result = RunModal(
        form,
        [&] {
            form.ColoBoxMouseDown(Qt::LeftButton, Qt::NoModifier, c.x, c.y);
            closedByClick = !form.isVisible();
            if (!closedByClick)
                QTest::mouseClick(form.Button1, Qt::LeftButton);
        },
        [&] { return form.exec(); });
    EXPECT_EQ(closedByClick, c.picks);
    EXPECT_EQ(result, c.picks ? QDialog::Accepted : QDialog::Rejected);
    EXPECT_EQ(form.SelectedColumn(), c.column);
    EXPECT_EQ(form.SelectedRow(), c.row);
}

INSTANTIATE_TEST_SUITE_P(Cases, ColorFormClicks,
                         ::testing::Values(ClickCase{"Code1C", 200, 20, true, 12, 1},
                                           ClickCase{"Crossed1D", 216, 20, false, 13, 1},
                                           ClickCase{"Code0F", 240, 5, true, 15, 0},
                                           ClickCase{"BelowThePicture", 40, 90, false, 2, 5},
                                           ClickCase{"RightOfThePicture", 256, 5, false, 16, 0},
                                           ClickCase{"FirstCellOnTheFrame", 0, 0, true, 0, 0},
                                           ClickCase{"LastCell3F", 255, 63, false, 15, 3},
                                           ClickCase{"Code3D", 223, 63, true, 13, 3},
                                           ClickCase{"LeftOfThePicture", -5, 5, false, 0, 0},
                                           ClickCase{"AboveThePicture", 5, -5, false, 0, 0}),
                         [](const ::testing::TestParamInfo<ClickCase>& info) { return std::string(info.param.title); });

TEST(ColorForm, AMouseClickOnThePicturePicksWithAnyButton)
{
    TColorForm form;
    EXPECT_EQ(RunModal(
                  form,
                  [&] {
                      QTest::mouseClick(form.ColorSelectBox, Qt::RightButton, Qt::ShiftModifier, QPoint(101, 37));
                  },
                  [&] { return form.exec(); }),
              QDialog::Accepted);
    EXPECT_EQ(16 * form.SelectedRow() + form.SelectedColumn(), 0x26);
}

TEST(ColorForm, ClicksBelowThePictureAndCancelKeepTheLastCell)
{
    TColorForm form;
    RunModal(
        form, [&] { QTest::mouseClick(form.ColorSelectBox, Qt::LeftButton, {}, QPoint(200, 20)); },
        [&] { return form.exec(); });
    EXPECT_EQ(RunModal(
                  form,
                  [&] {
                      QTest::mouseClick(form.ColorSelectBox, Qt::LeftButton, {}, QPoint(40, 70));
                      EXPECT_TRUE(form.isVisible());
                      QTest::mouseClick(form.Button1, Qt::LeftButton);
                  },
                  [&] { return form.exec(); }),
              QDialog::Rejected);
    // The click below the picture counts as a click: it moved the cell.
    EXPECT_EQ(form.SelectedColumn(), 2);
    EXPECT_EQ(form.SelectedRow(), 4);
}

// From the keyboard: the palette has the focus, the arrows move a frame
// round the cell (wrapping at the edges), Enter picks only a cell that can
// be picked, Escape cancels.
TEST(ColorForm, ArrowsMoveTheFrameAndEnterPicks)
{
    TColorForm form;
    QImage framed;
    EXPECT_EQ(RunModal(
                  form,
                  [&] {
                      ASSERT_TRUE(form.ColorSelectBox->hasFocus());
                      for (Qt::Key key : {Qt::Key_Left, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Right})
                          QTest::keyClick(form.ColorSelectBox, key);
                      framed = form.ColorSelectBox->pixmap().toImage();
                      QTest::keyClick(form.ColorSelectBox, Qt::Key_Return);
                  },
                  [&] { return form.exec(); }),
              QDialog::Accepted);
    EXPECT_EQ(form.SelectedCode(), 0x10);
    EXPECT_NE(framed.pixel(0, 16), TColorForm::PalettePicture().pixel(0, 16)) << "the frame shows";

    EXPECT_EQ(RunModal(
                  form,
                  [&] {
                      for (Qt::Key key : {Qt::Key_Left, Qt::Key_Left, Qt::Key_Left})
                          QTest::keyClick(form.ColorSelectBox, key);
                      QTest::keyClick(form.ColorSelectBox, Qt::Key_Return);
                      EXPECT_TRUE(form.isVisible()) << "0x1D cannot be picked";
                      QTest::keyClick(form.ColorSelectBox, Qt::Key_Escape);
                  },
                  [&] { return form.exec(); }),
              QDialog::Rejected);
}

TEST(ColorForm, WindowShowsThePictureUnscaledAtItsCorner)
{
    TColorForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("色の選択"));
    EXPECT_EQ(form.size(), QSize(257, 108));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.ColorSelectBox->geometry(), QRect(0, 0, 257, 108));
    EXPECT_EQ(form.ColorSelectBox->pixmap().size(), QSize(256, 64));
    EXPECT_FALSE(form.ColorSelectBox->hasScaledContents());
    EXPECT_EQ(form.Button1->geometry(), QRect(104, 80, 75, 25));
    EXPECT_EQ(form.Button1->text(), QStringLiteral("Cancel"));
}

TEST(NesColor, ConvertsPaletteCodesAndGreysTheRest)
{
    EXPECT_EQ(NesColor(0x1C), QColor(0x00, 0x8A, 0x8C));
    EXPECT_EQ(NesColor(0x26), QColor(Qt::white));
    EXPECT_EQ(NesColor(0x0F), QColor(Qt::black));
    EXPECT_EQ(NesColor(64), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(NesColor(255), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(NesColor(-1), QColor(0x80, 0x80, 0x80));
}

} // namespace
} // namespace quindaro2
