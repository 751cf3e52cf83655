#pragma once

#include <QSettings>
#include <QString>

#include <cstdint>
#include <memory>
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
// When that file is no regular file (a link to a device, a FIFO, a folder) or is too large, they
// are kept only while the program runs.
class UserSettings {
  public:
    UserSettings();
    ~UserSettings();

    // Where the choices are kept, for the About box and the status line.
    static QString path();
    // Whether the choices outlive this run.
    bool kept() const { return m_file != nullptr; }

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
    std::vector<RecentLevel> recentLevels() const;
    void setRecentLevels(const std::vector<RecentLevel> &levels);

  private:
    static bool mayKeep();
    QVariant value(const QString &key) const;
    void setIfChanged(const QString &key, const QVariant &value);
    void store(const QString &key, const QVariant &value);

    std::unique_ptr<QSettings> m_file; // none when the choices are not kept
};

} // namespace qv2
