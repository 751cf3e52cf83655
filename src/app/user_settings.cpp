#include "app/user_settings.h"

#include "level/read_limits.h"

#include <QFile>
#include <QHash>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

namespace qv2 {

namespace {

const char *const kRecentArray = "recent";

// The settings of this run when the file cannot keep them.
QHash<QString, QVariant> &UnkeptValues() {
    static QHash<QString, QVariant> values;
    return values;
}

QString RecentKey(int index, const char *name) {
    return QStringLiteral("%1/%2/%3")
        .arg(QLatin1String(kRecentArray))
        .arg(index + 1)
        .arg(QLatin1String(name));
}

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

QString UserSettings::path() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/qasvar2/qv2leved.ini");
}

// Only a regular file is read and replaced, also behind a link: QSettings would wait forever on a
// FIFO and, saving, put a regular file in the place of a device or of what a link leads to. A
// missing file is made on the first change.
bool UserSettings::mayKeep() {
    const QByteArray file = QFile::encodeName(path());
    struct stat status {};
    if (lstat(file.constData(), &status) != 0)
        return errno == ENOENT;
    if (stat(file.constData(), &status) != 0)
        return false;
    return S_ISREG(status.st_mode) &&
           static_cast<std::size_t>(status.st_size) <= kSettingsFileLimit;
}

UserSettings::UserSettings() {
    if (mayKeep())
        m_file = std::make_unique<QSettings>(path(), QSettings::IniFormat);
}

UserSettings::~UserSettings() = default;

QVariant UserSettings::value(const QString &key) const {
    return m_file ? m_file->value(key) : UnkeptValues().value(key);
}

// A value the file already holds is not set again: any set makes QSettings rewrite and flush the
// whole file to disk, which start-up and reopening the same level have no need of. The file holds
// text, so values are compared as text.
void UserSettings::setIfChanged(const QString &key, const QVariant &value) {
    if (this->value(key).toString() != value.toString())
        store(key, value);
}

void UserSettings::store(const QString &key, const QVariant &value) {
    // The file may have been replaced since it was read.
    if (m_file && !mayKeep())
        m_file.reset();
    if (m_file)
        m_file->setValue(key, value);
    else
        UnkeptValues().insert(key, value);
}

QString UserSettings::language() const {
    return value(QStringLiteral("language")).toString();
}

void UserSettings::setLanguage(const QString &name) {
    setIfChanged(QStringLiteral("language"), name);
}

int UserSettings::zoom() const {
    const QVariant zoom = value(QStringLiteral("zoom"));
    return std::clamp(zoom.isValid() ? zoom.toInt() : 1, 1, kMaxZoom);
}

void UserSettings::setZoom(int zoom) {
    // Compared with the zoom in use, so that choosing the default the file does not hold writes
    // nothing either.
    if (zoom != this->zoom())
        store(QStringLiteral("zoom"), zoom);
}

QByteArray UserSettings::windowGeometry() const {
    return value(QStringLiteral("window/geometry")).toByteArray();
}

void UserSettings::setWindowGeometry(const QByteArray &geometry) {
    store(QStringLiteral("window/geometry"), geometry);
}

QByteArray UserSettings::windowState() const {
    return value(QStringLiteral("window/state")).toByteArray();
}

void UserSettings::setWindowState(const QByteArray &state) {
    store(QStringLiteral("window/state"), state);
}

// Only the entries the menu shows are looked at, whatever size a damaged file gives the list.
std::vector<RecentLevel> UserSettings::recentLevels() const {
    std::vector<RecentLevel> levels;
    const int stored = value(QStringLiteral("%1/size").arg(QLatin1String(kRecentArray))).toInt();
    const int count = std::min(stored, static_cast<int>(kRecentLevelCount));
    for (int i = 0; i < count; ++i) {
        const QString path = value(RecentKey(i, "path")).toString();
        bool ok = false;
        const uint id = value(RecentKey(i, "id")).toUInt(&ok);
        if (!path.isEmpty() && ok && id >= 1 && id <= 0xFFFF)
            levels.push_back({path, static_cast<std::uint16_t>(id)});
    }
    return levels;
}

// Written as QSettings writes an array, so files of earlier versions read the same.
void UserSettings::setRecentLevels(const std::vector<RecentLevel> &levels) {
    if (recentLevels() == levels)
        return;
    const QString prefix = QLatin1String(kRecentArray) + QLatin1Char('/');
    if (m_file) {
        m_file->remove(QLatin1String(kRecentArray));
    } else {
        QHash<QString, QVariant> &values = UnkeptValues();
        values.removeIf([&](const auto &entry) { return entry.key().startsWith(prefix); });
    }
    for (int i = 0; i < static_cast<int>(levels.size()); ++i) {
        setIfChanged(RecentKey(i, "path"), levels[i].path);
        setIfChanged(RecentKey(i, "id"), levels[i].id);
    }
    setIfChanged(prefix + QStringLiteral("size"), static_cast<int>(levels.size()));
}

} // namespace qv2
