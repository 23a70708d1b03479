#include "gui/app/GuardedApplication.h"

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QTimer>

#include <stdexcept>

namespace quindaro2 {
namespace {

class Thrower : public QObject {
protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::User)
            throw std::runtime_error("処理中のエラー");
        return QObject::event(event);
    }
};

TEST(GuardedApplication, AnErrorThatEscapesAHandlerIsShownAndTheProgramGoesOn)
{
    ASSERT_NE(dynamic_cast<GuardedApplication*>(QCoreApplication::instance()), nullptr);
    QString shown;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    closer.start(10);
    Thrower thrower;
    QEvent event(QEvent::User);
    EXPECT_FALSE(QApplication::sendEvent(&thrower, &event));
    EXPECT_EQ(shown, QStringLiteral("処理中のエラー"));

    QEvent ordinary(QEvent::None);
    QApplication::sendEvent(&thrower, &ordinary);
}

} // namespace
} // namespace quindaro2
