// Any settings file, and the settings path as a FIFO, a folder, a link to a device, to one of them,
// to nothing or to a regular file: reading and changing the settings never waits (libFuzzer's
// timeout), never replaces what the path is nor what a link leads to unless that is a regular file,
// and what was set reads back, from the file or, when it cannot be kept, for the rest of the run.
#include "app/user_settings.h"
#include "fuzz_check.h"
#include "fuzz_folder.h"

#include <QFile>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace qv2 {
namespace {

enum class Kind {
    File,
    LinkToFile,
    Fifo,
    LinkToFifo,
    Folder,
    LinkToFolder,
    LinkToNothing,
    LinkToDevice,
    Count
};

// The settings of this run only, never the user's: the configuration folder is one of its own.
struct Paths {
    FuzzFolder folder{"qv2-settings-fuzz"};
    std::string settings;
    std::string target = folder.path() + "/target"; // what a link leads to

    Paths() {
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(folder.path()));
        settings = QFile::encodeName(UserSettings::path()).toStdString();
        std::filesystem::create_directories(std::filesystem::path(settings).parent_path());
    }
};

const Paths &ThePaths() {
    static const Paths paths;
    return paths;
}

void WriteText(const std::string &path, const std::uint8_t *data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
    FUZZ_CHECK(out.good());
}

// Makes the settings path of that kind, with the text where there is a file to hold it; false
// when this system does not allow it (a device node needs root).
bool Make(Kind kind, const std::uint8_t *data, std::size_t size) {
    const Paths &paths = ThePaths();
    std::filesystem::remove_all(paths.settings);
    std::filesystem::remove_all(paths.target);
    const bool linked = kind != Kind::File && kind != Kind::Fifo && kind != Kind::Folder;
    const std::string &made = linked ? paths.target : paths.settings;
    switch (kind) {
    case Kind::File:
    case Kind::LinkToFile:
        WriteText(made, data, size);
        break;
    case Kind::Fifo:
    case Kind::LinkToFifo:
        FUZZ_CHECK(mkfifo(made.c_str(), 0600) == 0);
        break;
    case Kind::Folder:
    case Kind::LinkToFolder:
        FUZZ_CHECK(mkdir(made.c_str(), 0700) == 0);
        break;
    case Kind::LinkToDevice:
        // The null device's number, as a node of this run's own.
        if (mknod(made.c_str(), S_IFCHR | 0600, makedev(1, 3)) != 0)
            return false;
        break;
    case Kind::LinkToNothing:
    case Kind::Count:
        break;
    }
    if (linked)
        FUZZ_CHECK(symlink(paths.target.c_str(), paths.settings.c_str()) == 0);
    return true;
}

// What the path is (lstat) or leads to (stat): its type and, for a regular file or device, which
// one.
struct Place {
    mode_t type = 0;
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const Place &) const = default;
};

Place PlaceOf(int (*call)(const char *, struct stat *), const std::string &path) {
    struct stat status {};
    if (call(path.c_str(), &status) != 0)
        return {};
    return {status.st_mode & S_IFMT, status.st_dev, status.st_ino};
}

} // namespace
} // namespace qv2

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace qv2;
    if (size == 0)
        return 0;
    const Paths &paths = ThePaths();
    const auto kind = static_cast<Kind>(data[0] % static_cast<int>(Kind::Count));
    if (!Make(kind, data + 1, size - 1))
        return 0;
    const Place linkBefore = PlaceOf(lstat, paths.settings);
    const Place before = PlaceOf(stat, paths.settings);

    const bool kept = kind == Kind::File || kind == Kind::LinkToFile;
    const int zoom = 1 + data[0] / static_cast<int>(Kind::Count) % kMaxZoom;
    const RecentLevel level{QStringLiteral("a.dat"), static_cast<std::uint16_t>(1 + size % 0xFFFF)};
    {
        UserSettings settings;
        FUZZ_CHECK(settings.kept() == kept);
        (void)settings.language();
        FUZZ_CHECK(settings.zoom() >= 1 && settings.zoom() <= kMaxZoom);
        const std::vector<RecentLevel> recent = settings.recentLevels();
        FUZZ_CHECK(recent.size() <= kRecentLevelCount);
        settings.setZoom(zoom);
        settings.setRecentLevels(AddRecentLevel(recent, level));
    }
    const UserSettings again;
    FUZZ_CHECK(again.kept() == kept);
    FUZZ_CHECK(again.zoom() == zoom);
    FUZZ_CHECK(!again.recentLevels().empty() && again.recentLevels().front() == level);

    // The path is what it was; a link leads to the same thing, which only a regular file may
    // have replaced with another (a save writes a new file in its place).
    const Place linkAfter = PlaceOf(lstat, paths.settings);
    const Place after = PlaceOf(stat, paths.settings);
    FUZZ_CHECK(linkAfter.type == linkBefore.type);
    FUZZ_CHECK(after.type == before.type);
    if (kind != Kind::File)
        FUZZ_CHECK(linkAfter == linkBefore);
    if (!kept)
        FUZZ_CHECK(after == before);
    return 0;
}
