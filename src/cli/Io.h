#pragma once

#include <QByteArray>
#include <QString>
#include <QTextStream>

namespace quindaro2::cli {

enum ExitCode {
    kExitOk = 0,
    kExitFileError = 1,  // a file could not be read or written
    kExitUsage = 2,      // a usage error or refused input
    kExitDiffers = 3,    // diff: the two leagues differ
};

// Where the tool's results and messages go. Every line is made safe for a
// terminal first: control characters from file names and arguments show as
// \xNN instead of acting on the terminal.
class Io {
public:
    Io(QTextStream& out, QTextStream& err) : out_(out), err_(err) {}

    // One line of data on standard output: what a command shows (a team, a
    // detection, the changes of a dry run). What a command did, and every
    // other message, goes to standard error, so that an output that is
    // standard output holds nothing else.
    void print(const QString& line);
    // A text of the tool's own, such as its help, as it is.
    void printText(const QString& text);
    // One line of messages on standard error, after the program's name.
    void complain(const QString& line);
    // A line on standard error without the program's name: what was done,
    // or a detail of a message.
    void note(const QString& line);
    // Raw bytes on standard output, such as an export to "-"; false when they
    // cannot be written.
    bool writeOutput(const QByteArray& bytes);

    // Prints the message and returns the exit code it belongs to.
    int fileError(const QString& message);
    int refused(const QString& message);
    int usageError(const QString& command, const QString& message);

private:
    QTextStream& out_;
    QTextStream& err_;
};

// The text with every control character (C0, DEL, C1) shown as \xNN.
QString TerminalSafe(const QString& text);

} // namespace quindaro2::cli
