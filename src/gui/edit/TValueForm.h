#pragma once

#include "core/edit/EditDialogs.h"
#include "core/edition/ValueRange.h"

#include <QDialog>
#include <QString>

#include <optional>

class QLabel;
class QPushButton;

namespace quindaro2 {

class NumberBox;

// Takes one number for a player. The number box is both the edit box and its
// up-down control: the arrows step inside the range, typing takes any whole
// number, and OK takes only what the check lets through.
class TValueForm : public QDialog {
    Q_OBJECT

public:
    explicit TValueForm(QWidget* parent = nullptr);

    // The number in the box as typed, none after Cancel. The box starts on
    // `start` as it is, even outside the range, so that OK never stores a
    // number the user did not see. OK with an answer that `check` refuses
    // keeps the dialog open and shows the reason; an empty check takes any.
    std::optional<QString> EnterValue(const QString& caption, const QString& label, const ValueRange& range,
                                      int start, const QString& hint, const AnswerCheck& check = {});

    // "（min～max）" with full-width brackets and tilde, or its translation.
    static QString RangeText(const ValueRange& range);

    QLabel* Label = nullptr;
    QLabel* Range = nullptr;
    QLabel* MemoLabel = nullptr;
    NumberBox* ValueEdit = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* Button1 = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OKButtonClick();
    void Button1Click();
    void PlaceControls();

    AnswerCheck check_;
};

} // namespace quindaro2
