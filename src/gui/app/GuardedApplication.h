#pragma once

#include <QApplication>

namespace quindaro2 {

// An application whose event handlers may throw: the error is shown in a
// message box and the program goes on.
class GuardedApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace quindaro2
