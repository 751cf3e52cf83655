// A save keeps the archive the same file to its users, and leaves nothing else behind.
#include "level/archive_file.h"
#include "level/file_io.h"
#include "support/archive_builder.h"
#include "support/child_process.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qv2 {
namespace {

namespace fs = std::filesystem;

constexpr fs::perms kReadWrite = fs::perms::owner_read | fs::perms::owner_write;

ArchiveBuilder TwoLevels() {
    ArchiveBuilder builder;
    builder.addLevel(2000, MakeFullLevel({.firstTileKind = 1}));
    builder.addLevel(2001, MakeFullLevel({.firstTileKind = 2}));
    return builder;
}

const LevelStore kSaved(MakeFullLevel({.firstTileKind = 0x2A}));

int SaveInto(const std::string &path) {
    return static_cast<int>(SaveLevelToArchive(path, 2000, kSaved).outcome);
}

struct stat StatusOf(const std::string &path) {
    struct stat status {};
    stat(path.c_str(), &status);
    return status;
}

TEST(SaveKeepsTheFile, OwnerGroupModeLinksAndFolder) {
    const bool root = geteuid() == 0;
    struct Case {
        const char *name;
        bool needsRoot;
        bool asOrdinaryUser;
        std::function<void(const ArchiveOnDisk &)> setUp;
    };
    const Case cases[] = {
        {"second hard link", false, false,
         [](const ArchiveOnDisk &a) { fs::create_hard_link(a.path, a.folder.file("link.dat")); }},
        {"private archive", false, false,
         [](const ArchiveOnDisk &a) { fs::permissions(a.path, kReadWrite); }},
        {"archive of another user", true, false,
         [](const ArchiveOnDisk &a) {
             ASSERT_EQ(chown(a.path.c_str(), kNobody, kNogroup), 0);
             fs::permissions(a.path, kReadWrite | fs::perms::group_read);
         }},
        {"archive of the user in another group", true, false,
         [](const ArchiveOnDisk &a) { ASSERT_EQ(chown(a.path.c_str(), 0, kNogroup), 0); }},
        {"writable archive in a read-only folder", false, true,
         [](const ArchiveOnDisk &a) {
             ASSERT_TRUE(GiveToOrdinaryUser(a.folder));
             fs::permissions(a.folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
         }},
    };
    for (const Case &c : cases) {
        if (c.needsRoot && !root)
            continue;
        const ArchiveOnDisk archive(TwoLevels());
        c.setUp(archive);
        const std::vector<std::string> names = archive.names();
        const struct stat before = StatusOf(archive.path);

        const auto save = [&] { return SaveInto(archive.path); };
        const int outcome = c.asOrdinaryUser ? RunAsOrdinaryUser(save).status : save();

        EXPECT_EQ(outcome, static_cast<int>(ArchiveOutcome::Done)) << c.name;
        const struct stat after = StatusOf(archive.path);
        EXPECT_EQ(after.st_uid, before.st_uid) << c.name;
        EXPECT_EQ(after.st_gid, before.st_gid) << c.name;
        EXPECT_EQ(after.st_mode, before.st_mode) << c.name;
        EXPECT_EQ(after.st_size, before.st_size) << c.name;
        EXPECT_EQ(archive.names(), names) << c.name;
        for (const std::string &name : names) {
            LevelStore level;
            OpenLevelFromArchive(archive.folder.file(name), 2000, level);
            EXPECT_EQ(level.bytes(), kSaved.bytes()) << c.name << ": " << name;
        }
    }
}

TEST(SaveKeepsTheFile, NothingIsLeftBehindByAKilledSave) {
    const ArchiveOnDisk archive(TwoLevels());
    fs::permissions(archive.path, kReadWrite);
    // The file size limit kills the save half way through writing, as kill -9 would.
    const ChildEnd killed = WaitForChild(StartChild([&] {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit half{archive.image.size() / 2, archive.image.size() / 2};
        setrlimit(RLIMIT_FSIZE, &half);
        return SaveInto(archive.path);
    }));
    EXPECT_EQ(killed.signal, SIGXFSZ);
    EXPECT_EQ(ReadFile(archive.path), archive.image);
    EXPECT_EQ(archive.names(), std::vector<std::string>{"qasvar.dat"});

    // What killed saves of earlier versions left is cleared by the next save; other files stay.
    for (int n = 0; n < 100; ++n)
        archive.write("qasvar.dat.saving" + std::to_string(n), Bytes(10, 1));
    archive.write("qasvar.dat.saving-notes", Bytes(10, 1));
    archive.write("other.dat.saving1", Bytes(10, 1));
    EXPECT_EQ(SaveInto(archive.path), static_cast<int>(ArchiveOutcome::Done));
    EXPECT_EQ(archive.names(), (std::vector<std::string>{"other.dat.saving1", "qasvar.dat",
                                                         "qasvar.dat.saving-notes"}));
}

// The copy a save makes of the archive: exactly the bytes asked for, and an error when the file
// holds fewer (another program cut it short meanwhile).
TEST(CopyFileStart, CopiesThePrefixOrFails) {
    TempFolder folder;
    const Bytes source = PatternBytes(3 * 65536 + 5, 9);
    ASSERT_TRUE(WriteFile(folder.file("source"), source));
    const struct {
        const char *name;
        std::size_t size;
        bool copied;
    } cases[] = {{"whole", source.size(), true},
                 {"prefix", 70000, true},
                 {"beyond", source.size() + 1, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const int from = open(folder.file("source").c_str(), O_RDONLY);
        const int to = open(folder.file(c.name).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const std::string error = CopyFileStart(from, c.size, to);
        close(from);
        close(to);
        EXPECT_EQ(error.empty(), c.copied) << error;
        if (c.copied) {
            EXPECT_EQ(ReadFile(folder.file(c.name)),
                      Bytes(source.begin(), source.begin() + static_cast<std::ptrdiff_t>(c.size)));
        }
    }
}

} // namespace
} // namespace qv2
