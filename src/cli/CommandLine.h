#pragma once

#include "core/edition/EditionLayout.h"

#include <QCommandLineOption>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace quindaro2::cli {

// The arguments of one command, read by QCommandLineParser: long options
// ("--name value" or "--name=value"), flags, and the positional arguments in
// order. "-h" and "--help" ask for the command's help; "--" ends the options.
// A negative number ("-5") is a value, never an option, and a lone "-" is a
// positional argument.
class Arguments {
public:
    static Arguments Parse(const QStringList& arguments, const std::vector<QCommandLineOption>& options);

    bool help() const { return help_; }
    // Why the arguments cannot be read; empty when they can.
    const QString& error() const { return error_; }
    bool isSet(const QString& name) const { return values_.contains(name) || flags_.contains(name); }
    QString value(const QString& name) const { return values_.value(name); }
    const QStringList& positionals() const { return positionals_; }

private:
    bool help_ = false;
    QString error_;
    QMap<QString, QString> values_;
    QStringList flags_;
    QStringList positionals_;
};

// A team given by its 0-based index or by a code that is unique in the
// edition, with or without the trailing blank of a one-letter code.
struct [[nodiscard]] TeamChoice {
    int team = -1;
    QString error;
};
TeamChoice ParseTeam(int edition, const QString& text);

// A non-negative whole number written with digits only.
std::optional<int> ParseIndex(const QString& text);

// The grid named "batter", "pitcher" or "manager"; none for anything else.
std::optional<RecordKind> ParseGrid(const QString& name);
// The grid's name as ParseGrid reads it.
QString GridWord(RecordKind grid);

} // namespace quindaro2::cli
