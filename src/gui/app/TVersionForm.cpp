#include "gui/app/TVersionForm.h"

#include "core/detect/EditionDetection.h"
#include "core/edition/Edition.h"
#include "gui/dialogs/JapaneseFont.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quindaro2 {

namespace {
constexpr int kColumns = 3;
}

TVersionForm::TVersionForm(QWidget* parent) : QDialog(parent)
{
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(tr("バージョン選択"));
    setFont(JapaneseFont());

    VersionBox = new QGroupBox(tr("バージョン"), this);
    VersionBox->setObjectName(QStringLiteral("VersionBox"));
    versionButtons = new QButtonGroup(this);
    auto* grid = new QGridLayout(VersionBox);
    grid->setHorizontalSpacing(24);
    for (int k = 0; k < kEditionCount; ++k) {
        auto* button = new QRadioButton(QString::number((kFirstEdition + k) % 100), VersionBox);
        versionButtons->addButton(button, k);
        grid->addWidget(button, k / kColumns, k % kColumns);
    }
    versionButtons->button(0)->setChecked(true);
    connect(versionButtons, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            showNote();
    });

    NoteLabel = new QLabel(this);
    NoteLabel->setObjectName(QStringLiteral("NoteLabel"));
    NoteLabel->setVisible(false);

    OkButton = new QPushButton(tr("OK"), this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setDefault(true);
    OkButton->setFixedSize(75, 25);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkButton);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(VersionBox);
    layout->addWidget(NoteLabel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int TVersionForm::ChooseEdition(std::optional<int> preselect, const QString& note, std::optional<int> guess)
{
    if (preselect && IsEdition(*preselect))
        versionButtons->button(EditionIndex(*preselect))->setChecked(true);
    note_ = note;
    guess_ = guess;
    cancellable_ = false;
    showNote();
    // Keyboard users start on the chosen edition and move with the arrow keys.
    versionButtons->checkedButton()->setFocus();
    // OK, Escape and the frame's close button all end here; the radio
    // buttons hold the answer either way.
    exec();
    return chosen();
}

std::optional<int> TVersionForm::ChooseSampleEdition(const QString& note)
{
    note_ = note;
    guess_.reset();
    cancellable_ = true;
    cancelled_ = false;
    showNote();
    versionButtons->checkedButton()->setFocus();
    exec();
    cancellable_ = false;
    return cancelled_ ? std::nullopt : std::optional<int>(chosen());
}

void TVersionForm::reject()
{
    cancelled_ = cancellable_;
    QDialog::reject();
}

int TVersionForm::chosen() const
{
    return kFirstEdition + versionButtons->checkedId();
}

void TVersionForm::showNote()
{
    const bool differs = guess_ && *guess_ != chosen();
    NoteLabel->setText(differs ? GuessDiffers(*guess_) : note_);
    // In a warning colour: a wrong edition would edit the wrong places.
    NoteLabel->setStyleSheet(differs ? QStringLiteral("color: #c00000;") : QString());
    NoteLabel->setVisible(!NoteLabel->text().isEmpty());
}

} // namespace quindaro2
