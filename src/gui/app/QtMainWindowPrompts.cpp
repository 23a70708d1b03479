#include "gui/app/QtMainWindowPrompts.h"

#include "gui/app/EditorSettings.h"
#include "gui/app/HelpDocument.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace quindaro2 {

QtMainWindowPrompts::QtMainWindowPrompts(QWidget* window)
    : window_(window),
      VersionForm(window),
      AboutForm(window),
      OutputForm(window),
      HistoryForm(window),
      ColorForm(window),
      ImportForm(window),
      editDialogs_(window)
{
}

QtMainWindowPrompts::~QtMainWindowPrompts() = default;

TOutputForm& QtMainWindowPrompts::outputForm()
{
    if (!OutputForm.made()) {
        if (const std::optional<ExportChoice> kept = EditorSettings().exportChoice())
            OutputForm->Remember(kept->fileName, kept->mode == ExportMode::PerTeam ? 1 : 0);
    }
    return *OutputForm;
}

std::optional<QString> QtMainWindowPrompts::AskRomFile()
{
    QFileDialog dialog(window_, tr("開く"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({tr("NES ROM(*.nes)"), tr("全てのファイル(*.*)")});
    dialog.setDefaultSuffix(QStringLiteral("nes"));
    if (const QString folder = EditorSettings().lastFolder(); !folder.isEmpty() && QDir(folder).exists())
        dialog.setDirectory(folder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

int QtMainWindowPrompts::AskEdition(const EditionProposal& proposal)
{
    return VersionForm->ChooseEdition(proposal.edition, proposal.note, proposal.guess);
}

std::optional<int> QtMainWindowPrompts::AskSampleEdition()
{
    return VersionForm->ChooseSampleEdition(tr("サンプルROMを作る版を選んでください"));
}

UnsavedExport QtMainWindowPrompts::AskExportWithUnsavedEdits()
{
    QMessageBox box(QMessageBox::Question, tr("確認"),
                    tr("まだ保存していない変更があります．選手データは ROM ファイルから出力されます．"),
                    QMessageBox::NoButton, window_);
    QPushButton* save = box.addButton(tr("保存して出力(&S)"), QMessageBox::AcceptRole);
    QPushButton* asItIs = box.addButton(tr("ファイルのまま出力(&F)"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(tr("キャンセル"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return UnsavedExport::SaveFirst;
    return box.clickedButton() == asItIs ? UnsavedExport::FileAsItIs : UnsavedExport::Cancel;
}

bool QtMainWindowPrompts::AskReplaceExportFiles(int existing)
{
    return QMessageBox::question(window_, tr("確認"),
                                 tr("出力先のファイルのうち %n 個はすでにあります．置き換えますか？", nullptr, existing),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

void QtMainWindowPrompts::ShowHelp()
{
    const QString manual = HelpDocument();
    if (manual.isEmpty() || !QDesktopServices::openUrl(QUrl::fromLocalFile(manual)))
        Warn(tr("マニュアルを開けませんでした．%1").arg(manual.isEmpty() ? tr("README.md が見つかりません") : manual));
}

std::optional<int> QtMainWindowPrompts::PickColor()
{
    if (ColorForm->exec() != QDialog::Accepted)
        return std::nullopt;
    return ColorForm->SelectedCode();
}

std::optional<ExportChoice> QtMainWindowPrompts::AskExport()
{
    TOutputForm& form = outputForm();
    if (!form.Execute())
        return std::nullopt;
    return ExportChoice{form.ChosenFileName(),
                        form.OutputOptionIndex() == 1 ? ExportMode::PerTeam : ExportMode::OneFile};
}

void QtMainWindowPrompts::ShowHistory()
{
    HistoryForm->exec();
}

void QtMainWindowPrompts::ShowAbout()
{
    AboutForm->exec();
}

SaveAnswer QtMainWindowPrompts::AskToSaveChanges(bool offerCancel)
{
    QMessageBox box(QMessageBox::Question, tr("確認"),
                    tr("データが変更されています．保存しますか？"), QMessageBox::NoButton, window_);
    QPushButton* yes = box.addButton(tr("はい(&Y)"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(tr("いいえ(&N)"), QMessageBox::NoRole);
    QPushButton* cancel = offerCancel ? box.addButton(tr("キャンセル"), QMessageBox::RejectRole) : nullptr;
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel ? cancel : no);
    box.exec();
    if (box.clickedButton() == yes)
        return SaveAnswer::Yes;
    if (box.clickedButton() == no || !offerCancel)
        return SaveAnswer::No;
    return SaveAnswer::Cancel;
}

bool QtMainWindowPrompts::AskOverwriteChangedTeam(const QString& fileName)
{
    QMessageBox box(QMessageBox::Question, tr("確認"),
                    tr("%1 のこのチームのデータは、読み込んだ後でほかのプログラムに変更されています．"
                       "表示中のデータで上書きしますか？")
                        .arg(fileName),
                    QMessageBox::NoButton, window_);
    QPushButton* yes = box.addButton(tr("はい(&Y)"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(tr("いいえ(&N)"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

// The question the file dialogs of the toolkit ask, in their words.
bool QtMainWindowPrompts::AskReplaceFile(const QString& path)
{
    const QString text = QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?")
                             .arg(QFileInfo(path).fileName());
    return QMessageBox::warning(window_, tr("保存"), text, QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No)
        == QMessageBox::Yes;
}

std::optional<QString> QtMainWindowPrompts::AskSaveTarget(const QString& folder, const QString& fileName)
{
    QFileDialog dialog(window_, tr("保存"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({tr("NES ROM (*.nes)"), tr("その他のファイル (*.*)")});
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDirectory(folder);
    dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

void QtMainWindowPrompts::Warn(const QString& text)
{
    QMessageBox::warning(window_, tr("警告"), text, QMessageBox::Ok);
}

std::optional<QStringList> QtMainWindowPrompts::AskImportFiles(const QString& folder)
{
    QFileDialog dialog(window_, tr("選手データ取込"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilters({tr("コンマ区切り(*.txt *.csv)"), tr("その他(*.*)")});
    dialog.setDirectory(importFolder_.isEmpty() ? folder : importFolder_);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    importFolder_ = dialog.directory().absolutePath();
    return dialog.selectedFiles();
}

std::optional<QString> QtMainWindowPrompts::AskPatchFile(const QString& folder, const QString& baseName)
{
    QFileDialog dialog(window_, tr("パッチとして保存"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QStringList filters{tr("BPS パッチ (*.bps)"), tr("IPS パッチ (*.ips)")};
    dialog.setNameFilters(filters);
    // The chosen type gives a name without an extension its own.
    dialog.setDefaultSuffix(QStringLiteral("bps"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString& filter) {
        dialog.setDefaultSuffix(filter == filters[1] ? QStringLiteral("ips") : QStringLiteral("bps"));
    });
    dialog.setDirectory(folder);
    dialog.selectFile(baseName + QStringLiteral(".bps"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

bool QtMainWindowPrompts::ConfirmImport(const QString& summary, const QString& details)
{
    return ImportForm->Confirm(summary, details);
}

void QtMainWindowPrompts::ShowImportProblems(const QString& summary, const QString& details)
{
    ImportForm->ShowProblems(summary, details);
}

} // namespace quindaro2
