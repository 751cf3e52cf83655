#pragma once

#include "app/user_settings.h"

#include <QObject>

#include <functional>
#include <vector>

class QAction;
class QMenu;

namespace qv2 {

// The recently opened or saved levels in the File menu, most recent first and numbered; an entry
// whose archive is not there when the menu opens is greyed. The entries are made as the menu
// opens, which also keeps their measuring out of start-up.
class RecentLevelsMenu : public QObject {
    Q_OBJECT
  public:
    // The entries stand before `before` in `menu`; choosing one passes its level to `open`.
    RecentLevelsMenu(QMenu &menu, QAction *before, std::function<void(const RecentLevel &)> open);

    void setLevels(std::vector<RecentLevel> levels);

  private:
    void makeEntries();

    QMenu &m_menu;
    QAction *m_before;
    std::function<void(const RecentLevel &)> m_open;
    std::vector<RecentLevel> m_levels;
    std::vector<QAction *> m_entries;
};

} // namespace qv2
