#pragma once

#include "app/level_file_commands.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>

#include <optional>

namespace qv2 {

// Remembers the slot of the level shown and watches its archive file, so that the user learns
// when another program changed it: the next Save would write over that program's work.
class ArchiveWatch : public QObject {
    Q_OBJECT
  public:
    explicit ArchiveWatch(QObject *parent = nullptr);

    // Filled by an Open and a Save (see loadLevel and saveLevel).
    std::optional<SlotMemory> &memory() { return m_memory; }
    // Watches the file that memory() names, after an Open or a Save changed it.
    void follow();

  signals:
    // The archive file `path` is not as the editor last left it.
    void changedOnDisk(const QString &path);

  private:
    void fileChanged(const QString &path);

    std::optional<SlotMemory> m_memory;
    QFileSystemWatcher m_watcher;
};

} // namespace qv2
