#include "gui/dialogs/TOutputForm.h"

#include "gui/dialogs/JapaneseFont.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quindaro2 {

namespace {

QString AskTeamDataFile(QWidget* parent, const QString& startPath)
{
    const QString filters = TOutputForm::tr("コンマ区切り(*.txt)") + QStringLiteral(";;") + TOutputForm::tr("その他(*.*)");
    return QFileDialog::getSaveFileName(parent, TOutputForm::tr("名前を付けて保存"), startPath, filters, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& text, const QRect& place)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place);
    return button;
}

} // namespace

TOutputForm::TOutputForm(QWidget* parent) : QDialog(parent), askFileName(AskTeamDataFile)
{
    setWindowTitle(tr("データ出力"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setFont(JapaneseFont());
    setFixedSize(492, 160);

    Label1 = new QLabel(tr("保存（ベース）ファイル名："), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(8, 8);

    // Shows the file that OK writes; a name typed here is that file too.
    FileEdit = new QLineEdit(this);
    FileEdit->setObjectName(QStringLiteral("FileEdit"));
    FileEdit->setGeometry(8, 32, 441, 20);
    connect(FileEdit, &QLineEdit::textEdited, this, [this](const QString& typed) { chosenFileName = typed.trimmed(); });
    Label1->setBuddy(FileEdit);

    FileButton = AddButton(this, "FileButton", QStringLiteral("..."), QRect(456, 32, 25, 25));
    OpenButton = AddButton(this, "OpenButton", tr("OK"), QRect(408, 72, 75, 25));
    CancelButton = AddButton(this, "CancelButton", tr("Cancel"), QRect(408, 120, 75, 25));
    OpenButton->setDefault(true);
    connect(FileButton, &QPushButton::clicked, this, &TOutputForm::FileButtonClick);
    connect(OpenButton, &QPushButton::clicked, this, &TOutputForm::OpenButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    OutputOption = new QGroupBox(tr("出力ファイルの設定"), this);
    OutputOption->setObjectName(QStringLiteral("OutputOption"));
    OutputOption->setGeometry(256, 72, 137, 81);
    outputButtons = new QButtonGroup(this);
    auto* options = new QVBoxLayout(OutputOption);
    const QString optionTexts[] = {tr("全チーム共通"), tr("チームごと")};
    const char* const optionNames[] = {"OneFileOption", "PerTeamOption"};
    for (int index = 0; index < 2; ++index) {
        auto* option = new QRadioButton(optionTexts[index], OutputOption);
        option->setObjectName(QString::fromLatin1(optionNames[index]));
        outputButtons->addButton(option, index);
        options->addWidget(option);
    }
    outputButtons->button(0)->setChecked(true);

    setTabOrder(FileEdit, FileButton);
    setTabOrder(FileButton, OpenButton);
    setTabOrder(OpenButton, CancelButton);
    setTabOrder(CancelButton, outputButtons->button(0));
    setTabOrder(outputButtons->button(0), outputButtons->button(1));
}

bool TOutputForm::Execute()
{
    // The export writes the file chosen last, so the field shows it: OK never
    // writes to a file the dialog does not show.
    FileEdit->setText(chosenFileName);
    // A keyboard user starts on the button that chooses the file; Tab goes back to type one.
    FileButton->setFocus();
    return exec() == QDialog::Accepted;
}

void TOutputForm::Remember(const QString& fileName, int outputOptionIndex)
{
    chosenFileName = fileName;
    if (QAbstractButton* option = outputButtons->button(outputOptionIndex))
        option->setChecked(true);
}

QString TOutputForm::ChosenFileName() const
{
    return chosenFileName;
}

int TOutputForm::OutputOptionIndex() const
{
    return outputButtons->checkedId();
}

void TOutputForm::OpenButtonClick()
{
    if (!chosenFileName.isEmpty()) {
        chosenFileName = QFileInfo(chosenFileName).absoluteFilePath();
        accept();
        return;
    }
    QMessageBox::warning(this, tr("警告"),
                         tr("出力するファイルが選ばれていません．「...」ボタンでファイルを選んでください．"));
    FileButton->setFocus();
}

void TOutputForm::FileButtonClick()
{
    const QString fileName = askFileName ? askFileName(this, chosenFileName) : QString();
    if (fileName.isEmpty())
        return;
    chosenFileName = fileName;
    FileEdit->setText(fileName);
    // Enter now means OK, not another file dialog.
    OpenButton->setFocus();
}

} // namespace quindaro2
