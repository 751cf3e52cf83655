#pragma once

#include "inspect/rule_engine.h"
#include "level/level_store.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The rule script's reports as the user sees them, shared by the editor and the command line: the
// rule script read from a file and the lines of the result list in the language file's words.
namespace qv2 {

class MessageTexts;

struct ReportListing {
    // The message that ended the run instead (the script could not be read or is invalid).
    std::optional<QString> failure;
    // One "badneighbour" line per neighbour number that is no room (that room's first tile is its
    // report), one "err" line per report of the script, then the "toomuch" line when the limit
    // ended the run.
    QStringList lines;
    // Line i < reports.size() belongs to reports[i]; the "toomuch" line belongs to none.
    std::vector<RuleReport> reports;
    // What reports[i] says, without its room and place: the neighbour's line, or the script's key
    // decoded as its script was (Windows-1250, or UTF-8 for a script that starts with the UTF-8
    // mark) and looked up in the message texts.
    QStringList messages;
};

// The rule script of a program folder (ending with '/'): texts/errors.txt.
QString RuleScriptPath(const QString &programDir);

ReportListing ListRuleReports(const LevelStore &level, const QString &scriptPath,
                              const MessageTexts &texts);

} // namespace qv2
