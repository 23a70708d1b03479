#pragma once

#include <QDialog>
#include <QImage>

class QLabel;
class QPushButton;

namespace quindaro2 {

// The palette picker: a click on a cell that can be picked closes it with OK;
// from the keyboard, the arrows move a frame and Enter picks.
class TColorForm : public QDialog {
    Q_OBJECT

public:
    explicit TColorForm(QWidget* parent = nullptr);

    // The cell of the last click on the picture, kept until the next click.
    int SelectedColumn() const { return selectedColumn_; }
    int SelectedRow() const { return selectedRow_; }
    // The colour code of that cell: 16 x row + column.
    int SelectedCode() const { return 16 * selectedRow_ + selectedColumn_; }

    // A mouse press at (x, y) in the picture's pixels, with any button.
    void ColoBoxMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

    // Whether a colour code has a cell that can be picked.
    static bool IsPickable(int code);
    // The picture of the 16 x 4 palette cells, 256 x 64 pixels.
    static QImage PalettePicture();

    QLabel* ColorSelectBox = nullptr;
    QPushButton* Button1 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The picture with a frame round the selected cell while the palette has the focus.
    void showFrame();
    // An arrow key moves the frame, Enter or Space picks its cell; false for other keys.
    bool moveFrame(int key);

    int selectedColumn_ = 0;
    int selectedRow_ = 0;
};

} // namespace quindaro2
