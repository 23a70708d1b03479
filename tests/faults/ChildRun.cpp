#include "ChildRun.h"

#include "support/SyntheticRom.h"

#include <QDir>
#include <QProcess>

namespace quindaro2::test {

ChildEnd RunChild(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    ChildEnd end;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        end.err = QStringLiteral("the child did not finish");
        end.killed = true;
        return end;
    }
    end.killed = process.exitStatus() == QProcess::CrashExit;
    end.code = process.exitCode();
    end.err = QString::fromUtf8(process.readAllStandardError());
    return end;
}

QProcessEnvironment FaultEnvironment(const QString& log)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUINDARO2_LANG"), QStringLiteral("ja"));
    environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(QUINDARO2_FAULTS));
    environment.insert(QStringLiteral("QUINDARO2_FAULT_LOG"), log);
    // A sanitizer build's runtime would refuse to come after the preloaded library.
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0:verify_asan_link_order=0"));
    return environment;
}

FolderBytes Snapshot(const QString& folder)
{
    FolderBytes files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        files.insert(name, ReadFile(dir.filePath(name)));
    return files;
}

} // namespace quindaro2::test
