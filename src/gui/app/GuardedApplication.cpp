#include "gui/app/GuardedApplication.h"

#include <QMessageBox>

#include <exception>

namespace quindaro2 {

namespace {

void ShowError(const QString& text)
{
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("QUINDARO2"), text);
}

} // namespace

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ShowError(QCoreApplication::translate("GuardedApplication", "予期しないエラーが発生しました．"));
    }
    return false;
}

} // namespace quindaro2
