// Any bytes as an INI file in Windows-1250: every key of a section finds the value of its first
// line, and every value read as comma text gives items that, quoted and joined again, split into
// the same items.
#include "fuzz_check.h"
#include "text/comma_text.h"
#include "text/ini_file.h"
#include "text/win1250.h"

#include <QSet>

#include <cstddef>
#include <cstdint>

namespace qv2 {
namespace {

// The items as a language file would write them: each quoted, quotes doubled, comma and blank
// between them.
QString QuoteItems(const QStringList &items) {
    QStringList quoted;
    for (QString item : items)
        quoted << u'"' + item.replace(u'"', QStringLiteral("\"\"")) + u'"';
    return quoted.join(QStringLiteral(", "));
}

void CheckCommaText(const QString &value) {
    const QStringList items = SplitCommaText(value);
    FUZZ_CHECK(SplitCommaText(QuoteItems(items)) == items);
}

void CheckSection(const IniFile &ini, const QString &section) {
    QSet<QString> seen;
    for (const QString &line : ini.sectionLines(section)) {
        FUZZ_CHECK(!line.trimmed().isEmpty());
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1);
        // Later lines of the same name are shadowed by the first.
        if (!seen.contains(key.toCaseFolded())) {
            seen.insert(key.toCaseFolded());
            FUZZ_CHECK(ini.value(section, key, QStringLiteral("\x01missing")) == value);
        }
        CheckCommaText(value);
    }
}

} // namespace
} // namespace qv2

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace qv2;
    const QString text = DecodeWindows1250(
        QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    const IniFile ini = IniFile::fromText(text);
    // The section names as the file writes them; a header that repeats a name adds to the first.
    QSet<QString> sections;
    for (const QString &line : SplitTextLines(text)) {
        const QString trimmed = line.trimmed();
        const qsizetype close = trimmed.indexOf(u']');
        if (!trimmed.startsWith(u'[') || close < 0)
            continue;
        const QString name = trimmed.mid(1, close - 1).trimmed();
        if (!sections.contains(name.toCaseFolded())) {
            sections.insert(name.toCaseFolded());
            CheckSection(ini, name);
        }
    }
    return 0;
}
