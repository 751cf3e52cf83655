// The Language menu lists the shipped language files and switches every window at once.
#include "app/language_menu.h"
#include "app/user_settings.h"
#include "level/read_limits.h"
#include "main_window_fixture.h"
#include "text/ini_file.h"

#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include <string>

namespace qv2 {
namespace {

using LanguageMenuTest = MainWindowTest;

TEST_F(LanguageMenuTest, ChoosingALanguageRewritesEveryWindowAndIsKept) {
    EXPECT_EQ(state().languageName, QStringLiteral("magyar.ini")) << "texts/Qv2LevEd.ini names it";
    QMenu &menu = openLanguageMenu();
    QStringList titles;
    for (QAction *entry : menu.actions())
        titles.append(entry->text() +
                      (entry->isChecked() ? QStringLiteral(" (ticked)") : QString()));
    EXPECT_EQ(titles,
              QStringList({QStringLiteral("&English"), QStringLiteral("&Magyar (ticked)")}));

    open(archive, pickRow(3));
    // Dialogs made before the switch are captioned again; the level type dialog, made after it,
    // starts in the language in use.
    for (QWidget *made : std::initializer_list<QWidget *>{
             &program->startPosition(), &program->neighbours(), &program->overview(),
             &program->links(), &program->enemies()})
        EXPECT_FALSE(made->windowTitle().isEmpty());
    chooseLanguage("english.ini");

    const IniFile english = IniFile::load(programDir() + QStringLiteral("texts/english.ini"));
    const auto inEnglish = [&](const char *section, const char *key) {
        return english.value(QString::fromLatin1(section), QString::fromLatin1(key));
    };
    const struct {
        const char *name;
        QString shown;
        QString expected;
    } captions[] = {
        {"main window title", window().windowTitle().section(QString::fromUtf8(" \u2013 "), -1),
         inEnglish("main", "title")},
        {"File menu", window().menuBar()->actions().value(0)->text(), inEnglish("main", "file")},
        {"Open", window().action(MainWindow::Action::Open)->text(), inEnglish("main", "open")},
        {"Undo", window().action(MainWindow::Action::Undo)->text(), inEnglish("main", "undo")},
        {"level picker", program->levelPicker().windowTitle(), inEnglish("select", "title")},
        {"start position", program->startPosition().windowTitle(), inEnglish("start", "title")},
        {"neighbours", program->neighbours().windowTitle(), inEnglish("neighbor", "title")},
        {"overview", program->overview().windowTitle(), inEnglish("all", "title")},
        {"links", program->links().windowTitle(), inEnglish("link", "title")},
        {"enemies", program->enemies().windowTitle(), inEnglish("guards", "title")},
        {"level type", program->levelType().windowTitle(), inEnglish("kind", "title")},
        {"message texts", text("question"), inEnglish("texts", "question")},
        {"status line", window().statusBar()->currentMessage(),
         FormatMessage(inEnglish("texts", "status"), 5, 0)},
    };
    for (const auto &c : captions) {
        EXPECT_FALSE(c.expected.isEmpty()) << c.name;
        EXPECT_EQ(c.shown, c.expected) << c.name;
    }
    openLanguageMenu();
    EXPECT_TRUE(menu.actions().value(0)->isChecked());
    EXPECT_EQ(menu.actions().size(), 2) << "filled again, not added to";

    // The choice wins over texts/Qv2LevEd.ini at the next start, while its file is there.
    program = std::make_unique<Program>(modals, programDir());
    program->LoadStartupSettings();
    EXPECT_EQ(state().languageName, QStringLiteral("english.ini"));
    UserSettings().setLanguage(QStringLiteral("gone.ini"));
    program = std::make_unique<Program>(modals, programDir());
    program->LoadStartupSettings();
    EXPECT_EQ(state().languageName, QStringLiteral("magyar.ini"));
    EXPECT_TRUE(modals.messages.isEmpty());
}

TEST(ShippedLanguages, FilesThatNameTheirLanguage) {
    TempFolder folder;
    const QString dir = QString::fromStdString(folder.path()) + QLatin1Char('/');
    ASSERT_TRUE(QDir(dir).mkpath(QStringLiteral("texts")));
    const struct {
        const char *file;
        std::string text;
    } files[] = {
        {"b.ini", "[language]\ntitle=Bee\n"},
        {"a", "[language]\ntitle= Ay \n[main]\ntitle=x\n"},
        {"back1.ini", "[bg]\nc=bgnames1\n"},
        {"untitled.ini", "[language]\nlocale=xx\ntitle=\n"},
        // Only the head of each file is read: a title beyond it is not seen.
        {"late.ini", "[language]\n" + std::string(kLanguageTitleHead, ';') + "\ntitle=Late\n"},
    };
    for (const auto &f : files)
        ASSERT_TRUE(WriteFile(folder.file(std::string("texts/") + f.file),
                              Bytes(f.text.begin(), f.text.end())));
    QStringList found;
    for (const LanguageChoice &language : ShippedLanguages(dir))
        found.append(language.fileName + QLatin1Char('=') + language.title);
    EXPECT_EQ(found, QStringList({QStringLiteral("a=Ay"), QStringLiteral("b.ini=Bee")}));
}

} // namespace
} // namespace qv2
