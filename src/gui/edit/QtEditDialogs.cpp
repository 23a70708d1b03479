#include "gui/edit/QtEditDialogs.h"

#include "gui/dialogs/JapaneseFont.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace quindaro2 {

QtEditDialogs::QtEditDialogs(QWidget* parent)
    : parent_(parent), nameForm_(parent), listForm_(parent), valueForm_(parent)
{
}

std::optional<QString> QtEditDialogs::EditName(int edition, const QString& name, const AnswerCheck& check)
{
    return nameForm_->EditName(edition, name, check);
}

std::optional<QString> QtEditDialogs::ChooseItem(const QString& caption, const QString& label,
                                                 const QStringList& choices, const QString& current)
{
    return listForm_->ChooseItem(caption, label, choices, current);
}

std::optional<QString> QtEditDialogs::EnterValue(const QString& caption, const QString& label,
                                                 const ValueRange& range, int start, const QString& hint,
                                                 const AnswerCheck& check)
{
    return valueForm_->EnterValue(caption, label, range, start, hint, check);
}

void QtEditDialogs::ShowError(const QString& message)
{
    QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(), message, QMessageBox::Ok,
                    parent_);
    box.setFont(JapaneseFont(12));
    box.exec();
}

} // namespace quindaro2
