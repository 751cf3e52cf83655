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
inline std::string formatArgument(const QString &s) { return s.toStdString(); }
template <class T> T formatArgument(T value) { return value; }
} // namespace detail

// Applies a printf-style format from the language file. The user can edit those files, so a format
// whose conversions do not match the arguments is shown as it stands instead of being applied.
template <class... Args> QString FormatMessage(const QString &format, const Args &...args)
{
    try {
        return QString::fromStdString(
            fmt::sprintf(format.toStdString(), detail::formatArgument(args)...));
    } catch (const fmt::format_error &) {
        return format;
    }
}

} // namespace qv2
