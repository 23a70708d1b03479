#include "gui/edit/TValueForm.h"

#include "gui/dialogs/JapaneseFont.h"
#include "gui/edit/FocusedButton.h"
#include "gui/edit/NumberBox.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

namespace quindaro2 {

namespace {

constexpr int kDesignWidth = 212;
constexpr int kDesignHeight = 199;
constexpr int kMargin = 8;
constexpr int kEditLeft = 16;
constexpr int kEditTop = 152;
constexpr int kEditWidth = 65 + 15; // the edit box and its attached arrows
constexpr int kEditHeight = 29;
constexpr int kButtonGap = 16;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

QLabel* MakeLabel(QWidget* parent, const QString& name, int pixelSize)
{
    auto* label = new QLabel(QStringLiteral("Label1GOGOGOGO"), parent);
    label->setObjectName(name);
    label->setFont(JapaneseFont(pixelSize));
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

TValueForm::TValueForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("ValueForm"));
    setFont(JapaneseFont(12));

    ValueEdit = new NumberBox(this);
    ValueEdit->setObjectName(QStringLiteral("ValueEdit"));
    ValueEdit->setFont(JapaneseFont(21));
    ValueEdit->setRange(ValueRange{0, 100, 1});
    ValueEdit->setValue(100);

    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    Button1 = new QPushButton(tr("Cancel"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    for (QPushButton* button : {OKButton, Button1})
        button->setAutoDefault(false);
    connect(OKButton, &QPushButton::clicked, this, &TValueForm::OKButtonClick);
    connect(Button1, &QPushButton::clicked, this, &TValueForm::Button1Click);
    setTabOrder(ValueEdit, OKButton);
    setTabOrder(OKButton, Button1);

    Label = MakeLabel(this, QStringLiteral("Label"), 21);
    Label->setAlignment(Qt::AlignCenter);
    Range = MakeLabel(this, QStringLiteral("Range"), 21);
    MemoLabel = MakeLabel(this, QStringLiteral("MemoLabel"), 13);
    MemoLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    PlaceControls();
}

QString TValueForm::RangeText(const ValueRange& range)
{
    return tr("（%1～%2）").arg(range.minimum).arg(range.maximum);
}

std::optional<QString> TValueForm::EnterValue(const QString& caption, const QString& label, const ValueRange& range,
                                              int start, const QString& hint, const AnswerCheck& check)
{
    // A step of 0 leaves the arrows without effect.
    ValueEdit->setRange(range);
    ValueEdit->setValue(start);
    check_ = check;

    Range->setText(RangeText(range));
    setWindowTitle(caption);
    Label->setText(label);
    // A carriage return in a hint starts its second line.
    QString memo = hint;
    memo.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // A closing bracket that would start a line ends the line before it.
    memo.replace(QStringLiteral("\n)"), QStringLiteral(")\n"));
    MemoLabel->setText(memo);
    PlaceControls();

    ValueEdit->setFocus();
    ValueEdit->selectAll();
    const bool accepted = exec() == QDialog::Accepted;
    check_ = nullptr;
    if (!accepted)
        return std::nullopt;
    return ValueEdit->text();
}

void TValueForm::OKButtonClick()
{
    const QString refusal = check_ ? check_(ValueEdit->text()) : QString();
    if (refusal.isEmpty()) {
        accept();
        return;
    }
    // The typed number stays, selected, so that the next digits replace it.
    QMessageBox::warning(this, tr("警告"), refusal);
    ValueEdit->setFocus();
    ValueEdit->selectAll();
}

void TValueForm::Button1Click()
{
    reject();
}

void TValueForm::PlaceControls()
{
    // The design's places, widened where a text or a wide number would not
    // fit: the window grows to the right rather than cutting anything off.
    const int labelWidth = std::max(173, Label->sizeHint().width());
    Label->setGeometry(kMargin, kMargin, labelWidth, 32);
    Range->setGeometry(kMargin, 48, Range->sizeHint().width(), 32);
    // The hint has the room down to the OK button: two lines at its size.
    MemoLabel->setGeometry(kMargin, 88, MemoLabel->sizeHint().width(), 136 - 4 - 88);

    const QSize spin = ValueEdit->sizeHint();
    const int editWidth = std::max(kEditWidth, spin.width());
    ValueEdit->setGeometry(kEditLeft, kEditTop, editWidth, kEditHeight);
    const int buttonLeft = std::max(112, kEditLeft + editWidth + kButtonGap);
    OKButton->setGeometry(buttonLeft, 136, kButtonWidth, kButtonHeight);
    Button1->setGeometry(buttonLeft, 168, kButtonWidth, kButtonHeight);

    int width = kDesignWidth;
    for (const QWidget* widget : std::initializer_list<const QWidget*>{Label, Range, MemoLabel, OKButton})
        width = std::max(width, widget->geometry().right() + 1 + kMargin);
    setFixedSize(width, kDesignHeight);
}

void TValueForm::keyPressEvent(QKeyEvent* event)
{
    if (!PressFocusedButton(focusWidget(), event))
        QDialog::keyPressEvent(event);
}

} // namespace quindaro2
