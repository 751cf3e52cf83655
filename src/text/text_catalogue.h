#pragma once

#include "text/ini_file.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace qv2 {

class MessageTexts;

// The language file as the windows read it: every key defaults to the empty text, and list keys
// are comma text.
class LanguageFile {
  public:
    LanguageFile() = default;
    explicit LanguageFile(IniFile ini) : m_ini(std::move(ini)) {}

    QString text(const QString &section, const QString &key) const {
        return m_ini.value(section, key);
    }
    QStringList list(const QString &section, const QString &key) const;
    QStringList sectionLines(const QString &section) const { return m_ini.sectionLines(section); }

  private:
    IniFile m_ini;
};

// A window whose captions come from the language file. Each window reads its own section.
class TextTarget {
  public:
    virtual ~TextTarget() = default;
    virtual void applyTexts(const LanguageFile &language) = 0;
};

// Reads `lang` from texts/Qv2LevEd.ini in the program folder (plain name=value lines, sections
// ignored); empty when the file or the key is missing.
QString ReadLanguageName(const QString &programDir);

// Path of the language file: the program folder + "texts/" + the name exactly as written.
QString LanguageFilePath(const QString &programDir, const QString &languageName);

// Reads the language file; nothing when it is missing or cannot be read. (The empty language name
// makes the path the texts folder itself, which is no file either.)
std::optional<LanguageFile> ReadLanguageFile(const QString &path);

// The Hungarian language file built into the program, in the words of the built-in captions.
LanguageFile BuiltInLanguage();

// Applies the language file to the windows in the order given, then replaces the message list
// with the lines of [texts]. A key the file lacks makes its caption empty.
void ApplyLanguageFile(const LanguageFile &language, const std::vector<TextTarget *> &targets,
                       MessageTexts &texts);

} // namespace qv2
