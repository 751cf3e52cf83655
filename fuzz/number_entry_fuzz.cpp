// Any text typed into a number field: an accepted number prints back, in decimal and in each
// hexadecimal form, to text that reads as the same value; the range check shows exactly one
// message when it refuses and none when it accepts.
#include "fuzz_check.h"
#include "text/message_texts.h"
#include "ui/modals.h"
#include "ui/number_entry.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace qv2 {
namespace {

// The number entry only ever shows messages.
class CountingModals : public Modals {
  public:
    int messages = 0;
    void message(const QString &) override { ++messages; }
    bool askYesNo(const QString &, const QString &) override { std::abort(); }
    std::optional<QString> inputLine(const QString &, const QString &, const QString &) override {
        std::abort();
    }
    std::optional<QString> chooseFile(QFileDialog &) override { std::abort(); }
    bool run(QDialog &) override { std::abort(); }
    UnsavedAnswer askUnsaved(const QString &, const QString &) override { std::abort(); }
};

void CheckPrintsBack(std::int32_t value) {
    const auto same = [value](const QString &text) { return ParseNumber(text) == value; };
    FUZZ_CHECK(same(QString::number(value)));
    FUZZ_CHECK(same(QStringLiteral("  ") + QString::number(value)));
    if (value >= 0) {
        FUZZ_CHECK(same(QStringLiteral("+") + QString::number(value)));
        const QString hex = QString::number(value, 16);
        for (const char *prefix : {"$", "x", "X", "0x", "0X"})
            FUZZ_CHECK(same(QLatin1String(prefix) + hex));
        FUZZ_CHECK(same(u'$' + hex.toUpper()));
    }
}

} // namespace
} // namespace qv2

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace qv2;
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const std::optional<std::int32_t> number = ParseNumber(text);
    if (number) {
        CheckPrintsBack(*number);
        // Nothing may follow the digits.
        FUZZ_CHECK(!ParseNumber(text + u' '));
        FUZZ_CHECK(!ParseNumber(text + u'g'));
    }

    MessageTexts texts;
    texts.setLines({QStringLiteral("integer=no number"), QStringLiteral("between=%d..%d")});
    CountingModals modals;
    const int result = ReadNumberInRange(text, 0, 255, -1, QStringLiteral("label "), texts, modals);
    const bool accepted = number && *number >= 0 && *number <= 255;
    FUZZ_CHECK(result == (accepted ? *number : -1));
    FUZZ_CHECK(modals.messages == (accepted ? 0 : 1));
    return 0;
}
