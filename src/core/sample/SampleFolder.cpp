#include "core/sample/SampleFolder.h"

#include "core/edition/Edition.h"
#include "core/sample/DemoRom.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
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

const QRegularExpression& SamplePattern()
{
    // Anchored to the whole name: "$" would also let a final line end through.
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(
        QStringLiteral("サンプル(\\d{4})年版 \\d{4}-\\d{2}-\\d{2} \\d{6}( \\(\\d+\\))?\\.nes")));
    return pattern;
}

// A sample the user saved into is the user's work, however old: only one
// whose bytes are still those it was made with may go.
bool IsUntouchedSample(const QFileInfo& file)
{
    const QRegularExpressionMatch match = SamplePattern().match(file.fileName());
    const int edition = match.captured(1).toInt();
    if (!match.hasMatch() || !IsEdition(edition) || file.size() != kDemoRomSize)
        return false;
    QFile sample(file.absoluteFilePath());
    return sample.open(QIODevice::ReadOnly) && sample.readAll() == DemoRomImage(edition);
}

} // namespace

bool IsSampleName(const QString& fileName)
{
    return SamplePattern().match(fileName).hasMatch();
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
    // Never through a link: a folder that is one leads to files of another folder.
    if (QFileInfo(folder).isSymLink())
        return removed;
    const QDateTime limit = now.addDays(-days);
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files | QDir::NoSymLinks)) {
        if (file.lastModified() < limit && IsUntouchedSample(file) && QFile::remove(file.absoluteFilePath()))
            ++removed;
    }
    return removed;
}

} // namespace quindaro2
