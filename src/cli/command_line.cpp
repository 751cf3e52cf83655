#include "cli/command_line.h"

#include <QCommandLineParser>
#include <QStringList>

#include <algorithm>
#include <charconv>
#include <ostream>

namespace qv2 {

namespace {

const OptionSyntax kProgramDir = {"program-dir", "DIR"};

// Arguments are bytes, not text: Latin-1 carries each byte as one character and back, so a file
// name in any encoding reaches the command unchanged.
QString FromBytes(const std::string &bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string ToBytes(const QString &text) {
    return text.toLatin1().toStdString();
}

// The parser's message as a sentence of ours: "Unknown option 'x'." -> "unknown option 'x'".
std::string ParserError(const QString &error) {
    std::string why = ToBytes(error);
    if (!why.empty() && why.back() == '.')
        why.pop_back();
    if (!why.empty() && why.front() >= 'A' && why.front() <= 'Z')
        why.front() = static_cast<char>(why.front() - 'A' + 'a');
    return why;
}

const QCommandLineOption kHelpOption({QStringLiteral("h"), QStringLiteral("help")},
                                     QStringLiteral("help"));

} // namespace

const std::vector<CommandSyntax> &CommandSyntaxes() {
    static const std::vector<CommandSyntax> syntaxes = {
        {"list",
         "ARCHIVE",
         {},
         "One line per level of the archive: ID OFFSET SIZE ok|bad|damaged (bad: the checksum "
         "byte does not match; damaged: the level lies outside the archive or on its tables)."},
        {"extract",
         "ARCHIVE ID FILE",
         {},
         "Writes the bytes of level ID, without the checksum byte, into FILE (- for standard "
         "output)."},
        {"insert",
         "ARCHIVE ID FILE",
         {},
         "Saves the bytes of FILE (- for standard input) into slot ID as the editor's Save "
         "does."},
        {"render",
         "ARCHIVE ID ROOM FILE.png",
         {kProgramDir},
         "Draws room ROOM (1..32) of level ID as the editor shows it."},
        {"check",
         "ARCHIVE [ID]",
         {{"all", ""}, kProgramDir, {"rules", "FILE"}},
         "Checks level ID, or with --all every level of the archive, against the rule script and "
         "prints what it found (with --all each line begins with the level id); exit status 1 "
         "when something was found."},
        {"overview",
         "ARCHIVE ID FILE.png",
         {kProgramDir},
         "Draws the whole-level map of level ID."},
        {"dump",
         "ARCHIVE ID",
         {{"json", ""}, kProgramDir},
         "Prints level ID as \"path = value\" lines, or as JSON, with tile kinds named from the "
         "language file."},
        {"undump",
         "ARCHIVE ID FILE.json",
         {kProgramDir},
         "Saves the level that FILE.json describes (as dump --json writes it) into slot ID as the "
         "editor's Save does; a faulty file leaves the archive unchanged."},
        {"help", "[COMMAND]", {}, "Prints the usage of every command, or of one."},
    };
    return syntaxes;
}

const CommandSyntax *FindCommandSyntax(std::string_view name) {
    const auto &syntaxes = CommandSyntaxes();
    const auto found =
        std::find_if(syntaxes.begin(), syntaxes.end(),
                     [&](const CommandSyntax &syntax) { return syntax.name == name; });
    return found == syntaxes.end() ? nullptr : &*found;
}

std::string UsageOf(const CommandSyntax &syntax) {
    std::string usage = std::string(syntax.name) + ' ' + std::string(syntax.operands);
    for (const OptionSyntax &option : syntax.options) {
        usage += " [--" + std::string(option.name);
        if (!option.value.empty())
            usage += ' ' + std::string(option.value);
        usage += ']';
    }
    return usage;
}

void PrintProgramHelp(std::ostream &out) {
    out << "usage: qv2lev COMMAND ARGUMENTS...\n"
           "       qv2lev help [COMMAND] | --help | --version\n\n"
           "commands:\n";
    for (const CommandSyntax &syntax : CommandSyntaxes())
        out << "  qv2lev " << UsageOf(syntax) << '\n';
    out << "\nDIR is the program folder with texts/ and images/ (default: the folder of qv2lev).\n"
           "Options may come anywhere, as --name VALUE or --name=VALUE; after -- every argument\n"
           "is an operand.\n\n"
           "exit status:\n"
           "  0  done; check: nothing found\n"
           "  1  the archive has no level table or no such level; check: something found\n"
           "  2  wrong usage, or a file that cannot be read, written or is damaged, or output\n"
           "     that cannot be written; check: also a level that does not open or a rule\n"
           "     script that cannot be read or is invalid\n";
}

void PrintCommandHelp(const CommandSyntax &syntax, std::ostream &out) {
    out << "usage: qv2lev " << UsageOf(syntax) << "\n\n" << syntax.summary << '\n';
}

int ShowHelp(const CommandArgs &args, std::ostream &out, std::ostream &err) {
    const CommandLine line("help", args, out, err);
    if (line.finished())
        return *line.finished();
    if (line.operandCount() == 0) {
        PrintProgramHelp(out);
        return kExitDone;
    }
    const CommandSyntax *syntax = FindCommandSyntax(line.operand(0));
    if (!syntax)
        return line.refuse("unknown command \"" + line.operand(0) + "\"", err);
    PrintCommandHelp(*syntax, out);
    return kExitDone;
}

int RefuseProgramUsage(const std::string &why, std::ostream &err) {
    err << "qv2lev: " << why << '\n';
    PrintProgramHelp(err);
    return kExitFailed;
}

std::optional<int> ParseDecimal(const std::string &text, int lo, int hi) {
    const bool digitsOnly = !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return c >= '0' && c <= '9';
    });
    int value = 0;
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (!digitsOnly || error != std::errc() || stop != end || value < lo || value > hi)
        return std::nullopt;
    return value;
}

