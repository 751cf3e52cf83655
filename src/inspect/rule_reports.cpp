#include "inspect/rule_reports.h"

#include "inspect/reachable_rooms.h"
#include "level/read_limits.h"
#include "text/capped_file.h"
#include "text/comma_text.h"
#include "text/ini_file.h"
#include "text/message_texts.h"

namespace qv2 {

namespace {

QString Text(const MessageTexts &texts, const char *key) {
    return texts.text(QString::fromLatin1(key));
}

QString ReportMessage(const RuleReport &report, const MessageTexts &texts, bool utf8) {
    // A key the message list does not hold reads as empty.
    return texts.text(DecodeTextBytes(QByteArray::fromStdString(report.messageKey.text()), utf8));
}

} // namespace

QString RuleScriptPath(const QString &programDir) {
    return programDir + QStringLiteral("texts/errors.txt");
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

    // The script is written like the language file whose keys it names, so its keys are decoded
    // the same way and match whatever letters they hold.
    QByteArray content(reinterpret_cast<const char *>(script.data()),
                       static_cast<qsizetype>(script.size()));
    const bool utf8 = TakeUtf8Mark(content);
    const int markLength = utf8 ? 3 : 0;
    RuleScriptRun run = RunRuleScript(level, Bytes(content.begin(), content.end()));
    switch (run.fault) {
    case ScriptFault::None:
        break;
    case ScriptFault::InvalidCommand:
        listing.failure = FormatMessage(Text(texts, "invalid"), run.faultValue);
        return listing;
    case ScriptFault::BadNumber:
        // Counted in the file's bytes, as an editor shows them.
        listing.failure = FormatMessage(Text(texts, "badnumber"), run.faultValue + markLength);
        return listing;
    case ScriptFault::LongKey:
        listing.failure = FormatMessage(Text(texts, "longkey"), run.faultValue + markLength);
        return listing;
    }
    // A neighbour that is no room comes first: the rules walk the level along the neighbours.
    const QStringList sides = SplitCommaText(Text(texts, "sides"));
    for (const StrayNeighbour &stray : StrayNeighbours(level)) {
        listing.lines.append(FormatMessage(Text(texts, "badneighbour"), stray.room,
                                           sides.value(stray.side), stray.number));
        listing.messages.append(listing.lines.last());
        listing.reports.push_back({stray.room, 0, "badneighbour"});
    }
    const QString format = Text(texts, "err");
    for (const RuleReport &report : run.reports) {
        listing.messages.append(ReportMessage(report, texts, utf8));
        listing.lines.append(
            FormatMessage(format, listing.messages.last(), report.room, report.place));
    }
    if (run.limitReached)
        listing.lines.append(Text(texts, "toomuch"));
    listing.reports.insert(listing.reports.end(), run.reports.begin(), run.reports.end());
    return listing;
}

} // namespace qv2
