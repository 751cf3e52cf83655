#include "ui/qt_translations.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>

namespace qv2 {

namespace {

// Letters, or letters, '_' and letters, as "hu" or "pt_BR".
bool IsLocaleName(QStringView locale) {
    const auto letters = [](QStringView part) {
        return !part.isEmpty() && std::all_of(part.begin(), part.end(), [](QChar c) {
            return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
        });
    };
    const qsizetype underscore = locale.indexOf(u'_');
    if (underscore < 0)
        return letters(locale);
    return letters(locale.left(underscore)) && letters(locale.mid(underscore + 1));
}

std::unique_ptr<QTranslator> LoadQtTranslation(const QString &locale) {
    // The locale comes from a file the user can edit: it only ever names a file in Qt's folder.
    if (!IsLocaleName(locale))
        return nullptr;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + locale,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    return translator;
}

} // namespace

QtTranslations::QtTranslations() = default;

QtTranslations::~QtTranslations() {
    use(QString());
}

bool QtTranslations::use(const QString &locale) {
    // Switching to the language in use is common (the built-in captions and the shipped default
    // are both Hungarian); reading the same translation again would change nothing.
    if (locale == m_locale)
        return m_translator != nullptr;
    m_locale = locale;
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
    m_translator = LoadQtTranslation(locale);
    if (m_translator)
        QCoreApplication::installTranslator(m_translator.get());
    // Qt's widgets put their own translated captions back when the language-change event reaches
    // them; delivered now, it cannot overwrite the captions the language file sets next.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    return m_translator != nullptr;
}

} // namespace qv2
