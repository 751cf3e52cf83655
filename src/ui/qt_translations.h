#pragma once

#include <QString>

#include <memory>

class QTranslator;

namespace qv2 {

// Qt's own texts (the file dialog's labels and buttons, the line edits' context menu) in the
// language of the interface: the qtbase translation of a locale from Qt's translations folder.
class QtTranslations {
  public:
    QtTranslations();
    ~QtTranslations();
    QtTranslations(const QtTranslations &) = delete;
    QtTranslations &operator=(const QtTranslations &) = delete;

    // Replaces the translation in use with that of `locale` (such as "hu"). Qt's English texts
    // stay for an empty locale or one that Qt has no translation for. Returns whether a
    // translation is in use.
    bool use(const QString &locale);

  private:
    QString m_locale; // the one last asked for; empty: none
    std::unique_ptr<QTranslator> m_translator;
};

} // namespace qv2
