#pragma once

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace quindaro2::testing {

// Runs `open`, which shows `dialog` modally, and `act` once the dialog's own
// event loop runs. A dialog still open five seconds later is rejected, so a
// case that fails to close it fails instead of hanging.
template <typename Open>
auto RunModal(QDialog& dialog, const std::function<void()>& act, Open open)
{
    bool acted = false;
    QTimer::singleShot(0, &dialog, [&] {
        acted = true;
        EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
        // Focus and key handling need the dialog to be the active window.
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
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
    EXPECT_TRUE(acted) << "the dialog never ran its event loop";
    EXPECT_FALSE(timedOut) << "the dialog was left open";
    EXPECT_FALSE(dialog.isVisible());
    return result;
}

// As RunModal, for a dialog that `open` makes only when it first needs it:
// `act` gets the dialog of type Dialog that opened modally.
template <typename Dialog, typename Open>
auto RunNextModal(const std::function<void(Dialog&)>& act, Open open)
{
    QObject context;  // no action outlives this call
    bool acted = false;
    QPointer<Dialog> opened;
    QTimer::singleShot(0, &context, [&] {
        acted = true;
        opened = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_FALSE(opened.isNull()) << "no dialog of the expected kind opened";
        opened->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(opened));
        act(*opened);
    });
    bool timedOut = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &context, [&] {
        timedOut = true;
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->done(QDialog::Rejected);
    });
    guard.start(5000);
    auto result = open();
    guard.stop();
    EXPECT_TRUE(acted) << "no dialog ran its event loop";
    EXPECT_FALSE(timedOut) << "the dialog was left open";
    EXPECT_TRUE(opened.isNull() || !opened->isVisible());
    return result;
}

// What a message box showed.
struct MessageBoxSeen {
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// The next message box that opens modally is recorded into `seen` and closed
// with `press` (its escape button when none is given).
inline void CloseNextMessageBox(MessageBoxSeen& seen, QMessageBox::StandardButton press = QMessageBox::NoButton)
{
    QTimer::singleShot(0, [&seen, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr) << "no message box opened";
        seen.shown = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.defaultButton = box->defaultButton() ? box->standardButton(box->defaultButton()) : QMessageBox::NoButton;
        if (QAbstractButton* button = press != QMessageBox::NoButton ? box->button(press) : box->escapeButton())
            button->click();
        else
            box->done(QMessageBox::Ok);
    });
}

// Types text as key presses that carry the characters; QTest's own typing
// knows only ASCII.
inline void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar character : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
}

// The widget a key press goes to, as a user would type it.
inline QWidget* KeyTarget(QWidget& window)
{
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus : &window;
}

} // namespace quindaro2::testing