ProgramLine::ProgramLine(const CommandArgs &args, std::string_view version, std::ostream &out,
                         std::ostream &err) {
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")},
                                           QStringLiteral("version"));
    parser.addOption(kHelpOption);
    parser.addOption(versionOption);
    QStringList list{QStringLiteral("qv2lev")};
    for (const std::string &arg : args)
        list.append(FromBytes(arg));
    if (!parser.parse(list)) {
        m_finished = RefuseProgramUsage(ParserError(parser.errorText()), err);
    } else if (parser.isSet(versionOption)) {
        out << "qv2lev " << version << '\n';
        m_finished = kExitDone;
    } else if (parser.isSet(kHelpOption)) {
        PrintProgramHelp(out);
        m_finished = kExitDone;
    } else if (parser.positionalArguments().isEmpty()) {
        m_finished = RefuseProgramUsage("no command given", err);
    } else {
        m_command = ToBytes(parser.positionalArguments().front());
        for (const QString &arg : parser.positionalArguments().mid(1))
            m_commandArgs.push_back(ToBytes(arg));
        if (!FindCommandSyntax(m_command))
            m_finished = RefuseProgramUsage("unknown command \"" + m_command + "\"", err);
    }
}

CommandLine::CommandLine(std::string_view command, const CommandArgs &args, std::ostream &out,
                         std::ostream &err)
    : m_syntax(*FindCommandSyntax(command)) {
    QCommandLineParser parser;
    parser.addOption(kHelpOption);
    for (const OptionSyntax &option : m_syntax.options) {
        const QString name = FromBytes(std::string(option.name));
        parser.addOption(
            option.value.empty()
                ? QCommandLineOption(name, name)
                : QCommandLineOption(name, name, FromBytes(std::string(option.value))));
    }
    QStringList list{QStringLiteral("qv2lev")};
    for (const std::string &arg : args)
        list.append(FromBytes(arg));
    if (!parser.parse(list)) {
        m_finished = refuse(ParserError(parser.errorText()), err);
        return;
    }
    if (parser.isSet(kHelpOption)) {
        PrintCommandHelp(m_syntax, out);
        m_finished = kExitDone;
        return;
    }
    for (const OptionSyntax &option : m_syntax.options) {
        const QString name = FromBytes(std::string(option.name));
        if (parser.optionNames().count(name) > 1) {
            m_finished = refuse("option --" + std::string(option.name) + " given twice", err);
            return;
        }
        if (parser.isSet(name))
            m_options.emplace(option.name, ToBytes(parser.value(name)));
    }
    for (const QString &operand : parser.positionalArguments())
        m_operands.push_back(ToBytes(operand));
    // Operands in brackets may be left out; the second one named ID is a level id.
    const QStringList names = FromBytes(std::string(m_syntax.operands)).split(QLatin1Char(' '));
    const auto needed = static_cast<std::size_t>(std::count_if(
        names.begin(), names.end(), [](const QString &name) { return !name.startsWith('['); }));
    if (m_operands.size() < needed || m_operands.size() > std::size_t(names.size())) {
        m_finished =
            refuse(m_operands.size() < needed ? "too few arguments" : "too many arguments", err);
    } else if (m_operands.size() > 1 && names[1].contains(QStringLiteral("ID"))) {
        const std::optional<int> id = number(1, 0, 0xFFFF, "level id", err);
        if (id)
            m_levelId = static_cast<std::uint16_t>(*id);
        else
            m_finished = kExitFailed;
    }
}

std::optional<std::string> CommandLine::option(std::string_view name) const {
    const auto found = m_options.find(name);
    if (found == m_options.end())
        return std::nullopt;
    return found->second;
}

std::optional<int> CommandLine::number(std::size_t index, int lo, int hi, std::string_view what,
                                       std::ostream &err) const {
    const std::optional<int> value = ParseDecimal(operand(index), lo, hi);
    if (!value)
        refuse("\"" + operand(index) + "\" is not a " + std::string(what) + " (a number from " +
                   std::to_string(lo) + " to " + std::to_string(hi) + ")",
               err);
    return value;
}

int CommandLine::refuse(const std::string &why, std::ostream &err) const {
    err << "qv2lev: " << why << "\nusage: qv2lev " << UsageOf(m_syntax) << '\n';
    return kExitFailed;
}

} // namespace qv2
