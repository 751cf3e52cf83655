#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include <cstddef>
#include <optional>

namespace qv2 {

// Splits text into lines at LF, dropping a CR that ends a line (files may come from Windows).
QStringList SplitTextLines(const QString &text);

// The program's text files are Windows-1250, or UTF-8 when they start with the UTF-8 byte-order
// mark (as editors that save UTF-8 write it). Removes that mark from `bytes` and says whether it
// was there.
bool TakeUtf8Mark(QByteArray &bytes);
// Decodes bytes of such a file, once its mark has been taken.
QString DecodeTextBytes(const QByteArray &bytes, bool utf8);

// The lines of such a text file; nothing for a missing or unreadable file, or for one longer than
// kTextFileLimit.
std::optional<QStringList> ReadTextFile(const QString &path);
// The same with no lines for a file that cannot be read.
QStringList ReadTextFileLines(const QString &path);

// The whole lines among the first `head` bytes of a text file, read as ReadTextFileLines does.
QStringList ReadTextFileHead(const QString &path, std::size_t head);

// The text after the first '=' of the first name=value line whose name (blanks around it ignored)
// equals the key, case-insensitively; nothing when no line has that name.
std::optional<QString> FindLineValue(const QStringList &lines, const QString &key);

// A read-only INI file: [section] headers and key=value lines, the value taken as it stands after
// the first '='. Section and key names compare case-insensitively; the first match wins. Lines
// before the first section header belong to no section and are never found.
class IniFile {
  public:
    IniFile() = default;

    static IniFile fromText(const QString &text);
    static IniFile fromLines(const QStringList &lines);
    // Reads the file as Windows-1250 (see ReadTextFileLines); a missing or unreadable file gives an
    // empty IniFile.
    static IniFile load(const QString &path);

    QString value(const QString &section, const QString &key, const QString &fallback = {}) const;
    // The raw lines of a section (without blank lines), in file order.
    QStringList sectionLines(const QString &section) const;
    bool isEmpty() const { return m_sections.isEmpty(); }
    // The index follows from the sections, so only they are compared.
    bool operator==(const IniFile &other) const { return m_sections == other.m_sections; }

  private:
    struct Section {
        QString name;
        QStringList lines;
        bool operator==(const Section &) const = default;
    };
    const Section *find(const QString &section) const;
    QVector<Section> m_sections;
    // Where each section is, by its case-folded name: a look-up is part of every tile's picture
    // and panel row, and a background list has a section for each of 256 tile kinds.
    QHash<QString, qsizetype> m_index;
};

} // namespace qv2
