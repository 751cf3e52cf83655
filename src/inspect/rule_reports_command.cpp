#include "inspect/rule_reports_command.h"

#include "inspect/rule_reports.h"
#include "level/level_layout.h"
#include "ui/modals.h"
#include "ui/runtime_dialog.h"

namespace qv2 {

void showRuleReports(EditorState &state, Services &services) {
    if (!state.levelOpen)
        return;
    const ReportListing listing =
        ListRuleReports(state.level, RuleScriptPath(state.programDir), state.texts);
    if (listing.failure) {
        services.modals.message(*listing.failure);
        return;
    }
    if (listing.lines.isEmpty()) {
        services.modals.message(state.texts.text(QStringLiteral("noerr")));
        return;
    }
    const std::optional<int> chosen =
        ChooseLine(state.texts, QStringLiteral("errors"), listing.lines, services.modals);
    if (!chosen || *chosen >= static_cast<int>(listing.reports.size()))
        return;
    const RuleReport &report = listing.reports[static_cast<std::size_t>(*chosen)];
    state.room = report.room;
    state.row = report.place / kColumns;
    state.column = report.place % kColumns;
    services.refreshRoom();
}

} // namespace qv2
