// The shipped rule script against any byte image as the level, however short: besides
// CheckRuleRun, a valid script never faults.
#include "rule_properties.h"

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>

namespace qv2 {
namespace {

Bytes ReadShippedScript() {
    std::ifstream in(QV2_RULE_SCRIPT, std::ios::binary);
    Bytes script((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    FUZZ_CHECK(in.good() || in.eof());
    FUZZ_CHECK(!script.empty());
    return script;
}

} // namespace
} // namespace qv2

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static const qv2::Bytes script = qv2::ReadShippedScript();
    const qv2::LevelStore level(qv2::Bytes(data, data + size));
    const qv2::RuleScriptRun run = qv2::CheckRuleRun(level, script);
    FUZZ_CHECK(run.fault == qv2::ScriptFault::None);
    return 0;
}
