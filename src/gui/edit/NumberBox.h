#pragma once

#include "core/edition/ValueRange.h"

#include <QAbstractSpinBox>

#include <optional>

namespace quindaro2 {

// An edit box with attached arrows for one whole number. Typing takes any
// whole number, inside the range or not, so that nothing typed is cut or
// replaced; only the arrows and the arrow keys keep to the range and step.
class NumberBox : public QAbstractSpinBox {
    Q_OBJECT

public:
    explicit NumberBox(QWidget* parent = nullptr);

    void setRange(const ValueRange& range) { range_ = range; }
    // Shows the number as it is, even outside the range.
    void setValue(int value);
    // The number shown; none while the text is no whole number (empty, a lone sign).
    std::optional<int> value() const;

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& position) const override;
    QSize sizeHint() const override;

protected:
    StepEnabled stepEnabled() const override;

private:
    ValueRange range_;
};

} // namespace quindaro2
