#include "text/ini_file.h"

#include "level/read_limits.h"
#include "text/capped_file.h"
#include "text/win1250.h"

#include <QFileInfo>

#include <algorithm>

namespace qv2 {

QStringList SplitTextLines(const QString &text) {
    QStringList lines = text.split(u'\n');
    for (QString &line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool TakeUtf8Mark(QByteArray &bytes) {
    // Read as Windows-1250, the mark would glue three letters to the first line.
    static const QByteArray utf8Mark("\xEF\xBB\xBF");
    if (!bytes.startsWith(utf8Mark))
        return false;
    bytes.remove(0, utf8Mark.size());
    return true;
}

QString DecodeTextBytes(const QByteArray &bytes, bool utf8) {
    return utf8 ? QString::fromUtf8(bytes) : DecodeWindows1250(bytes);
}

namespace {

QStringList DecodeTextLines(const Bytes &content) {
    QByteArray bytes(reinterpret_cast<const char *>(content.data()),
                     static_cast<qsizetype>(content.size()));
    const bool utf8 = TakeUtf8Mark(bytes);
    return SplitTextLines(DecodeTextBytes(bytes, utf8));
}

} // namespace

std::optional<QStringList> ReadTextFile(const QString &path) {
    // A folder (the path of an empty language name), a FIFO or a device counts as an unreadable
    // file.
    Bytes bytes;
    if (!QFileInfo(path).isFile() || !ReadCappedFile(path, kTextFileLimit, bytes).isEmpty())
        return std::nullopt;
    return DecodeTextLines(bytes);
}

QStringList ReadTextFileLines(const QString &path) {
    return ReadTextFile(path).value_or(QStringList());
}

QStringList ReadTextFileHead(const QString &path, std::size_t head) {
    Bytes bytes;
    if (!QFileInfo(path).isFile() || !ReadFileHead(path, head, bytes).isEmpty())
        return {};
    // A line cut by the end of the head is left out, not taken as it stands.
    if (bytes.size() == head)
        bytes.erase(std::find(bytes.rbegin(), bytes.rend(), '\n').base(), bytes.end());
    return DecodeTextLines(bytes);
}

std::optional<QString> FindLineValue(const QStringList &lines, const QString &key) {
    for (const QString &line : lines) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        if (QStringView(line).left(equals).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return line.mid(equals + 1);
    }
    return std::nullopt;
}

namespace {

// The section name of a "[name]" line, or nothing for any other line.
std::optional<QString> sectionHeader(const QString &line) {
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(u']');
    if (close < 0)
        return std::nullopt;
    return trimmed.mid(1, close - 1).trimmed();
}

// The name as QString::compare sees it when it ignores case: each UTF-16 unit folded alone.
QString FoldedName(const QString &name) {
    QString folded = name;
    for (QChar &unit : folded)
        unit = unit.toCaseFolded();
    return folded;
}

} // namespace

IniFile IniFile::fromText(const QString &text) {
    return fromLines(SplitTextLines(text));
}

IniFile IniFile::fromLines(const QStringList &lines) {
    IniFile ini;
    qsizetype current = -1; // lines before the first header belong to no section
    for (const QString &line : lines) {
        if (const auto name = sectionHeader(line)) {
            // A repeated header continues the first section of that name, so its keys come after
            // the earlier ones and the first match still wins.
            const QString folded = FoldedName(*name);
            if (const auto earlier = ini.m_index.constFind(folded); earlier != ini.m_index.cend()) {
                current = *earlier;
            } else {
                current = ini.m_sections.size();
                ini.m_sections.append({*name, {}});
                ini.m_index.insert(folded, current);
            }
            continue;
        }
        if (current >= 0 && !line.trimmed().isEmpty())
            ini.m_sections[current].lines.append(line);
    }
    return ini;
}

IniFile IniFile::load(const QString &path) {
    return fromLines(ReadTextFileLines(path));
}

const IniFile::Section *IniFile::find(const QString &section) const {
    const auto found = m_index.constFind(FoldedName(section));
    return found == m_index.cend() ? nullptr : &m_sections[*found];
}

QString IniFile::value(const QString &section, const QString &key, const QString &fallback) const {
    const Section *s = find(section);
    if (!s)
        return fallback;
    return FindLineValue(s->lines, key).value_or(fallback);
}

QStringList IniFile::sectionLines(const QString &section) const {
    const Section *s = find(section);
    return s ? s->lines : QStringList();
}

} // namespace qv2
