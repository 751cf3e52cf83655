#pragma once

#include <QString>

#include <functional>
#include <vector>

class QMenu;

namespace qv2 {

struct LanguageChoice {
    QString fileName; // in the program's texts/ folder
    QString title;    // as the file names its language, in that language
};

// The language files in the program's texts/ folder: every file whose [language] section names
// the language with a `title`, by file name.
std::vector<LanguageChoice> ShippedLanguages(const QString &programDir);

// Replaces the menu's entries with one per language, the one in use ticked; choosing an entry
// passes its file name to `choose`.
void FillLanguageMenu(QMenu &menu, const std::vector<LanguageChoice> &languages,
                      const QString &current, const std::function<void(const QString &)> &choose);

} // namespace qv2
