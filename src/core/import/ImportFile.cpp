#include "core/import/ImportFile.h"

#include "core/import/TextLines.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ImportFile)
};

Result<ImportFile> ReadImportFile(const QString& path, qint64 left)
{
    const auto cannotRead = [&](const QString& reason) {
        return Result<ImportFile>::Failed(Text::tr("%1 を読み込めません（%2）").arg(path, reason));
    };
    if (QFileInfo(path).isDir())
        return cannotRead(Text::tr("フォルダです"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return cannotRead(file.errorString());
    const ImportFile tooLarge{path, {}, true};
    if (!file.isSequential() && file.size() > left)
        return tooLarge;
    QByteArray bytes;
    while (bytes.size() <= left) {
        const QByteArray chunk = file.read(left + 1 - bytes.size());
        if (file.error() != QFileDevice::NoError)
            return cannotRead(file.errorString());
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    if (bytes.size() > left)
        return tooLarge;
    return ImportFile{path, bytes};
}

} // namespace

Result<std::vector<ImportFile>> ReadImportFiles(const QStringList& paths)
{
    std::vector<ImportFile> files;
    qint64 left = kLargestImportText;
    for (const QString& path : paths) {
        Result<ImportFile> file = ReadImportFile(path, left);
        if (!file)
            return Result<std::vector<ImportFile>>::Failed(file.reason());
        left -= file->bytes.size();
        files.push_back(std::move(file).value());
    }
    return files;
}

} // namespace quindaro2
