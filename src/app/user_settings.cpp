#include "app/user_settings.h"

#include <algorithm>

namespace qv2 {

namespace {

const char *const kRecentArray = "recent";

} // namespace

std::vector<RecentLevel> AddRecentLevel(const std::vector<RecentLevel> &levels,
                                        const RecentLevel &level) {
    std::vector<RecentLevel> result{level};
    for (const RecentLevel &earlier : levels) {
        if (result.size() == kRecentLevelCount)
            break;
        if (earlier != level)
            result.push_back(earlier);
    }
    return result;
}

UserSettings::UserSettings()
    : m_settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("qasvar2"),
                 QStringLiteral("qv2leved")) {}

QString UserSettings::language() const {
    return m_settings.value(QStringLiteral("language")).toString();
}

void UserSettings::setLanguage(const QString &name) {
    setIfChanged(QStringLiteral("language"), name);
}

int UserSettings::zoom() const {
    return std::clamp(m_settings.value(QStringLiteral("zoom"), 1).toInt(), 1, kMaxZoom);
}

void UserSettings::setZoom(int zoom) {
    // Compared with the zoom in use, so that choosing the default the file does not hold writes
    // nothing either.
    if (zoom != this->zoom())
        m_settings.setValue(QStringLiteral("zoom"), zoom);
}

QByteArray UserSettings::windowGeometry() const {
    return m_settings.value(QStringLiteral("window/geometry")).toByteArray();
}

void UserSettings::setWindowGeometry(const QByteArray &geometry) {
    m_settings.setValue(QStringLiteral("window/geometry"), geometry);
}

QByteArray UserSettings::windowState() const {
    return m_settings.value(QStringLiteral("window/state")).toByteArray();
}

void UserSettings::setWindowState(const QByteArray &state) {
    m_settings.setValue(QStringLiteral("window/state"), state);
}

// A value the file already holds is not set again: any set makes QSettings rewrite and flush the
// whole file to disk, which start-up and reopening the same level have no need of. The file holds
// text, so values are compared as text.
void UserSettings::setIfChanged(const QString &key, const QVariant &value) {
    if (m_settings.value(key).toString() != value.toString())
        m_settings.setValue(key, value);
}

std::vector<RecentLevel> UserSettings::recentLevels() {
    std::vector<RecentLevel> levels;
    const int count = m_settings.beginReadArray(QString::fromLatin1(kRecentArray));
    for (int i = 0; i < count && levels.size() < kRecentLevelCount; ++i) {
        m_settings.setArrayIndex(i);
        const QString path = m_settings.value(QStringLiteral("path")).toString();
        bool ok = false;
        const uint id = m_settings.value(QStringLiteral("id")).toUInt(&ok);
        if (!path.isEmpty() && ok && id >= 1 && id <= 0xFFFF)
            levels.push_back({path, static_cast<std::uint16_t>(id)});
    }
    m_settings.endArray();
    return levels;
}

void UserSettings::setRecentLevels(const std::vector<RecentLevel> &levels) {
    if (recentLevels() == levels)
        return;
    m_settings.remove(QString::fromLatin1(kRecentArray));
    m_settings.beginWriteArray(QString::fromLatin1(kRecentArray), static_cast<int>(levels.size()));
    for (int i = 0; i < static_cast<int>(levels.size()); ++i) {
        m_settings.setArrayIndex(i);
        m_settings.setValue(QStringLiteral("path"), levels[i].path);
        m_settings.setValue(QStringLiteral("id"), levels[i].id);
    }
    m_settings.endArray();
}

} // namespace qv2
