#include "app/language_menu.h"

#include "ui/ini_file.h"

#include <QActionGroup>
#include <QDir>
#include <QMenu>

namespace qv2 {

std::vector<LanguageChoice> ShippedLanguages(const QString &programDir) {
    std::vector<LanguageChoice> languages;
    const QDir texts(programDir + QStringLiteral("texts"));
    for (const QString &name : texts.entryList(QDir::Files | QDir::Readable, QDir::Name)) {
        const QString title = IniFile::load(texts.filePath(name))
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
