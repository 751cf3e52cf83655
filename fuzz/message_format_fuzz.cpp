// Any bytes as a language file: every message the program formats, with the arguments it passes,
// comes out without a crash or an escaping exception, no field wider than the limit, and a text
// without a conversion as it stands.
#include "fuzz_check.h"
#include "text/ini_file.h"
#include "text/message_texts.h"
#include "text/win1250.h"

#include <cstddef>
#include <cstdint>
#include <functional>

namespace qv2 {
namespace {

struct FormattedKey {
    const char *key;
    std::function<QString(const QString &format)> apply;
};

const QString kText = QStringLiteral("/tmp/qasvar.dat");

// The keys the program formats, with arguments of the types and sizes it passes.
const FormattedKey kFormattedKeys[] = {
    {"between", [](const QString &f) { return FormatMessage(f, 0, 255); }},
    {"status", [](const QString &f) { return FormatMessage(f, 32, 29); }},
    {"short", [](const QString &f) { return FormatMessage(f, 6000, 11066); }},
    {"invalid", [](const QString &f) { return FormatMessage(f, 120); }},
    {"badnumber", [](const QString &f) { return FormatMessage(f, 17); }},
    {"nopicture", [](const QString &f) { return FormatMessage(f, kText); }},
    {"cantread", [](const QString &f) { return FormatMessage(f, kText, kText); }},
    {"cantwrite", [](const QString &f) { return FormatMessage(f, kText, kText); }},
    {"err", [](const QString &f) { return FormatMessage(f, kText, 12, 29); }},
};

} // namespace
} // namespace qv2

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace qv2;
    const IniFile language = IniFile::fromText(DecodeWindows1250(
        QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size))));
    MessageTexts texts;
    texts.setLines(language.sectionLines(QStringLiteral("texts")));
    for (const FormattedKey &formatted : kFormattedKeys) {
        const QString format = texts.text(QLatin1String(formatted.key));
        const QString shown = formatted.apply(format);
        // Each conversion takes two characters at least and gives one field of at most the limit.
        FUZZ_CHECK(shown.size() <= format.size() * (kLargestFormatWidth + 32));
        if (!format.contains(u'%'))
            FUZZ_CHECK(shown == format);
    }
    return 0;
}
