#pragma once

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

// Ends the program once `window` has painted for the first time, so that a
// run times the start up to the first window and no more. A second later at
// the latest, should the paint have come before this was installed.
class QuitAfterFirstPaint : public QObject {
public:
    explicit QuitAfterFirstPaint(QWidget& window) : QObject(&window)
    {
        window.installEventFilter(this);
        QTimer::singleShot(1000, qApp, &QCoreApplication::quit);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return QObject::eventFilter(watched, event);
    }
};
