#include "ui/message_texts.h"

#include "ui/ini_file.h"

#include <string_view>

namespace qv2 {

QString MessageTexts::text(const QString &key) const
{
    return FindLineValue(m_lines, key).value_or(QString());
}

bool HasOversizedField(const std::string &format)
{
    // Flags, the '.' before a precision, '$' after an argument number, '*' and length modifiers.
    constexpr std::string_view kBetweenNumbers = "-+ #.$*hljztL";
    std::size_t i = 0;
    while ((i = format.find('%', i)) != std::string::npos) {
        ++i;
        if (i < format.size() && format[i] == '%') {
            ++i; // a percent sign
            continue;
        }
        // Every number up to the conversion letter counts: argument number, width or precision.
        long number = 0;
        for (; i < format.size(); ++i) {
            const char c = format[i];
            if (c >= '0' && c <= '9') {
                number = number * 10 + (c - '0');
                if (number > kMaxFormatField)
                    return true;
            } else if (kBetweenNumbers.find(c) != std::string_view::npos) {
                number = 0;
            } else {
                break;
            }
        }
    }
    return false;
}

} // namespace qv2
