#pragma once

#include "support/SyntheticRom.h"

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <ostream>
#include <vector>

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

// A row of a table of tool runs. Its texts may hold the placeholders that
// CaseFiles fills in.
struct ToolCase {
    const char* name;
    std::vector<const char*> arguments;
    int code;
    bool onStdout;        // where `message` is expected
    const char* message;  // part of the text
};

void PrintTo(const ToolCase& c, std::ostream* out);

// The files a table of tool runs names: {rom} a 1993 sample, {short} a file
// of 1000 zero bytes, {missing} and {out} files that do not exist, {dir} the
// folder.
class CaseFiles {
public:
    CaseFiles();
    QString rom() const { return rom_; }
    QString fill(const char* text) const;
    QStringList arguments(const ToolCase& c) const;

private:
    test::RomFolder folder_;
    QString rom_;
};

} // namespace quindaro2
