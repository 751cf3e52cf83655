// The archive lock between programs, and which files a save may change at all.
#include "level/archive_file.h"
#include "support/archive_builder.h"
#include "support/child_process.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <unistd.h>

namespace qv2 {
namespace {

ArchiveBuilder TwoLevels() {
    ArchiveBuilder builder;
    builder.addLevel(2000, MakeFullLevel({.firstTileKind = 1}));
    builder.addLevel(2001, MakeFullLevel({.firstTileKind = 2}));
    return builder;
}

LevelStore MarkedLevel(std::uint8_t mark) {
    return LevelStore(MakeFullLevel({.firstTileKind = mark}));
}

std::uint8_t MarkOf(const std::string &path, std::uint16_t id) {
    LevelStore level;
    OpenLevelFromArchive(path, id, level);
    return level.byte(0);
}

TEST(ArchiveLock, TwoSavesAtOnceBothLandOrTheLaterOneSaysBusy) {
    // A big archive keeps each save busy long enough for the two to overlap; the bytes behind the
    // tables belong to no resource.
    Bytes image = TwoLevels().build();
    image.resize(image.size() + (32u << 20), 0x5A);
    const TempFolder folder;
    const std::string path = folder.file("qasvar.dat");
    ASSERT_TRUE(WriteFile(path, image));

    int start[2];
    ASSERT_EQ(pipe(start), 0);
    const std::uint16_t ids[2] = {2000, 2001};
    pid_t savers[2];
    for (int k = 0; k < 2; ++k) {
        savers[k] = StartChild([&, k] {
            close(start[1]);
            char go = 0;
            if (read(start[0], &go, 1) < 0) // both wait here until the parent closes the pipe
                return 126;
            const LevelStore level = MarkedLevel(0x20 + k);
            return static_cast<int>(SaveLevelToArchive(path, ids[k], level).outcome);
        });
    }
    close(start[0]);
    close(start[1]);

    int landed = 0;
    for (int k = 0; k < 2; ++k) {
        const ChildEnd end = WaitForChild(savers[k]);
        if (end.status == static_cast<int>(ArchiveOutcome::Done)) {
            ++landed;
            EXPECT_EQ(MarkOf(path, ids[k]), 0x20 + k) << "save " << k << " said done, but was lost";
        } else {
            EXPECT_EQ(end.status, static_cast<int>(ArchiveOutcome::Busy)) << "save " << k;
        }
    }
    EXPECT_GE(landed, 1);
    EXPECT_EQ(ReadFile(path)->size(), image.size());
}

TEST(ArchiveLock, ASaveWaitsForOpensAndSavesAndAnOpenForSaves) {
    struct Case {
        const char *name;
        int heldLock; // what another program holds
        ArchiveOutcome open;
    };
    const Case cases[] = {
        {"another save under way", LOCK_EX, ArchiveOutcome::Busy},
        {"another open under way", LOCK_SH, ArchiveOutcome::Done},
    };
    const auto wait = std::chrono::milliseconds(50);
    for (const Case &c : cases) {
        const ArchiveOnDisk archive(TwoLevels());
        const int other = open(archive.path.c_str(), O_RDONLY | O_CLOEXEC);
        ASSERT_EQ(flock(other, c.heldLock), 0) << c.name;

        LevelStore level;
        EXPECT_EQ(OpenLevelFromArchive(archive.path, 2000, level, wait).outcome, c.open) << c.name;
        ArchiveSaver saver(archive.path, wait);
        EXPECT_EQ(saver.locate(2000).outcome, ArchiveOutcome::Busy) << c.name;
        EXPECT_EQ(saver.write(MarkedLevel(9)).outcome, ArchiveOutcome::Busy) << c.name;
        close(other);
        EXPECT_EQ(ReadFile(archive.path), archive.image) << c.name;
    }
}

TEST(ArchiveLock, SaveRefusesWhatItMayNotChange) {
    namespace fs = std::filesystem;
    struct Case {
        const char *name;
        bool asOrdinaryUser;
        ArchiveOutcome outcome;
    };
    const Case cases[] = {
        {"read-only archive, saved by root too", false, ArchiveOutcome::CantWrite},
        {"read-only archive of an ordinary user", true, ArchiveOutcome::CantWrite},
    };
    for (const Case &c : cases) {
        const ArchiveOnDisk archive(TwoLevels());
        fs::permissions(archive.path, fs::perms::owner_read | fs::perms::others_read);
        const auto save = [&] {
            return static_cast<int>(SaveLevelToArchive(archive.path, 2000, MarkedLevel(9)).outcome);
        };
        ASSERT_TRUE(!c.asOrdinaryUser || GiveToOrdinaryUser(archive.folder)) << c.name;
        const int outcome = c.asOrdinaryUser ? RunAsOrdinaryUser(save).status : save();
        EXPECT_EQ(outcome, static_cast<int>(c.outcome)) << c.name;
        EXPECT_EQ(ReadFile(archive.path), archive.image) << c.name;
    }
    const ArchiveOnDisk archive(TwoLevels());
    const ArchiveResult folder = SaveLevelToArchive(archive.folder.path(), 2000, MarkedLevel(9));
    EXPECT_EQ(folder.outcome, ArchiveOutcome::CantRead);
    EXPECT_FALSE(folder.systemError.empty());
}

} // namespace
} // namespace qv2
