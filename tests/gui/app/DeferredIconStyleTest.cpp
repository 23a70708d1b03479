#include "gui/app/DeferredIconStyle.h"

#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QMenuBar>

#include <gtest/gtest.h>

namespace quindaro2 {
namespace {

bool ImagePluginsLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

// A menu bar made with the editor's style loads no image-format plugin; its
// extension arrow is the toolkit's own once it is drawn, and every other
// icon is the toolkit's at once.
TEST(DeferredIconStyleTest, TheMenuBarsArrowIsReadWhenFirstDrawn)
{
    auto* style = new DeferredIconStyle;
    QApplication::setStyle(style);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("ファイル"));
    EXPECT_FALSE(ImagePluginsLoaded());

    const QIcon arrow = style->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    const QImage drawn = arrow.pixmap(16, 16).toImage();
    const QImage own = style->baseStyle()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).pixmap(16, 16).toImage();
    ASSERT_FALSE(own.isNull());
    EXPECT_EQ(drawn, own);
    const QImage other = style->standardIcon(QStyle::SP_ArrowUp).pixmap(16, 16).toImage();
    EXPECT_EQ(other, style->baseStyle()->standardIcon(QStyle::SP_ArrowUp).pixmap(16, 16).toImage());
}

} // namespace
} // namespace quindaro2
