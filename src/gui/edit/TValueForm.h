#pragma once

#include "core/edition/ValueRange.h"

#include <QDialog>
#include <QString>

#include <optional>

class QLabel;
class QPushButton;
class QSpinBox;

namespace quindaro2 {

// Takes one number for a player. The spin box is both the edit box and its
// up-down control: 16-bit signed limits and position, a fixed step.
class TValueForm : public QDialog {
    Q_OBJECT

public:
    explicit TValueForm(QWidget* parent = nullptr);

    // The number in the box (a 16-bit signed number), none after Cancel. The
    // caller checks it against the range.
    std::optional<int> EnterValue(const QString& caption, const QString& label, const ValueRange& range, int start,
                                  const QString& hint);

    // "（min～max）" with full-width brackets and tilde.
    static QString RangeText(const ValueRange& range);

    QLabel* Label = nullptr;
    QLabel* Range = nullptr;
    QLabel* MemoLabel = nullptr;
    QSpinBox* ValueEdit = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* Button1 = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OKButtonClick();
    void Button1Click();
    void PlaceControls();
};

} // namespace quindaro2
