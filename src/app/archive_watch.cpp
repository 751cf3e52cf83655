#include "app/archive_watch.h"

#include <QFile>
#include <QFileInfo>

namespace qv2 {

ArchiveWatch::ArchiveWatch(QObject *parent) : QObject(parent) {
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &ArchiveWatch::fileChanged);
}

void ArchiveWatch::follow() {
    if (const QStringList watched = m_watcher.files(); !watched.isEmpty())
        m_watcher.removePaths(watched);
    if (m_memory)
        m_watcher.addPath(QFile::decodeName(m_memory->file.c_str()));
}

void ArchiveWatch::fileChanged(const QString &path) {
    // A watch stays with the file it was set on, which a save that renames a new file over the
    // name leaves behind: the name is watched anew, on the file it leads to now.
    m_watcher.removePath(path);
    if (QFileInfo::exists(path))
        m_watcher.addPath(path);
    // The editor's own save left the file as remembered.
    const std::optional<FileStamp> now = StampOfFile(QFile::encodeName(path).toStdString());
    if (m_memory && now && *now == m_memory->stamp)
        return;
    emit changedOnDisk(path);
}

} // namespace qv2
