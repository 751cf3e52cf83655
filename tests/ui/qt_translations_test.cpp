#include "ui/qt_translations.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace qv2 {
namespace {

TEST(QtTranslations, UsesQtsTranslationOfAPlainLocaleOnly) {
    const char *lookIn = "Look in:";
    struct Case {
        const char *locale;
        bool used;
        bool translated;
    };
    const Case cases[] = {
        {"hu", true, true},        {"en", true, false},     {"", false, false},
        {"xx", false, false},      {"../hu", false, false}, {"hu", true, true},
        {"hu_HU", true, true},     {"_hu", false, false},   {"hu_", false, false},
        {"hu_HU_x", false, false},
    };
    QtTranslations translations;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.locale);
        EXPECT_EQ(translations.use(QString::fromLatin1(c.locale)), c.used);
        EXPECT_EQ(QCoreApplication::translate("QFileDialog", lookIn) != QLatin1String(lookIn),
                  c.translated);
    }
}

// Qt's buttons take their translated captions back when the language-change event reaches them;
// a caption set right after switching must survive it.
TEST(QtTranslations, CaptionsSetAfterASwitchStay) {
    QDialogButtonBox box(QDialogButtonBox::Ok);
    QtTranslations translations;
    translations.use(QStringLiteral("hu"));
    box.button(QDialogButtonBox::Ok)->setText(QStringLiteral("Rendben"));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(box.button(QDialogButtonBox::Ok)->text(), QStringLiteral("Rendben"));
}

} // namespace
} // namespace qv2
