#pragma once

#include <QKeyEvent>
#include <QPushButton>

namespace quindaro2 {

// The edit dialogs have no default button: Enter presses only the button that
// has the focus. True when the key was Enter, pressed or not.
inline bool PressFocusedButton(QWidget* focus, const QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    if (auto* button = qobject_cast<QPushButton*>(focus))
        button->click();
    return true;
}

} // namespace quindaro2
