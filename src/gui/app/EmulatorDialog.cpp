#include "gui/app/EmulatorDialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

namespace quindaro2 {

namespace {

const auto kProgramKey = QStringLiteral("emulator/program");
const auto kArgumentsKey = QStringLiteral("emulator/arguments");

} // namespace

EmulatorDialog::EmulatorDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("エミュレータの設定"));
    Program = new QLineEdit(this);
    Program->setObjectName(QStringLiteral("Program"));
    Program->setMinimumWidth(320);
    Arguments = new QLineEdit(this);
    Arguments->setObjectName(QStringLiteral("Arguments"));
    Arguments->setText(QStringLiteral("%f"));
    auto* browse = new QPushButton(tr("参照(&B)..."), this);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString chosen = QFileDialog::getOpenFileName(this, tr("エミュレータのプログラム"), Program->text());
        if (!chosen.isEmpty())
            Program->setText(chosen);
    });
    auto* programRow = new QHBoxLayout;
    programRow->addWidget(Program, 1);
    programRow->addWidget(browse);

    auto* form = new QFormLayout;
    form->addRow(tr("プログラム(&P)："), programRow);
    form->addRow(tr("引数(&A)："), Arguments);
    auto* note = new QLabel(tr("%f は試し用のROMのコピーになります（ROMファイルそのものは渡しません）．"), this);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
}

QString EmulatorDialog::savedProgram()
{
    return QSettings().value(kProgramKey).toString();
}

QString EmulatorDialog::savedArguments()
{
    return QSettings().value(kArgumentsKey, QStringLiteral("%f")).toString();
}

bool EmulatorDialog::edit()
{
    Program->setText(savedProgram());
    Arguments->setText(savedArguments());
    if (exec() != QDialog::Accepted || Program->text().trimmed().isEmpty())
        return false;
    QSettings settings;
    settings.setValue(kProgramKey, Program->text().trimmed());
    settings.setValue(kArgumentsKey, Arguments->text());
    return true;
}

} // namespace quindaro2
