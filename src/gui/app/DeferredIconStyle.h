#pragma once

#include <QProxyStyle>

namespace quindaro2 {

// The toolkit's own style, but for the arrow of the menu bar's extension
// button, which every menu bar asks for when it is made: read from an image
// file at once, it makes the toolkit load each image-format plugin before
// the window's first paint. This one is the same arrow, read when it is
// first drawn, which a menu bar wide enough for its menus never is.
class DeferredIconStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace quindaro2
