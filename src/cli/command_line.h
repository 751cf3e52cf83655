#pragma once

#include "cli/cli_command.h"

#include <cstdint>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The syntax of every qv2lev command in one table, and the one parser that reads a command's
// arguments against it: options anywhere, "--name VALUE" or "--name=VALUE", "--" before operands
// that begin with a dash, and the same usage and error wording for every command.
namespace qv2 {

struct OptionSyntax {
    std::string_view name;  // without the dashes
    std::string_view value; // what the value is called in the usage; empty for a switch
};

struct CommandSyntax {
    std::string_view name;
    std::string_view operands; // as the usage shows them; [NAME] may be left out
    std::vector<OptionSyntax> options;
    std::string_view summary;
};

// Every command, in the order the help lists them.
const std::vector<CommandSyntax> &CommandSyntaxes();
const CommandSyntax *FindCommandSyntax(std::string_view name);

// "extract ARCHIVE ID FILE", with the options in brackets.
std::string UsageOf(const CommandSyntax &syntax);

// The help of the whole program: every command's usage and what the exit statuses mean.
void PrintProgramHelp(std::ostream &out);

// "usage: qv2lev USAGE" and what the command does.
void PrintCommandHelp(const CommandSyntax &syntax, std::ostream &out);

// help [COMMAND]: the help of the whole program, or of one command.
int ShowHelp(const CommandArgs &args, std::ostream &out, std::ostream &err);

// Tells what is wrong on `err` ("qv2lev: WHY") with the usage of the whole program.
int RefuseProgramUsage(const std::string &why, std::ostream &err);

// The program's own arguments: --help, --version, or COMMAND and the arguments after it (which the
// command reads itself).
class ProgramLine {
  public:
    ProgramLine(const CommandArgs &args, std::string_view version, std::ostream &out,
                std::ostream &err);

    // The status to end with when no command is to run: help or version printed, or wrong usage.
    std::optional<int> finished() const { return m_finished; }
    const std::string &command() const { return m_command; }
    const CommandArgs &commandArgs() const { return m_commandArgs; }

  private:
    std::string m_command;
    CommandArgs m_commandArgs;
    std::optional<int> m_finished;
};

// A command's arguments read against its syntax.
//     const CommandLine line(kName, args, out, err);
//     if (line.finished()) return *line.finished();   // help printed, or wrong usage told
class CommandLine {
  public:
    CommandLine(std::string_view command, const CommandArgs &args, std::ostream &out,
                std::ostream &err);

    // The status to end with when the command should not run: its help was asked for (0) or the
    // arguments are wrong (2, told on `err`).
    std::optional<int> finished() const { return m_finished; }

    std::size_t operandCount() const { return m_operands.size(); }
    const std::string &operand(std::size_t index) const { return m_operands.at(index); }
    std::optional<std::string> option(std::string_view name) const;
    bool isSet(std::string_view name) const { return m_options.contains(std::string(name)); }

    // The second operand of a command that takes a level id (ID) there, read and checked.
    std::uint16_t levelId() const { return m_levelId; }
    // Operand `index` as a decimal number lo..hi, or nothing once told that it is not `what`.
    std::optional<int> number(std::size_t index, int lo, int hi, std::string_view what,
                              std::ostream &err) const;

    // Tells what is wrong and the command's usage on `err`; gives the status for wrong usage.
    int refuse(const std::string &why, std::ostream &err) const;

  private:
    const CommandSyntax &m_syntax;
    std::vector<std::string> m_operands;
    std::map<std::string, std::string, std::less<>> m_options; // name -> value ("" for a switch)
    std::uint16_t m_levelId = 0;
    std::optional<int> m_finished;
};

} // namespace qv2
