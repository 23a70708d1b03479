#include "gui/edit/TNameForm.h"

#include "core/edit/RomajiInput.h"
#include "core/edition/EditionProfile.h"
#include "core/rom/NameCodec.h"
#include "gui/dialogs/JapaneseFont.h"
#include "gui/edit/FocusedButton.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>

namespace quindaro2 {

namespace {

constexpr int kDesignBoxWidth = 49;
constexpr int kDesignBoxHeight = 20;
constexpr int kMargin = 8;
constexpr int kGap = 7;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kLineHeight = 26;

// A box must show two full-width characters next to its arrow: typing two
// characters into one box is allowed and should stay readable.
QSize BoxSize(const QComboBox& box)
{
    QStyleOptionComboBox option;
    option.initFrom(&box);
    option.editable = true;
    const QFontMetrics metrics(box.font());
    const QSize text(metrics.horizontalAdvance(QStringLiteral("ＷＷ")), metrics.height());
    const QSize needed = box.style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, &box);
    return {std::max(kDesignBoxWidth, needed.width()), std::max(kDesignBoxHeight, needed.height())};
}

} // namespace

TNameForm::TNameForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("選手名の入力"));
    setFont(JapaneseFont(12));

    const std::array<QString, 5> names{QStringLiteral("First"), QStringLiteral("Second"), QStringLiteral("Third"),
                                       QStringLiteral("Fourth"), QStringLiteral("Fifth")};
    std::array<QComboBox*, 5> boxes{};
    for (std::size_t k = 0; k < boxes.size(); ++k) {
        auto* box = new QComboBox(this);
        box->setObjectName(names[k]);
        box->setEditable(true);
        // The boxes take text as typed: no completion, and Enter must not add
        // the typed text to the list.
        box->setCompleter(nullptr);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setEditText(QStringLiteral("　"));
        boxes[k] = box;
    }
    First = boxes[0];
    Second = boxes[1];
    Third = boxes[2];
    Fourth = boxes[3];
    Fifth = boxes[4];

    OkButton = new QPushButton(tr("OK"), this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    CancelButton = new QPushButton(tr("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    for (QPushButton* button : {OkButton, CancelButton})
        button->setAutoDefault(false);
    connect(OkButton, &QPushButton::clicked, this, &TNameForm::OkButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* lineLabel = new QLabel(tr("1行で(&L)："), this);
    NameLine = new QLineEdit(this);
    NameLine->setObjectName(QStringLiteral("NameLine"));
    lineLabel->setBuddy(NameLine);
    lineHint_ = new QLabel(this);
    connect(NameLine, &QLineEdit::textEdited, this, &TNameForm::lineEdited);
    for (QComboBox* combo : boxes)
        connect(combo, &QComboBox::editTextChanged, this, &TNameForm::boxEdited);

    // The design places the boxes 49 pixels wide, 7 apart; wider boxes keep
    // the gaps and push the buttons and the window edge to the right. The
    // line sits above them.
    const QSize box = BoxSize(*First);
    const int labelWidth = lineLabel->sizeHint().width();
    lineLabel->setGeometry(kMargin, kMargin, labelWidth, kLineHeight - 4);
    const int top = kMargin + kLineHeight;
    int left = kMargin;
    for (QComboBox* combo : boxes) {
        combo->setGeometry(left, top, box.width(), box.height());
        left += box.width() + kGap;
    }
    NameLine->setGeometry(kMargin + labelWidth + 4, kMargin, left - kGap - kMargin - labelWidth - 4, kLineHeight - 4);
    lineHint_->setGeometry(kMargin, top + box.height() + 4, left - kMargin, kLineHeight - 4);
    OkButton->setGeometry(left, 8, kButtonWidth, kButtonHeight);
    CancelButton->setGeometry(left, 40, kButtonWidth, kButtonHeight);
    setFixedSize(left + kButtonWidth + kGap, std::max(72, top + box.height() + kLineHeight + 4));

    QWidget* previous = First;
    for (QWidget* next : std::initializer_list<QWidget*>{Second, Third, Fourth, Fifth, OkButton, CancelButton, NameLine}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

QStringList TNameForm::NameEntryCharacters(int edition)
{
    const EditionProfile* profile = FindProfile(edition);
    const QString characters = profile ? profile->names.entryCharacters : QString();
    QStringList entries;
    entries.reserve(characters.size());
    for (const QChar character : characters)
        entries.append(QString(character));
    return entries;
}

std::optional<QString> TNameForm::EditName(int edition, const QString& name, const AnswerCheck& check)
{
    const bool fiveCharacters = NameLength(edition) >= 5;
    fiveCharacters_ = fiveCharacters;
    check_ = check;
    const QStringList entries = NameEntryCharacters(edition);
    const std::array<QComboBox*, 5> boxes = Boxes();
    for (std::size_t k = 0; k < boxes.size(); ++k) {
        QComboBox* box = boxes[k];
        box->clear();
        box->addItems(entries);
        const bool used = k < 4 || fiveCharacters;
        const qsizetype index = static_cast<qsizetype>(k);
        box->setEditText(used && index < name.size() ? name.mid(index, 1) : QString());
    }
    Fifth->setEnabled(fiveCharacters);
    edition_ = edition;
    boxEdited();
    First->setFocus();
    First->lineEdit()->selectAll();

    const bool accepted = exec() == QDialog::Accepted;
    check_ = nullptr;
    if (!accepted)
        return std::nullopt;
    return JoinedName();
}

QString TNameForm::JoinedName() const
{
    const std::array<QComboBox*, 5> boxes = Boxes();
    QString name;
    for (std::size_t k = 0; k < (fiveCharacters_ ? 5u : 4u); ++k)
        name += boxes[k]->currentText();
    return name;
}

void TNameForm::OkButtonClick()
{
    // Letters still typing in the line end as the converter ends them ("n" as ん).
    if (const EditionProfile* profile = FindProfile(edition_);
        profile && lineLast_ && !ConvertNameInput(profile->names, NameLine->text(), false).pending.isEmpty())
        lineEdited(ConvertNameInput(profile->names, NameLine->text(), true).text);
    const QString refusal = check_ ? check_(JoinedName()) : QString();
    if (refusal.isEmpty()) {
        accept();
        return;
    }
    // The boxes keep what was typed, so that one character can be mended.
    QWidget* focus = focusWidget();
    QMessageBox::warning(this, tr("警告"), refusal);
    if (focus)
        focus->setFocus();
}

// The line's kana go one to a box; boxes past the name get the padding blank.
void TNameForm::lineEdited(const QString& typed)
{
    const EditionProfile* profile = FindProfile(edition_);
    if (!profile)
        return;
    const NameInput input = ConvertNameInput(profile->names, typed, false);
    const QString shown = input.text + input.pending;
    if (NameLine->text() != shown)
        NameLine->setText(shown);
    lineHint_->setText(input.problem);
    lineLast_ = true;
    following_ = true;
    const std::array<QComboBox*, 5> boxes = Boxes();
    const qsizetype used = fiveCharacters_ ? 5 : 4;
    for (qsizetype k = 0; k < used; ++k)
        boxes[static_cast<std::size_t>(k)]->setEditText(k < input.text.size() ? input.text.mid(k, 1) : QStringLiteral("　"));
    following_ = false;
}

void TNameForm::boxEdited()
{
    if (following_ || !NameLine)
        return;
    lineLast_ = false;
    QString name = JoinedName();
    while (name.endsWith(u'　'))
        name.chop(1);
    NameLine->setText(name);
}

void TNameForm::keyPressEvent(QKeyEvent* event)
{
    if (!PressFocusedButton(focusWidget(), event))
        QDialog::keyPressEvent(event);
}

} // namespace quindaro2
