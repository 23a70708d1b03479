#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <QProcess>

namespace quindaro2 {

Outcome RunTool(const QStringList& arguments)
{
    QProcess process;
    process.start(QString::fromUtf8(QUINDARO2_CLI), arguments);
    Outcome outcome;
    if (!process.waitForFinished(120000)) {
        ADD_FAILURE() << "quindaro2-cli did not finish";
        process.kill();
        process.waitForFinished();
        return outcome;
    }
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    outcome.code = process.exitCode();
    outcome.out = QString::fromUtf8(process.readAllStandardOutput());
    outcome.err = QString::fromUtf8(process.readAllStandardError());
    return outcome;
}

} // namespace quindaro2
