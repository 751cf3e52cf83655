#include "app/recent_levels_menu.h"

#include <QAction>
#include <QDir>
#include <QFontMetrics>
#include <QMenu>

namespace qv2 {

namespace {

// Long paths are shortened in the middle, where the folders are least telling.
constexpr int kPathWidth = 420;

} // namespace

RecentLevelsMenu::RecentLevelsMenu(QMenu &menu, QAction *before,
                                   std::function<void(const RecentLevel &)> open,
                                   std::function<void()> clear)
    : QObject(&menu), m_menu(menu), m_open(std::move(open)), m_clear(new QAction(&menu)) {
    m_clear->setObjectName(QStringLiteral("ClearRecentLevels"));
    m_clear->setEnabled(false);
    m_menu.insertAction(before, m_clear);
    connect(m_clear, &QAction::triggered, this, std::move(clear));
    connect(&m_menu, &QMenu::aboutToShow, this, &RecentLevelsMenu::makeEntries);
}

void RecentLevelsMenu::setLevels(std::vector<RecentLevel> levels) {
    m_levels = std::move(levels);
    m_clear->setEnabled(!m_levels.empty());
}

void RecentLevelsMenu::setClearText(const QString &text) {
    m_clear->setText(text);
}

void RecentLevelsMenu::makeEntries() {
    // Deleted later: the entry just chosen is still delivering its signal.
    for (QAction *entry : m_entries) {
        m_menu.removeAction(entry);
        entry->setObjectName(QString()); // its successor takes the name
        entry->deleteLater();
    }
    m_entries.clear();
    const QFontMetrics metrics(m_menu.font());
    for (std::size_t i = 0; i < m_levels.size(); ++i) {
        const RecentLevel level = m_levels[i];
        QString path =
            metrics.elidedText(QDir::toNativeSeparators(level.path), Qt::ElideMiddle, kPathWidth);
        path.replace(QLatin1Char('&'),
                     QStringLiteral("&&")); // shown as is, not as a shortcut letter
        auto *entry = new QAction(
            QStringLiteral("&%1 %2 \u2013 %3").arg(i + 1).arg(path).arg(level.id), &m_menu);
        entry->setObjectName(QStringLiteral("RecentLevel%1").arg(i + 1));
        connect(entry, &QAction::triggered, this, [this, level] { m_open(level); });
        m_menu.insertAction(m_clear, entry);
        m_entries.push_back(entry);
    }
}

} // namespace qv2
