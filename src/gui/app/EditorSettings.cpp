#include "gui/app/EditorSettings.h"

#include "core/edition/Edition.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

namespace quindaro2 {

namespace {

const QString kRecentFiles = QStringLiteral("recentFiles");
const QString kPath = QStringLiteral("path");
const QString kEdition = QStringLiteral("edition");
const QString kLastFolder = QStringLiteral("lastFolder");
const QString kGeometry = QStringLiteral("window/geometry");
const QString kExportFile = QStringLiteral("export/file");
const QString kExportPerTeam = QStringLiteral("export/perTeam");

// One spelling per file, so that a file opened twice is listed once.
QString Key(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

QList<RecentFile> EditorSettings::recentFiles() const
{
    QSettings settings;
    QList<RecentFile> files;
    const int count = settings.beginReadArray(kRecentFiles);
    // The editor never writes more than the menu shows: any other count is
    // damage, and the list starts again empty.
    if (count < 0 || count > kRecentFileCount) {
        settings.endArray();
        return files;
    }
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        const RecentFile file{settings.value(kPath).toString(), settings.value(kEdition).toInt()};
        const bool listed = std::any_of(files.begin(), files.end(),
                                        [&](const RecentFile& other) { return other.path == file.path; });
        if (!file.path.isEmpty() && IsEdition(file.edition) && !listed)
            files << file;
    }
    settings.endArray();
    return files;
}

void EditorSettings::addRecentFile(const QString& path, int edition)
{
    const QString key = Key(path);
    QList<RecentFile> files = recentFiles();
    files.removeIf([&](const RecentFile& file) { return file.path == key; });
    files.prepend({key, edition});
    setRecentFiles(files.mid(0, kRecentFileCount));
}

void EditorSettings::removeRecentFile(const QString& path)
{
    const QString key = Key(path);
    QList<RecentFile> files = recentFiles();
    files.removeIf([&](const RecentFile& file) { return file.path == key; });
    setRecentFiles(files);
}

std::optional<int> EditorSettings::rememberedEdition(const QString& path) const
{
    const QString key = Key(path);
    for (const RecentFile& file : recentFiles()) {
        if (file.path == key)
            return file.edition;
    }
    return std::nullopt;
}

void EditorSettings::setRecentFiles(const QList<RecentFile>& files)
{
    QSettings settings;
    settings.remove(kRecentFiles);
    settings.beginWriteArray(kRecentFiles, static_cast<int>(files.size()));
    for (int i = 0; i < files.size(); ++i) {
        settings.setArrayIndex(i);
        settings.setValue(kPath, files[i].path);
        settings.setValue(kEdition, files[i].edition);
    }
    settings.endArray();
}

QString EditorSettings::samplesFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/samples");
}

QString EditorSettings::lastFolder() const
{
    return QSettings().value(kLastFolder).toString();
}

void EditorSettings::setLastFolder(const QString& folder)
{
    QSettings().setValue(kLastFolder, folder);
}

QByteArray EditorSettings::windowGeometry() const
{
    return QSettings().value(kGeometry).toByteArray();
}

void EditorSettings::setWindowGeometry(const QByteArray& geometry)
{
    QSettings().setValue(kGeometry, geometry);
}

std::optional<ExportChoice> EditorSettings::exportChoice() const
{
    QSettings settings;
    const QString file = settings.value(kExportFile).toString();
    if (file.isEmpty())
        return std::nullopt;
    return ExportChoice{file, settings.value(kExportPerTeam).toBool() ? ExportMode::PerTeam : ExportMode::OneFile};
}

void EditorSettings::setExportChoice(const ExportChoice& choice)
{
    QSettings settings;
    settings.setValue(kExportFile, choice.fileName);
    settings.setValue(kExportPerTeam, choice.mode == ExportMode::PerTeam);
}

} // namespace quindaro2
