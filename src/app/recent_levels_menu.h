#pragma once

#include "app/user_settings.h"

#include <QObject>

#include <functional>
#include <vector>

class QAction;
class QMenu;

namespace qv2 {

// The recently opened or saved levels in the File menu, most recent first and numbered, and an
// entry that clears the list. The entries are made as the menu opens, which also keeps their
// measuring out of start-up.
class RecentLevelsMenu : public QObject {
    Q_OBJECT
  public:
    // The entries stand before `before` in `menu`; choosing one passes its level to `open`, also
    // when its archive is gone (the owner offers to take it off the list). Clear list calls
    // `clear`.
    RecentLevelsMenu(QMenu &menu, QAction *before, std::function<void(const RecentLevel &)> open,
                     std::function<void()> clear);

    void setLevels(std::vector<RecentLevel> levels);
    void setClearText(const QString &text);

  private:
    void makeEntries();

    QMenu &m_menu;
    std::function<void(const RecentLevel &)> m_open;
    QAction *m_clear;
    std::vector<RecentLevel> m_levels;
    std::vector<QAction *> m_entries;
};

} // namespace qv2
