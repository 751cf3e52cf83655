#pragma once

#include "app/user_settings.h"

#include <QLabel>

#include <vector>

namespace qv2 {

class MessageTexts;

// What the empty room view offers before a level is open, as links: open an archive (with the
// keys that do it), each recent level whose archive is there, the sample archive when the program
// folder has one.
QString StartHintText(const MessageTexts &texts, const QString &openKeys,
                      const std::vector<RecentLevel> &recent, bool sampleThere);

// The hint, laid over the room view; its links are reached with the mouse or with Tab.
class StartHint : public QLabel {
    Q_OBJECT
  public:
    explicit StartHint(QWidget &view);

  signals:
    void openChosen();
    void recentChosen(const RecentLevel &level);
    void sampleChosen();

  public:
    void showHint(const MessageTexts &texts, const QString &openKeys,
                  const std::vector<RecentLevel> &recent, bool sampleThere);

  private:
    void follow(const QString &link);

    std::vector<RecentLevel> m_recent; // as shown, links to them by position
};

} // namespace qv2
