#include "cli/check_command.h"

#include "cli/command_line.h"
#include "cli/command_setup.h"
#include "inspect/rule_reports.h"
#include "ui/message_texts.h"
#include "ui/text_catalogue.h"

#include <ostream>

namespace qv2 {

namespace {

constexpr int kExitReports = 1;

} // namespace

int CheckLevel(const CommandArgs &args, std::ostream &out, std::ostream &err) {
    const CommandLine line("check", args, out, err);
    if (line.finished())
        return *line.finished();
    const std::uint16_t id = line.levelId();
    LevelStore level;
    if (!OpenLevelForCommand(line.operand(0), id, level, err))
        return kExitFailed;

    const auto application = EnsureApplication(/*forDrawing=*/false);
    const QString programDir = ProgramFolder(line.option("program-dir"));
    MessageTexts texts;
    ApplyLanguageFile(ProgramLanguage(programDir), {}, texts);
    const auto rules = line.option("rules");
    const QString script = rules ? QString::fromStdString(*rules) : RuleScriptPath(programDir);
    const ReportListing listing = ListRuleReports(level, script, texts);
    if (listing.failure) {
        err << "qv2lev: " << listing.failure->toStdString() << '\n';
        return kExitFailed;
    }
    for (const QString &line : listing.lines)
        out << line.toStdString() << '\n';
    return listing.lines.isEmpty() ? kExitDone : kExitReports;
}

} // namespace qv2
