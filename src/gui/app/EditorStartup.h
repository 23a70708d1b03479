#pragma once

#include <functional>

namespace quindaro2 {

class TMainForm;

// The editor from its command line to the end of its event loop: the
// settings, the fonts, the toolkit's Japanese texts, the window, and the ROM
// the command line names. `started` runs once the window shows and that ROM
// is open; the program's own start passes none.
int RunEditor(int argc, char* argv[], const std::function<void(TMainForm&)>& started = {});

} // namespace quindaro2
