#pragma once

#include "core/session/MainWindowPrompts.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace quindaro2 {

// A ROM opened lately and the edition it was opened as.
struct RecentFile {
    QString path;
    int edition = 0;
};

// What the editor keeps from one run to the next, in the user's settings
// (QSettings of the application): the ROMs opened lately, the folder of the
// last one, the window's place and the export dialog's choices. Values that
// cannot be right (an edition that does not exist, an empty path) are passed
// over as if they were not there.
class EditorSettings {
public:
    static constexpr int kRecentFileCount = 8;

    // Newest first, at most kRecentFileCount, each file once; none when the
    // settings claim more than that.
    QList<RecentFile> recentFiles() const;
    // Puts the file first, with the edition it was opened as.
    void addRecentFile(const QString& path, int edition);
    void removeRecentFile(const QString& path);
    // The edition a file of the recent list was opened as last.
    std::optional<int> rememberedEdition(const QString& path) const;

    QString lastFolder() const;
    void setLastFolder(const QString& folder);

    QByteArray windowGeometry() const;
    void setWindowGeometry(const QByteArray& geometry);

    std::optional<ExportChoice> exportChoice() const;
    void setExportChoice(const ExportChoice& choice);

    // Where the editor keeps the sample ROMs it makes: the program's own data folder.
    static QString samplesFolder();

private:
    void setRecentFiles(const QList<RecentFile>& files);
};

} // namespace quindaro2
