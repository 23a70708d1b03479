#pragma once


#include <QString>
#include <QStringList>
#include <QTextStream>

namespace quindaro2::cli {

// Runs quindaro2-cli with its arguments (the program name left out): results
// go to `out`, messages to `err`. Returns the exit code.
int RunCli(const QStringList& arguments, QTextStream& out, QTextStream& err);

// The tool's usage text, and the help of one command or of the topic
// "formats" (empty for anything else).
QString UsageText();
QString CommandHelp(const QString& command);

// What main() says before and after running: an argument that is no text
// (shown with its bytes escaped), and standard output that took no output.
QString UndecodableArgumentMessage(const QString& shown);
QString StandardOutputFailure(const QString& reason);

// Keeps Qt's own debug messages and warnings (about its internals, never the
// user's files) from the user's terminal; its critical and fatal messages
// still reach standard error, after the program's name.
void QuietQtMessages();

} // namespace quindaro2::cli
