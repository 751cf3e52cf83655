#include "app/language_menu.h"

#include "level/read_limits.h"
#include "text/ini_file.h"

#include <QActionGroup>
#include <QDir>
#include <QMenu>

namespace qv2 {

std::vector<LanguageChoice> ShippedLanguages(const QString &programDir) {
    std::vector<LanguageChoice> languages;
    const QDir texts(programDir + QStringLiteral("texts"));
    for (const QString &name : texts.entryList(QDir::Files | QDir::Readable, QDir::Name)) {
        // Only the head: any file may lie in texts/, and the menu is filled on every opening.
        const QString title =
            IniFile::fromLines(ReadTextFileHead(texts.filePath(name), kLanguageTitleHead))
                .value(QStringLiteral("language"), QStringLiteral("title"))
                .trimmed();
        if (!title.isEmpty())
            languages.push_back({name, title});
    }
    return languages;
}

void FillLanguageMenu(QMenu &menu, const std::vector<LanguageChoice> &languages,
                      const QString &current, const std::function<void(const QString &)> &choose) {
    menu.clear();
    qDeleteAll(menu.findChildren<QActionGroup *>(Qt::FindDirectChildrenOnly));
    auto *group = new QActionGroup(&menu);
    for (const LanguageChoice &language : languages) {
        QAction *action = menu.addAction(language.title);
        action->setObjectName(QStringLiteral("Language_") + language.fileName);
        action->setCheckable(true);
        action->setChecked(language.fileName == current);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, &menu,
                         [choose, fileName = language.fileName] { choose(fileName); });
    }
}

} // namespace qv2
