#pragma once

#include "fuzz_check.h"
#include "inspect/reachable_rooms.h"
#include "inspect/rule_engine.h"

#include <algorithm>
#include <string_view>
#include <tuple>

namespace qv2 {

// What every run of the rule script keeps to, whatever the script and the level: it ends, gives
// the same result twice, at most 64 reports and the limit flag only with the 64th, no reports
// beside a fault, and reports of reachable tiles in room, place order whose keys are script bytes.
inline RuleScriptRun CheckRuleRun(const LevelStore &level, const Bytes &script) {
    const RuleScriptRun run = RunRuleScript(level, script);
    FUZZ_CHECK(run.reports.size() <= kMaxRuleReports);
    FUZZ_CHECK(run.limitReached == (run.reports.size() == kMaxRuleReports));
    FUZZ_CHECK(run.fault == ScriptFault::None || run.reports.empty());

    const std::vector<int> reachable = ReachableRooms(level);
    const std::string_view bytes(reinterpret_cast<const char *>(script.data()), script.size());
    for (std::size_t i = 0; i < run.reports.size(); ++i) {
        const RuleReport &report = run.reports[i];
        FUZZ_CHECK(std::binary_search(reachable.begin(), reachable.end(), report.room));
        FUZZ_CHECK(report.place >= 0 && report.place < 30);
        if (i > 0) {
            const RuleReport &before = run.reports[i - 1];
            FUZZ_CHECK(std::tie(before.room, before.place) <= std::tie(report.room, report.place));
        }
        FUZZ_CHECK(report.messageKey.text().find(' ') == std::string::npos);
        FUZZ_CHECK(bytes.find(report.messageKey.text()) != std::string_view::npos);
    }

    const RuleScriptRun again = RunRuleScript(level, script);
    FUZZ_CHECK(again.reports == run.reports && again.fault == run.fault &&
               again.faultValue == run.faultValue && again.limitReached == run.limitReached);
    return run;
}

} // namespace qv2
