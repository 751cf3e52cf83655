#include "cli/check_command.h"

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
    const auto split = SplitOptions(args, {"--program-dir", "--rules"});
    const std::optional<std::uint16_t> id = LevelIdArgument(split, 2);
    if (!id) {
        err << "usage: qv2lev check ARCHIVE ID [--program-dir DIR] [--rules FILE]\n"
               "  (ID 0..65535)\n";
        return kExitFailed;
    }
    LevelStore level;
    if (!OpenLevelForCommand(split->positional[0], *id, level, err))
        return kExitFailed;

    const auto application = EnsureApplication(/*forDrawing=*/false);
    const QString programDir = ProgramFolder(split->option("--program-dir"));
    MessageTexts texts;
    ApplyLanguageFile(ProgramLanguage(programDir), {}, texts);
    const auto rules = split->option("--rules");
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
