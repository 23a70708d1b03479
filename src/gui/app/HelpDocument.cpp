#include "gui/app/HelpDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace quindaro2 {

QString HelpDocument()
{
    const QDir programs(QCoreApplication::applicationDirPath());
    for (const QString& place : {QStringLiteral("../share/doc/quindaro2/README.md"), QStringLiteral("../../README.md")}) {
        const QFileInfo manual(programs.filePath(place));
        if (manual.isFile())
            return manual.canonicalFilePath();
    }
    return {};
}

} // namespace quindaro2
