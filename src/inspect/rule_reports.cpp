#include "inspect/rule_reports.h"

#include "level/read_limits.h"
#include "ui/capped_file.h"
#include "ui/message_texts.h"

namespace qv2 {

namespace {

QString Text(const MessageTexts &texts, const char *key) {
    return texts.text(QString::fromLatin1(key));
}

} // namespace

QString RuleScriptPath(const QString &programDir) {
    return programDir + QStringLiteral("texts/errors.txt");
}

QString ReportMessage(const RuleReport &report, const MessageTexts &texts) {
    // Keys are the script's bytes; a key the message list does not hold reads as empty.
    const std::string &key = report.messageKey.text();
    return texts.text(QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size())));
}

ReportListing ListRuleReports(const LevelStore &level, const QString &scriptPath,
                              const MessageTexts &texts) {
    ReportListing listing;
    Bytes script;
    const QString readError = ReadCappedFile(scriptPath, kRuleScriptLimit, script);
    if (!readError.isEmpty()) {
        listing.failure = FormatMessage(Text(texts, "cantread"), scriptPath, readError);
        return listing;
    }

    RuleScriptRun run = RunRuleScript(level, script);
    switch (run.fault) {
    case ScriptFault::None:
        break;
    case ScriptFault::InvalidCommand:
        listing.failure = FormatMessage(Text(texts, "invalid"), run.faultValue);
        return listing;
    case ScriptFault::BadNumber:
        listing.failure = FormatMessage(Text(texts, "badnumber"), run.faultValue);
        return listing;
    case ScriptFault::LongKey:
        listing.failure = FormatMessage(Text(texts, "longkey"), run.faultValue);
        return listing;
    }
    const QString format = Text(texts, "err");
    for (const RuleReport &report : run.reports) {
        listing.lines.append(
            FormatMessage(format, ReportMessage(report, texts), report.room, report.place));
    }
    if (run.limitReached)
        listing.lines.append(Text(texts, "toomuch"));
    listing.reports = std::move(run.reports);
    return listing;
}

} // namespace qv2
