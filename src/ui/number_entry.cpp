#include "ui/number_entry.h"

#include "level/hex_digit.h"
#include "text/message_texts.h"
#include "ui/modals.h"

#include <limits>

namespace qv2 {

namespace {

// The digit's value in `base` (10 or 16), or -1.
int DigitValue(QChar ch, int base) {
    const int value = HexDigitValue(ch.unicode());
    return value < base ? value : -1;
}

// Reads the digits from `pos` to the end of the text; nothing may follow them. The magnitude may
// reach 2^31 so that the most negative number still fits once the sign is applied.
std::optional<std::int64_t> readDigits(const QString &text, qsizetype pos, int base) {
    constexpr std::int64_t limit = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
    if (pos >= text.size())
        return std::nullopt;
    std::int64_t value = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = DigitValue(text[pos], base);
        if (digit < 0)
            return std::nullopt;
        value = value * base + digit;
        if (value > limit)
            return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<std::int32_t> ParseNumber(const QString &text) {
    qsizetype pos = 0;
    while (pos < text.size() && text[pos] == u' ')
        ++pos;
    const QStringView rest = QStringView(text).mid(pos);

    std::optional<std::int64_t> value;
    if (rest.startsWith(u'$') || rest.startsWith(u'x') || rest.startsWith(u'X')) {
        value = readDigits(text, pos + 1, 16);
    } else if (rest.startsWith(u"0x") || rest.startsWith(u"0X")) {
        value = readDigits(text, pos + 2, 16);
    } else {
        const bool negative = rest.startsWith(u'-');
        if (negative || rest.startsWith(u'+'))
            ++pos;
        value = readDigits(text, pos, 10);
        if (value && negative)
            value = -*value;
    }
    if (!value || *value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(*value);
}

int ReadNumberInRange(const QString &text, int lo, int hi, int fallback, const QString &label,
                      const MessageTexts &texts, Modals &modals) {
    const std::optional<std::int32_t> number = ParseNumber(text);
    if (!number) {
        modals.message(label + texts.text(QStringLiteral("integer")));
        return fallback;
    }
    if (*number < lo || *number > hi) {
        modals.message(label + FormatMessage(texts.text(QStringLiteral("between")), lo, hi));
        return fallback;
    }
    return *number;
}

} // namespace qv2
