#pragma once

#include "core/rom/Result.h"
#include "core/rom/RomImage.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace quindaro2 {

// One file for all teams, or one file per team.
enum class ExportMode { OneFile, PerTeam };

struct [[nodiscard]] ExportResult {
    QStringList writtenFiles;  // complete files, in the order they were written
    QString error;             // names the file and the reason; empty on success

    bool ok() const { return error.isEmpty(); }
};

// One file of an export and its whole content.
struct ExportFile {
    QString path;
    QByteArray bytes;
};

// The files of an export of the image, nothing written yet; `romPath` names
// the ROM in messages. Fails when a record cannot be read completely.
Result<std::vector<ExportFile>> PlayerExportFiles(const RomImage& image, const QString& romPath, int edition,
                                                  const QString& chosenFileName, ExportMode mode);

// Writes the batters and pitchers of every team of the edition as
// comma-separated Shift-JIS text with CR LF line ends, read straight from the
// ROM file (never from grids), which is read once. Every record is read before any file is
// written, so a ROM that cannot be read completely leaves no file behind. In
// per-team mode every file is made apart before any replaces its old one
// (WriteWholeFiles): a file that cannot be made leaves every file as it was.
// The opened ROM is never written.
ExportResult ExportPlayerData(const QString& romPath, int edition, const QString& chosenFileName, ExportMode mode);
// The same from the image of the ROM at `romPath`, already read.
ExportResult ExportPlayerData(const RomImage& image, const QString& romPath, int edition, const QString& chosenFileName,
                              ExportMode mode);

// The headings of the kind's heading line, and the fields of a record's line,
// exactly as the export writes them (joined by commas).
QStringList ExportedHeadings(RecordKind kind, int edition);
QStringList ExportedFields(RecordKind kind, int edition, const Record& record);

// The team's code as the export texts show it: "G " becomes "G", "Bu" stays.
QString TeamLabel(int edition, int team);
// The teams of the edition's list that have the label, in list order.
std::vector<int> TeamsLabelled(int edition, const QString& label);

// The line that opens a team's tables ("Gチーム"), without its line end, and
// the label such a line gives; nothing for any other text.
QString TeamLine(int edition, int team);
std::optional<QString> LabelOfTeamLine(const QString& text);

// The per-team file: the chosen path without its file name's extension, "_",
// the team label, then the extension with its dot. A label that an earlier
// team of the list already has gets its occurrence number ("C2"), so that no
// team's file replaces another's.
QString TeamFileName(const QString& chosen, int edition, int team);

} // namespace quindaro2
