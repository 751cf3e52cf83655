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

namespace detail {
inline std::string formatArgument(const QString &s) {
    return s.toStdString();
}
template <class T> T formatArgument(T value) {
    return value;
}
} // namespace detail

// The widest field width or precision a message format may ask for. No message needs more, and a
// width of a billion would build a message of gigabytes.
inline constexpr int kLargestFormatWidth = 100;

// Whether every width and precision in the printf-style format is a number of at most
// kLargestFormatWidth.
bool FormatWidthsSane(const std::string &format);

// Applies a printf-style format from the language file. The user can edit those files, so a format
// whose conversions do not match the arguments, or that asks for an insane width, is shown as it
// stands instead of being applied.
template <class... Args> QString FormatMessage(const QString &format, const Args &...args) {
    const std::string text = format.toStdString();
    if (!FormatWidthsSane(text))
        return format;
    try {
        return QString::fromStdString(fmt::sprintf(text, detail::formatArgument(args)...));
    } catch (const fmt::format_error &) {
        return format;
    }
}

} // namespace qv2
