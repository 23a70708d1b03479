#pragma once

#include <QCoreApplication>
#include <QStringList>

namespace quindaro2 {

// Whether the user interface speaks English: QUINDARO2_LANG=en asks for it,
// QUINDARO2_LANG=ja for Japanese; without it, English when the system's
// language is not Japanese. Japanese texts are the source texts; the game's
// own data (column headings, team codes, names, list texts) stays Japanese
// either way, and so does every exported text.
bool UseEnglish();

// Installs the English translations of the named parts ("core", "cli",
// "gui"), which the program carries as resources, when English is used.
// False when one is missing.
bool InstallTranslations(QCoreApplication& application, const QStringList& parts);

} // namespace quindaro2
