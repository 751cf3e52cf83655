#pragma once

#include <QSettings>
#include <QString>

#include <cstdint>
#include <vector>

namespace qv2 {

// A level as the user opened or saved it: the archive file and the level's id in it.
struct RecentLevel {
    QString path;
    std::uint16_t id;
    bool operator==(const RecentLevel &) const = default;
};

inline constexpr std::size_t kRecentLevelCount = 8;
inline constexpr int kMaxZoom = 3;

// `level` first, then the others without an earlier entry of the same pair, at most eight.
std::vector<RecentLevel> AddRecentLevel(const std::vector<RecentLevel> &levels,
                                        const RecentLevel &level);

// The user's own choices, kept in the user's configuration folder (on Linux
// ~/.config/qasvar2/qv2leved.ini), never beside the program, whose folder may not be writable.
class UserSettings {
  public:
    UserSettings();

    // Where the choices are kept, for the About box.
    QString path() const { return m_settings.fileName(); }

    // The language file's name in texts/; empty until the user chose one.
    QString language() const;
    void setLanguage(const QString &name);

    // The room view's zoom, 1..kMaxZoom.
    int zoom() const;
    void setZoom(int zoom);

    // The main window's size and place (saveGeometry) and its toolbars and docks (saveState);
    // empty until the window was first closed.
    QByteArray windowGeometry() const;
    void setWindowGeometry(const QByteArray &geometry);
    QByteArray windowState() const;
    void setWindowState(const QByteArray &state);

    // Most recent first.
    std::vector<RecentLevel> recentLevels(); // reading an array moves QSettings' group
    void setRecentLevels(const std::vector<RecentLevel> &levels);

  private:
    void setIfChanged(const QString &key, const QVariant &value);

    QSettings m_settings;
};

} // namespace qv2
