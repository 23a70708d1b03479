#include "core/sample/SampleFolder.h"

#include "core/edition/Edition.h"
#include "core/sample/DemoRom.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(SampleFolder)
};

// A few tries are enough: the names differ by the second and a counter.
constexpr int kNamesTried = 100;

QString SampleName(int edition, const QDateTime& now, int counter)
{
    const QString base = QStringLiteral("サンプル%1年版 %2").arg(edition).arg(now.toString(QStringLiteral("yyyy-MM-dd HHmmss")));
    return counter == 0 ? base + QStringLiteral(".nes") : QStringLiteral("%1 (%2).nes").arg(base).arg(counter + 1);
}

} // namespace

bool IsSampleName(const QString& fileName)
{
    static const QRegularExpression pattern(
        QStringLiteral("^サンプル\\d{4}年版 \\d{4}-\\d{2}-\\d{2} \\d{6}( \\(\\d+\\))?\\.nes$"));
    return pattern.match(fileName).hasMatch();
}

Result<QString> CreateSample(const QString& folder, int edition, const QDateTime& now)
{
    if (!IsEdition(edition))
        return Result<QString>::Failed(NotAnEdition(edition));
    if (!QDir().mkpath(folder))
        return Result<QString>::Failed(Text::tr("サンプルのフォルダ %1 を作れません").arg(folder));
    for (int counter = 0; counter < kNamesTried; ++counter) {
        const QString path = QDir(folder).filePath(SampleName(edition, now, counter));
        if (QFileInfo::exists(path))
            continue;
        const Status written = WriteDemoRom(path, edition);
        if (written)
            return path;
        // Another program took the name between the look and the write.
        if (QFileInfo::exists(path))
            continue;
        return Result<QString>::Failed(written.reason());
    }
    return Result<QString>::Failed(Text::tr("%1 に新しいサンプルの名前を付けられません").arg(folder));
}

int RemoveOldSamples(const QString& folder, const QDateTime& now, int days)
{
    int removed = 0;
    const QDateTime limit = now.addDays(-days);
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files)) {
        if (IsSampleName(file.fileName()) && file.lastModified() < limit && QFile::remove(file.absoluteFilePath()))
            ++removed;
    }
    return removed;
}

} // namespace quindaro2
