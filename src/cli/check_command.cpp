#include "cli/check_command.h"

#include "cli/archive_commands.h"
#include "cli/command_line.h"
#include "cli/command_setup.h"
#include "inspect/rule_reports.h"
#include "text/message_texts.h"
#include "text/text_catalogue.h"

#include <ostream>
#include <vector>

namespace qv2 {

namespace {

constexpr int kExitReports = 1;

// The levels to check: level ID, or with --all every level of the table. Status 1
// tells that something was found, so an archive without the level or its table is a failure here.
int LevelsToCheck(const CommandLine &line, std::vector<ListedLevel> &levels, std::ostream &err) {
    const std::string &archive = line.operand(0);
    if (!line.isSet("all")) {
        ListedLevel &one = levels.emplace_back();
        return OpenLevelForCommand(archive, line.levelId(), one.level, err) == kExitDone
                   ? kExitDone
                   : kExitFailed;
    }
    bool damaged = false;
    if (ReadEveryLevel(archive, levels, damaged, err) != kExitDone)
        return kExitFailed;
    for (const ListedLevel &listed : levels) {
        damaged = damaged || listed.read == ReadStatus::Damaged;
        if (listed.read == ReadStatus::ChecksumBad)
            ReportArchiveOutcome({ArchiveOutcome::ChecksumBad, {}}, archive, listed.entry.id, err);
    }
    if (damaged)
        return ReportArchiveOutcome({ArchiveOutcome::Damaged, {}}, archive, 0, err);
    return kExitDone;
}

} // namespace

int CheckLevel(const CommandArgs &args, std::ostream &out, std::ostream &err) {
    const CommandLine line("check", args, out, err);
    if (line.finished())
        return *line.finished();
    const bool all = line.isSet("all");
    if (all == (line.operandCount() == 2))
        return line.refuse(all ? "--all and ID together" : "give ID or --all", err);
    std::vector<ListedLevel> levels;
    if (LevelsToCheck(line, levels, err) != kExitDone)
        return kExitFailed;

    const auto application = EnsureApplication();
    const QString programDir = ProgramFolder(line.option("program-dir"));
    MessageTexts texts;
    ApplyLanguageFile(ProgramLanguage(programDir), {}, texts);
    const auto rules = line.option("rules");
    const QString script = rules ? QString::fromStdString(*rules) : RuleScriptPath(programDir);
    bool found = false;
    for (const ListedLevel &listed : levels) {
        const ReportListing listing = ListRuleReports(listed.level, script, texts);
        if (listing.failure) {
            err << "qv2lev: " << listing.failure->toStdString() << '\n';
            return kExitFailed;
        }
        for (const QString &report : listing.lines)
            out << (all ? std::to_string(listed.entry.id) + ": " : "") << report.toStdString()
                << '\n';
        found = found || !listing.lines.isEmpty();
    }
    return found ? kExitReports : kExitDone;
}

} // namespace qv2
