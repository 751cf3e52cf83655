#pragma once

#include <QString>
#include <QStringList>

#include <fmt/printf.h>

#include <string>

namespace qv2 {

// The message list: the key=value lines of the language file's [texts] section. Every message is
// looked up here at the moment it is shown.
class MessageTexts {
public:
    void setLines(QStringList lines) { m_lines = std::move(lines); }
    const QStringList &lines() const { return m_lines; }
    // The text after the first '=' of the first line whose name equals the key (case-insensitive);
    // empty when there is none.
    QString text(const QString &key) const;

private:
    QStringList m_lines;
};

// A width or precision above this asks for a giant text, not a layout: "%999999999d" would take a
// gigabyte for one message.
inline constexpr int kMaxFormatField = 1000;

// True when a conversion of the printf-style format holds a number above kMaxFormatField.
bool HasOversizedField(const std::string &format);

namespace detail {
inline std::string formatArgument(const QString &s) { return s.toStdString(); }
template <class T> T formatArgument(T value) { return value; }
} // namespace detail

// Applies a printf-style format from the language file. The user can edit those files, so a format
// whose conversions do not match the arguments or ask for an oversized field is shown as it stands
// instead of being applied.
template <class... Args> QString FormatMessage(const QString &format, const Args &...args)
{
    const std::string text = format.toStdString();
    if (HasOversizedField(text))
        return format;
    try {
        return QString::fromStdString(fmt::sprintf(text, detail::formatArgument(args)...));
    } catch (const fmt::format_error &) {
        return format;
    }
}

} // namespace qv2
