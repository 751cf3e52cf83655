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
inline RuleCheck CheckRuleRun(const LevelStore &level, const Bytes &script)
{
    const RuleCheck check = RunRuleScript(level, script);
    FUZZ_CHECK(check.reports.size() <= kMaxRuleReports);
    FUZZ_CHECK(check.limitReached == (check.reports.size() == kMaxRuleReports));
    FUZZ_CHECK(check.fault == ScriptFault::None || check.reports.empty());

    const std::vector<int> reachable = ReachableRooms(level);
    const std::string_view bytes(reinterpret_cast<const char *>(script.data()), script.size());
    for (std::size_t i = 0; i < check.reports.size(); ++i) {
        const RuleReport &report = check.reports[i];
        FUZZ_CHECK(std::binary_search(reachable.begin(), reachable.end(), report.room));
        FUZZ_CHECK(report.place >= 0 && report.place < 30);
        if (i > 0) {
            const RuleReport &before = check.reports[i - 1];
            FUZZ_CHECK(std::tie(before.room, before.place) <= std::tie(report.room, report.place));
        }
        FUZZ_CHECK(report.messageKey.find(' ') == std::string::npos);
        FUZZ_CHECK(bytes.find(report.messageKey) != std::string_view::npos);
    }

    const RuleCheck again = RunRuleScript(level, script);
    FUZZ_CHECK(again.reports == check.reports && again.fault == check.fault &&
               again.faultValue == check.faultValue && again.limitReached == check.limitReached);
    return check;
}

} // namespace qv2
