#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace quindaro2 {

// What the editor's command line asks: quindaro2 [ROM] [--edition E].
struct EditorStart {
    QString rom;                 // absolute; empty to start without a ROM
    std::optional<int> edition;  // none: the edition dialog asks
    bool help = false;
    QString error;               // why the command line cannot be followed; empty when it can
};

// `arguments` as the program got them, its own name first.
EditorStart ParseEditorCommandLine(const QStringList& arguments);

// The usage, shown with a command line that cannot be followed.
QString EditorUsage();
// The help of --help: the usage, what the editor is, the files it keeps
// and the environment it reads, under headings the manual page takes.
QString EditorHelp();

} // namespace quindaro2
