#include "gui/edit/NumberBox.h"

#include "core/roster/CellText.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include <algorithm>

namespace quindaro2 {

NumberBox::NumberBox(QWidget* parent) : QAbstractSpinBox(parent)
{
    setWrapping(false);
}

void NumberBox::setValue(int value)
{
    lineEdit()->setText(DecimalText(value));
}

std::optional<int> NumberBox::value() const
{
    return StrictInteger(text());
}

void NumberBox::stepBy(int steps)
{
    // A number outside the range, or none at all, steps from the range's end
    // that the arrow points away from.
    const std::optional<int> shown = value();
    const qint64 from = shown ? *shown : (steps > 0 ? range_.minimum - range_.step : range_.maximum + range_.step);
    const qint64 next = std::clamp<qint64>(from + qint64(steps) * range_.step, range_.minimum, range_.maximum);
    lineEdit()->setText(DecimalText(static_cast<int>(next)));
    selectAll();
}

QAbstractSpinBox::StepEnabled NumberBox::stepEnabled() const
{
    if (range_.step <= 0)
        return StepNone;
    const std::optional<int> shown = value();
    StepEnabled enabled = StepNone;
    if (!shown || *shown < range_.maximum)
        enabled |= StepUpEnabled;
    if (!shown || *shown > range_.minimum)
        enabled |= StepDownEnabled;
    return enabled;
}

QValidator::State NumberBox::validate(QString& input, int&) const
{
    // Digits after an optional sign; anything else cannot be typed.
    for (qsizetype i = 0; i < input.size(); ++i) {
        const QChar c = input[i];
        const bool sign = i == 0 && (c == u'-' || c == u'+');
        if (!sign && (c < u'0' || c > u'9'))
            return QValidator::Invalid;
    }
    return StrictInteger(input) ? QValidator::Acceptable : QValidator::Intermediate;
}

QSize NumberBox::sizeHint() const
{
    // Room for a sign and five digits, the widest number a column takes.
    ensurePolished();
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const QSize text(fontMetrics().horizontalAdvance(QStringLiteral("-88888 ")) + 2, lineEdit()->sizeHint().height());
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, text, this).expandedTo(QAbstractSpinBox::sizeHint());
}

} // namespace quindaro2
