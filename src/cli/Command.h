#pragma once

#include "cli/CommandLine.h"
#include "cli/Io.h"
#include "core/rom/RomImage.h"
#include "core/roster/TeamView.h"

#include <QCommandLineOption>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace quindaro2::cli {

// One verb of the tool. The list of them gives the dispatch, the usage text
// and each command's help.
class Command {
public:
    virtual ~Command() = default;

    virtual QString name() const = 0;
    // One line for the list of commands in the usage text.
    virtual QString summary() const = 0;
    // The whole help of the command, its synopsis first.
    virtual QString help() const = 0;
    virtual std::vector<QCommandLineOption> options() const = 0;
    // Runs with arguments that parsed without error and asked for no help.
    virtual int run(const Arguments& arguments, Io& io) const = 0;
};

// Every command of the tool, in the order the usage text lists them.
const std::vector<std::unique_ptr<Command>>& Commands();
const Command* FindCommand(const QString& name);

std::unique_ptr<Command> MakeExportCommand();
std::unique_ptr<Command> MakeShowCommand();
std::unique_ptr<Command> MakeSetCommand();
std::unique_ptr<Command> MakeDemoCommand();
std::unique_ptr<Command> MakePatchCommand();
std::unique_ptr<Command> MakeDetectCommand();
std::unique_ptr<Command> MakeImportCommand();
std::unique_ptr<Command> MakeLeagueCommand();
std::unique_ptr<Command> MakeDiffCommand();

// What the commands share: the edition and team options, their help lines,
// and reading them.
QCommandLineOption EditionOption();
QCommandLineOption TeamOption();
QString EditionHelp();
QString TeamHelp();

// The edition of --edition; none after the usage error has been reported.
std::optional<int> RequireEdition(const QString& command, const Arguments& arguments, Io& io);
// --edition of a command that reads a ROM: a year, or "auto" to detect the
// edition from the ROM once it is read. Such a command checks the choice
// before reading, then resolves it on the image it read.
struct EditionChoice {
    std::optional<int> year;  // none for "auto"
};
QString EditionOrAutoHelp();
// The choice of --edition; none after the usage error has been reported.
std::optional<EditionChoice> RequireEditionChoice(const QString& command, const Arguments& arguments, Io& io);
// The edition of the choice for the image: the year given, or the detected
// one, which is told on standard error. None when no edition is clearly the
// one, after the refusal and the ranking have been reported (exit kExitUsage).
std::optional<int> ResolveEdition(const EditionChoice& choice, const RomImage& image, Io& io);

// The team of --team; none after the usage error has been reported.
std::optional<int> RequireTeam(const QString& command, const Arguments& arguments, int edition, Io& io);
// Checks --team before the ROM is read, as far as the edition choice allows:
// that it is given, and its value when the edition is. False after the usage
// error has been reported.
bool CheckTeamChoice(const QString& command, const Arguments& arguments, const EditionChoice& choice, Io& io);

// Tells the warnings and read problems of a team's view of the ROM on
// standard error, as the editor shows them after choosing the team. False
// when the team could not be read completely.
bool ReportFill(Io& io, const TeamView& view, const QString& rom);

} // namespace quindaro2::cli
