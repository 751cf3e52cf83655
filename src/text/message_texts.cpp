#include "text/message_texts.h"

#include "text/ini_file.h"

#include <algorithm>
#include <string_view>

namespace qv2 {

QString MessageTexts::text(const QString &key) const {
    return FindLineValue(m_lines, key).value_or(QString());
}

bool FormatWidthsSane(const std::string &format) {
    const std::size_t size = format.size();
    // Reads a run of digits; its value, counted no further than just beyond the limit.
    const auto number = [&](std::size_t &at) {
        int value = 0;
        for (; at < size && format[at] >= '0' && format[at] <= '9'; ++at)
            value = std::min(value * 10 + (format[at] - '0'), kLargestFormatWidth + 1);
        return value;
    };
    for (std::size_t i = 0; i < size; ++i) {
        if (format[i] != '%' || ++i >= size || format[i] == '%')
            continue;
        const std::size_t start = i;
        number(i);
        i = i < size && format[i] == '$' ? i + 1 : start; // "%2$5d" names its argument first
        while (i < size && std::string_view("-+ #0").find(format[i]) != std::string_view::npos)
            ++i;
        // A width taken from an argument ('*') is refused too: no argument is meant as one.
        const auto sane = [&](std::size_t &at) {
            return (at >= size || format[at] != '*') && number(at) <= kLargestFormatWidth;
        };
        if (!sane(i) || (i < size && format[i] == '.' && !sane(++i)))
            return false;
    }
    return true;
}

} // namespace qv2
