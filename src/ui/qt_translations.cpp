#include "ui/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>

namespace qv2 {

QtTranslations::QtTranslations() = default;

QtTranslations::~QtTranslations() { use(QString()); }

bool QtTranslations::use(const QString &locale)
{
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
        m_translator.reset();
    }
    // The locale comes from a file the user can edit: it only ever names a file in Qt's folder.
    static const QRegularExpression localeName(QStringLiteral("^[A-Za-z]+(_[A-Za-z]+)?$"));
    if (!localeName.match(locale).hasMatch())
        return false;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + locale,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(translator.get());
    m_translator = std::move(translator);
    return true;
}

} // namespace qv2
