#pragma once

#include "core/rom/EditionLayout.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace quindaro2::cli {

struct OptionSpec {
    QString name;  // with its leading "--"
    bool takesValue = false;
};

// The arguments of one command: long options ("--name value" or
// "--name=value"), flags, and the positional arguments in order. A lone "-"
// prefix is no option, so negative numbers stay positional; "--" ends the
// options.
struct [[nodiscard]] CommandLine {
    QMap<QString, QString> values;
    QStringList flags;
    QStringList positionals;
    bool help = false;
    QString error;

    bool has(const QString& name) const { return values.contains(name) || flags.contains(name); }
};

CommandLine ParseCommandLine(const QStringList& arguments, const std::vector<OptionSpec>& options);

// 86 to 94 or 1986 to 1994, as the year; none for anything else.
std::optional<int> ParseEdition(const QString& text);

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

} // namespace quindaro2::cli
