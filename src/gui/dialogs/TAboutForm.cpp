#include "gui/dialogs/TAboutForm.h"

#include "gui/dialogs/JapaneseFont.h"

#include <QLabel>
#include <QPushButton>

namespace quindaro2 {

namespace {

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, int pixelSize, const QRect& place)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(JapaneseFont(pixelSize));
    label->setGeometry(place);
    return label;
}

} // namespace

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("QUINDARO2について"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setFont(JapaneseFont());
    setFixedSize(417, 122);

    AddLabel(this, "NameLabel", QStringLiteral("QUINDARO2"), 32, QRect(16, 8, 240, 40));
    AddLabel(this, "EditionLabel", tr("バージョン %1").arg(QStringLiteral(QUINDARO2_VERSION)), 12, QRect(264, 26, 140, 16));
    AddLabel(this, "AuthorLabel", tr("QUINDARO2 開発チーム"), 16, QRect(16, 60, 300, 20));
    QLabel* address = AddLabel(this, "AddressLabel", QStringLiteral("https://quindaro2.example/"), 16,
                               QRect(16, 88, 300, 20));
    // Selectable so the address can be copied into a browser.
    address->setTextInteractionFlags(Qt::TextSelectableByMouse);

    OkButton = new QPushButton(tr("OK"), this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setGeometry(328, 86, 75, 25);
    OkButton->setDefault(true);
    OkButton->setFocus();
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace quindaro2
