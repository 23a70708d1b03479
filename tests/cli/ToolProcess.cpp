#include "ToolProcess.h"

#include "core/sample/DemoRom.h"

#include <gtest/gtest.h>

#include <QProcess>

namespace quindaro2 {

namespace {

Outcome Finish(QProcess& process)
{
    Outcome outcome;
    if (!process.waitForFinished(120000)) {
        ADD_FAILURE() << "the process did not finish";
        process.kill();
        process.waitForFinished();
        return outcome;
    }
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    outcome.code = process.exitCode();
    outcome.rawOut = process.readAllStandardOutput();
    outcome.out = QString::fromUtf8(outcome.rawOut);
    outcome.err = QString::fromUtf8(process.readAllStandardError());
    return outcome;
}

} // namespace

QProcessEnvironment ToolEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUINDARO2_LANG"), QStringLiteral("ja"));
    return environment;
}

QString ToolPath()
{
    return QString::fromUtf8(QUINDARO2_CLI);
}

Outcome RunTool(const QStringList& arguments, const ToolRun& run)
{
    QProcess process;
    process.setProcessEnvironment(run.environment);
    if (!run.standardOutputFile.isEmpty())
        process.setStandardOutputFile(run.standardOutputFile);
    process.start(ToolPath(), arguments);
    return Finish(process);
}

Outcome RunShell(const QString& script, const QStringList& arguments)
{
    QProcess process;
    process.setProcessEnvironment(ToolEnvironment());
    process.start(QStringLiteral("/bin/sh"), QStringList{QStringLiteral("-c"), script, ToolPath()} + arguments);
    return Finish(process);
}

void PrintTo(const ToolCase& c, std::ostream* out)
{
    *out << c.name;
}

CaseFiles::CaseFiles() : rom_(folder_.write(QStringLiteral("rom.nes"), DemoRomImage(1993)))
{
    folder_.write(QStringLiteral("short.nes"), QByteArray(1000, '\0'));
}

QString CaseFiles::fill(const char* text) const
{
    return QString::fromUtf8(text)
        .replace(QStringLiteral("{rom}"), rom_)
        .replace(QStringLiteral("{missing}"), folder_.path(QStringLiteral("missing.nes")))
        .replace(QStringLiteral("{short}"), folder_.path(QStringLiteral("short.nes")))
        .replace(QStringLiteral("{out}"), folder_.path(QStringLiteral("out.nes")))
        .replace(QStringLiteral("{dir}"), folder_.path(QString()));
}

QStringList CaseFiles::arguments(const ToolCase& c) const
{
    QStringList arguments;
    for (const char* argument : c.arguments)
        arguments << fill(argument);
    return arguments;
}

} // namespace quindaro2
