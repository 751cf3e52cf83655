// The shipped rule script against the shipped language files and the sample archive: every rule
// message exists in both languages, the sample levels pass, and the level with deliberate faults
// shows every rule at work.
#include "inspect/rule_engine.h"
#include "level/archive.h"
#include "support/archive_builder.h"
#include "text/ini_file.h"
#include "text/message_texts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace qv2 {
namespace {

const std::string kSource = QV2_SOURCE_DIR "/data/texts/";

// The keys that the script's `m` commands name.
std::set<std::string> MessageKeys(const Bytes &bytes) {
    const std::string script(bytes.begin(), bytes.end());
    std::set<std::string> keys;
    for (std::size_t m = script.find('m'); m != std::string::npos; m = script.find('m', m)) {
        const std::size_t end = script.find(' ', m);
        keys.insert(script.substr(m + 1, end - m - 1));
        m = end;
    }
    return keys;
}

TEST(ShippedRules, NameMessagesOfBothLanguagesAndFindOnlyTheDeliberateFaults) {
    const Bytes script = ReadFile(kSource + "errors.txt").value();
    const std::set<std::string> keys = MessageKeys(script);
    EXPECT_GE(keys.size(), 7u);
    for (const char *language : {"magyar.ini", "english.ini"}) {
        MessageTexts texts;
        texts.setLines(
            IniFile::load(QString::fromStdString(kSource + language)).sectionLines("texts"));
        for (const std::string &key : keys)
            EXPECT_FALSE(texts.text(QString::fromStdString(key)).isEmpty())
                << language << ": " << key;
    }

    const Bytes archive = ReadFile(qgetenv("QV2_PROGRAM_DIR").toStdString() + "qasvar.dat").value();
    for (const ResourceEntry &entry : ReadLevelTable(archive).entries) {
        LevelStore level;
        ReadLevelResource(archive, entry, level);
        const RuleScriptRun run = RunRuleScript(level, script);
        ASSERT_EQ(run.fault, ScriptFault::None);
        std::set<std::string> reported;
        for (const RuleReport &report : run.reports)
            reported.insert(report.messageKey.text());
        EXPECT_EQ(reported, entry.id == 2033 ? keys : std::set<std::string>{}) << entry.id;
    }
}

} // namespace
} // namespace qv2
