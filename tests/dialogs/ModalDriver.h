#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace quindaro2::testing {

// Calls `open`, which shows `dialog` modally, and runs `act` inside the
// dialog's event loop once it is up. A dialog that `act` leaves open is closed
// after a few seconds, so a broken case fails instead of hanging the run.
template <typename Open>
auto DriveModal(QDialog& dialog, const std::function<void()>& act, Open open)
{
    bool acted = false;
    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_TRUE(dialog.isVisible());
        acted = true;
        act();
    });
    bool timedOut = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &dialog, [&] {
        timedOut = true;
        dialog.done(QDialog::Rejected);
    });
    guard.start(5000);
    auto result = open();
    guard.stop();
    EXPECT_TRUE(acted);
    EXPECT_FALSE(timedOut) << "the dialog was still open";
    return result;
}

// The widget a key press goes to, as a user would type it.
inline QWidget* KeyTarget(QWidget& window)
{
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus : &window;
}

} // namespace quindaro2::testing
