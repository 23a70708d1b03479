#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace quindaro2 {

struct Outcome {
    int code = -1;
    QString out;
    QString err;
    QByteArray rawOut;  // standard output as bytes, e.g. an export to "-"
};

// The tool as the tests run it: in its source language, Japanese, whatever
// the machine's.
QProcessEnvironment ToolEnvironment();

// How the tool is run beyond its arguments.
struct ToolRun {
    QProcessEnvironment environment = ToolEnvironment();
    QString standardOutputFile;  // instead of a pipe, e.g. /dev/full
};

// Runs the real quindaro2-cli and collects what it prints.
Outcome RunTool(const QStringList& arguments, const ToolRun& run = {});

// Runs a shell command line with the tool's path as $0 and `arguments` as $1...,
// for what only a shell can set up: redirections, names that are not UTF-8.
Outcome RunShell(const QString& script, const QStringList& arguments = {});

// The tool's path.
QString ToolPath();

} // namespace quindaro2
