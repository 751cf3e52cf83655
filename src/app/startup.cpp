#include "app/startup.h"

#include "app/language_menu.h"
#include "app/user_settings.h"
#include "editors/coming_guards.h"
#include "editors/restart_points.h"
#include "inspect/rule_reports_command.h"
#include "text/message_texts.h"
#include "ui/modals.h"

#include <QDir>
#include <QMenu>
#include <QStatusBar>

namespace qv2 {

namespace {

// The language of the built-in captions.
const char *const kBuiltInLocale = "hu";

// In English: the one language that a user who cannot read the built-in texts is likely to read.
QString missingLanguageMessage(const QString &languageName, const QString &path) {
    if (languageName.isEmpty())
        return QStringLiteral("No language file is chosen: texts/Qv2LevEd.ini has no lang= line. "
                              "The built-in Hungarian texts are shown.");
    return QStringLiteral("The language file %1 is missing or cannot be read. "
                          "The built-in Hungarian texts are shown.")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace

Program::Program(Modals &modals, const QString &programDir)
    : mainWindow(modals, programDir), m_modals(modals) {
    // The built-in captions are Hungarian; Qt's own texts match them until a language is applied.
    m_qtTranslations.use(QString::fromLatin1(kBuiltInLocale));
    mainWindow.setLevelPicker(&m_levelPicker);
    // Filled whenever it opens: a language file added meanwhile is offered, and start-up reads no
    // more files than it needs.
    QMenu &languages = mainWindow.languageMenu();
    QObject::connect(&languages, &QMenu::aboutToShow, &languages, [this, &languages] {
        FillLanguageMenu(languages, ShippedLanguages(mainWindow.state().programDir),
                         mainWindow.state().languageName,
                         [this](const QString &name) { chooseLanguage(name); });
    });
    // In menu order.
    mainWindow.connectCommand(MainWindow::Action::EditStartPosition, [this] {
        editStartPosition(mainWindow.state(), mainWindow.services(), startPosition());
    });
    mainWindow.connectCommand(MainWindow::Action::EditRestartPoints, [this] {
        editRestartPoints(mainWindow.state(), mainWindow.services());
    });
    mainWindow.connectCommand(MainWindow::Action::EditLinks, [this] {
        editLinks(mainWindow.state(), mainWindow.services(), links());
    });
    mainWindow.connectCommand(MainWindow::Action::ShowWholeLevel, [this] {
        showLevelOverview(mainWindow.state(), mainWindow.services(), overview());
    });
    mainWindow.connectCommand(MainWindow::Action::CheckLevel, [this] {
        showRuleReports(mainWindow.state(), mainWindow.services());
    });
    mainWindow.connectCommand(MainWindow::Action::EditLevelType, [this] {
        editLevelType(mainWindow.state(), mainWindow.services(), levelType());
    });
    mainWindow.connectCommand(MainWindow::Action::EditEnemies, [this] {
        editEnemies(mainWindow.state(), mainWindow.services(), enemies());
    });
    mainWindow.connectCommand(MainWindow::Action::EditComingGuards, [this] {
        editComingGuards(mainWindow.state(), mainWindow.services());
    });
    mainWindow.connectCommand(MainWindow::Action::EditNeighbours, [this] {
        editNeighbours(mainWindow.state(), mainWindow.services(), neighbours());
    });
    mainWindow.connectCommand(MainWindow::Action::EditBackground, [this] {
        editBackground(mainWindow.state(), mainWindow.services(), backgroundEditor());
    });
}

std::vector<TextTarget *> Program::textTargets() {
    // Main window first, then the dialogs made so far in the order their sections come in the
    // language file.
    std::vector<TextTarget *> targets{&mainWindow};
    for (TextTarget *target : std::initializer_list<TextTarget *>{
             m_overview.made(), m_startPosition.made(), m_links.made(), m_levelPicker.made(),
             m_neighbours.made(), m_enemies.made(), m_levelType.made()}) {
        if (target)
            targets.push_back(target);
    }
    return targets;
}

void Program::LoadStartupSettings() {
    const QString programDir = mainWindow.state().programDir;
    // The user's own choice wins over the program folder's default as long as it is one the
    // Language menu offers: a file right in texts/ that gives its language a title.
    const UserSettings settings;
    QString name = settings.language();
    std::optional<LanguageFile> language;
    if (!name.isEmpty() && !name.contains(u'/') && !name.contains(u'\\')) {
        language = ReadLanguageFile(LanguageFilePath(programDir, name));
        if (language &&
            language->text(QStringLiteral("language"), QStringLiteral("title")).trimmed().isEmpty())
            language.reset();
    }
    if (!language) {
        name = ReadLanguageName(programDir);
        language = ReadLanguageFile(LanguageFilePath(programDir, name));
    }
    applyLanguage(name, std::move(language));
    if (!settings.kept())
        mainWindow.statusBar()->showMessage(
            FormatMessage(mainWindow.state().texts.text(QStringLiteral("nosettings")),
                          QDir::toNativeSeparators(UserSettings::path())));
}

void Program::chooseLanguage(const QString &name) {
    applyLanguage(name);
    UserSettings().setLanguage(name);
}

void Program::applyLanguage(const QString &name) {
    applyLanguage(name, ReadLanguageFile(LanguageFilePath(mainWindow.state().programDir, name)));
}

void Program::applyLanguage(const QString &name, std::optional<LanguageFile> language) {
    EditorState &state = mainWindow.state();
    if (!language) {
        m_modals.message(missingLanguageMessage(name, LanguageFilePath(state.programDir, name)));
        // A language in use stays; without one, the built-in texts speak for every message too.
        if (m_language)
            return;
        language = BuiltInLanguage();
    } else {
        state.languageName = name;
    }
    // Installed first: Qt's dialogs take the new texts, then our captions overwrite theirs.
    m_qtTranslations.use(language->text(QStringLiteral("language"), QStringLiteral("locale")));
    m_language = std::move(language);
    ApplyLanguageFile(*m_language, textTargets(), state.texts);
    mainWindow.textsChanged();
}

} // namespace qv2
