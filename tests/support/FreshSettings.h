#pragma once

#include <QSettings>

namespace quindaro2::test {

// The widget tests keep the editor's settings in a folder of their own for
// the whole run (GuiTestMain); each case that holds one of these starts and
// ends with none.
struct FreshSettings {
    FreshSettings() { QSettings().clear(); }
    ~FreshSettings() { QSettings().clear(); }
    FreshSettings(const FreshSettings&) = delete;
    FreshSettings& operator=(const FreshSettings&) = delete;
};

} // namespace quindaro2::test
