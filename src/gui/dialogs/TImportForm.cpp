#include "gui/dialogs/TImportForm.h"

#include "gui/dialogs/JapaneseFont.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace quindaro2 {

TImportForm::TImportForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("選手データ取込"));
    setFont(JapaneseFont());
    setSizeGripEnabled(true);

    IconLabel = new QLabel(this);
    IconLabel->setObjectName(QStringLiteral("IconLabel"));
    SummaryLabel = new QLabel(this);
    SummaryLabel->setObjectName(QStringLiteral("SummaryLabel"));
    SummaryLabel->setWordWrap(true);
    SummaryLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    SummaryLabel->setTextFormat(Qt::PlainText);

    // Hundreds of lines at most: a list to scroll, select and copy, never to edit.
    DetailMemo = new QPlainTextEdit(this);
    DetailMemo->setObjectName(QStringLiteral("DetailMemo"));
    DetailMemo->setReadOnly(true);
    DetailMemo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    SummaryLabel->setBuddy(DetailMemo);

    OkButton = new QPushButton(this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    CancelButton = new QPushButton(tr("キャンセル"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(IconLabel, 0, Qt::AlignTop);
    top->addWidget(SummaryLabel, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(DetailMemo, 1);
    layout->addLayout(buttons);
    resize(640, 420);
}

bool TImportForm::Confirm(const QString& summary, const QString& details)
{
    present(summary, details, true);
    return exec() == QDialog::Accepted;
}

void TImportForm::ShowProblems(const QString& summary, const QString& details)
{
    present(summary, details, false);
    exec();
}

void TImportForm::present(const QString& summary, const QString& details, bool asking)
{
    const QIcon icon = style()->standardIcon(asking ? QStyle::SP_MessageBoxQuestion : QStyle::SP_MessageBoxWarning);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    IconLabel->setPixmap(icon.pixmap(size, size));
    SummaryLabel->setText(asking ? summary + tr("\nROMファイルに書き込みますか？") : summary);
    DetailMemo->setPlainText(details);
    OkButton->setText(asking ? tr("書き込む(&W)") : tr("OK"));
    CancelButton->setVisible(asking);
    OkButton->setDefault(true);
    OkButton->setFocus();
}

} // namespace quindaro2
