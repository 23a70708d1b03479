#include "gui/edit/TColorForm.h"

#include "gui/dialogs/JapaneseFont.h"
#include "gui/edit/FocusedButton.h"
#include "gui/edit/NesColor.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>
#include <array>

namespace quindaro2 {

namespace {

constexpr int kCell = 16;
constexpr int kColumns = 16;
constexpr int kRows = 4;

// Codes the game cannot show as a colour: these cells are crossed out.
constexpr std::array kUnpickable{0x0D, 0x0E, 0x1D, 0x1E, 0x1F, 0x2E, 0x2F, 0x3E, 0x3F};

const QRgb kLineColor = qRgb(0x94, 0x00, 0x84);
const QRgb kCrossedFill = qRgb(0xFF, 0xFF, 0xFF);
const QRgb kCross = qRgb(0x00, 0x00, 0x00);
// The picture shows code 0x26 in this colour although it stands for white.
constexpr int kTintedCode = 0x26;
const QRgb kTintedFill = qRgb(0xFF, 0x79, 0x5A);

} // namespace

TColorForm::TColorForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("色の選択"));
    setFont(JapaneseFont(12));

    ColorSelectBox = new QLabel(this);
    ColorSelectBox->setObjectName(QStringLiteral("ColorSelectBox"));
    ColorSelectBox->setPixmap(QPixmap::fromImage(PalettePicture()));
    ColorSelectBox->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ColorSelectBox->setGeometry(0, 0, 257, 108);
    ColorSelectBox->installEventFilter(this);
    // The palette takes the keys: arrows move the frame, Enter picks.
    ColorSelectBox->setFocusPolicy(Qt::StrongFocus);
    ColorSelectBox->setAccessibleName(tr("パレット"));

    Button1 = new QPushButton(tr("Cancel"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    Button1->setGeometry(104, 80, 75, 25);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(257, 108);
    setTabOrder(ColorSelectBox, Button1);
    ColorSelectBox->setFocus();
    showFrame();
}

void TColorForm::showFrame()
{
    QImage picture = PalettePicture();
    if (ColorSelectBox->hasFocus()) {
        const int left = selectedColumn_ * kCell;
        const int top = selectedRow_ * kCell;
        for (int i = 0; i < kCell; ++i) {
            for (const auto& [x, y] : {std::pair{left + i, top}, std::pair{left + i, top + kCell - 1},
                                       std::pair{left, top + i}, std::pair{left + kCell - 1, top + i}}) {
                if (x < picture.width() && y < picture.height())
                    picture.setPixel(x, y, qRgb(0xFF, 0xFF, 0x00));
            }
        }
    }
    ColorSelectBox->setPixmap(QPixmap::fromImage(picture));
}

bool TColorForm::moveFrame(int key)
{
    switch (key) {
    case Qt::Key_Left: selectedColumn_ = (selectedColumn_ + kColumns - 1) % kColumns; break;
    case Qt::Key_Right: selectedColumn_ = (selectedColumn_ + 1) % kColumns; break;
    case Qt::Key_Up: selectedRow_ = (selectedRow_ + kRows - 1) % kRows; break;
    case Qt::Key_Down: selectedRow_ = (selectedRow_ + 1) % kRows; break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (IsPickable(SelectedCode()))
            accept();
        return true;
    default: return false;
    }
    showFrame();
    return true;
}

bool TColorForm::IsPickable(int code)
{
    return code >= 0 && code < kColumns * kRows && std::find(kUnpickable.begin(), kUnpickable.end(), code) == kUnpickable.end();
}

QImage TColorForm::PalettePicture()
{
    QImage picture(kColumns * kCell, kRows * kCell, QImage::Format_RGB32);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const int code = kColumns * row + column;
            const int left = column * kCell;
            const int top = row * kCell;
            QRgb fill = NesColor(code).rgb();
            if (code == kTintedCode)
                fill = kTintedFill;
            else if (!IsPickable(code))
                fill = kCrossedFill;
            for (int y = top; y < top + kCell; ++y)
                for (int x = left; x < left + kCell; ++x)
                    picture.setPixel(x, y, fill);
            if (!IsPickable(code)) {
                // Corner to corner of the cell inside its lines.
                const int inner = kCell - 1;
                for (int i = 0; i < inner; ++i) {
                    picture.setPixel(left + i, top + i, kCross);
                    picture.setPixel(left + inner - 1 - i, top + i, kCross);
                }
            }
        }
    }
    // The last pixel column and row of every cell, and the outer frame.
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (x == 0 || y == 0 || x % kCell == kCell - 1 || y % kCell == kCell - 1)
                picture.setPixel(x, y, kLineColor);
        }
    }
    return picture;
}

void TColorForm::ColoBoxMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    selectedColumn_ = x / kCell;
    selectedRow_ = y / kCell;
    // Division truncates toward zero, so a pixel left of or above the picture
    // must be ruled out by its coordinates.
    const bool onPicture = x >= 0 && y >= 0 && x < kColumns * kCell && y < kRows * kCell;
    if (onPicture && IsPickable(SelectedCode()))
        accept();
}

bool TColorForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ColorSelectBox && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        const QPoint at = press->position().toPoint();
        ColoBoxMouseDown(press->button(), press->modifiers(), at.x(), at.y());
        return true;
    }
    if (watched == ColorSelectBox && event->type() == QEvent::KeyPress
        && moveFrame(static_cast<QKeyEvent*>(event)->key()))
        return true;
    if (watched == ColorSelectBox && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        showFrame();
    return QDialog::eventFilter(watched, event);
}

void TColorForm::keyPressEvent(QKeyEvent* event)
{
    if (!PressFocusedButton(focusWidget(), event))
        QDialog::keyPressEvent(event);
}

} // namespace quindaro2
