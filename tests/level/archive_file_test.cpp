#include "level/archive_file.h"
#include "level/level_layout.h"
#include "support/archive_builder.h"

#include <gtest/gtest.h>

#include <filesystem>

#if defined(__unix__)
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace qv2 {
namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t kSnds = 0x53444E53;

// A sound resource and three levels; the third has a bad checksum byte.
ArchiveBuilder ThreeLevels() {
    ArchiveBuilder builder;
    builder.addResource(builder.addType(kSnds), 3, PatternBytes(64, 7));
    builder.addLevel(2000, MakeFullLevel({.startRoom = 5, .levelType = 2}));
    builder.addLevel(2001, MakeFullLevel({.startRoom = 9, .firstTileKind = 0x14}));
    builder.addLevel(2020, PatternBytes(300, 4), Checksum::Bad);
    return builder;
}

TEST(OpenLevel, CopiesTheLevelAndTellsTheChecksum) {
    const ArchiveBuilder builder = ThreeLevels();
    const ArchiveOnDisk archive(builder);
    LevelStore level;

    const ArchiveResult good = OpenLevelFromArchive(archive.path, 2001, level);
    EXPECT_EQ(good.outcome, ArchiveOutcome::Done);
    EXPECT_EQ(level.bytes(), MakeFullLevel({.startRoom = 9, .firstTileKind = 0x14}));

    const ArchiveResult bad = OpenLevelFromArchive(archive.path, 2020, level);
    EXPECT_EQ(bad.outcome, ArchiveOutcome::ChecksumBad);
    EXPECT_TRUE(bad.opened());
    EXPECT_EQ(level.bytes(), PatternBytes(300, 4)); // size follows the slot
}

TEST(OpenLevel, FailuresLeaveTheStoreAsItWas) {
    const ArchiveBuilder builder = ThreeLevels();
    const ArchiveOnDisk archive(builder);
    ArchiveBuilder noLevels;
    noLevels.addResource(noLevels.addType(kSnds), 2000, PatternBytes(8, 1));
    const std::string noLevelsPath = archive.write("nolevels.dat", noLevels.build());
    Bytes cut = archive.image;
    cut.resize(builder.dataOffsetOf(1, 1) + 100);
    const std::string cutPath = archive.write("cut.dat", cut);

    struct Case {
        const char *name;
        std::string path;
        std::uint16_t id;
        ArchiveOutcome outcome;
    };
    const Case cases[] = {
        {"missing file", archive.folder.file("absent.dat"), 2000, ArchiveOutcome::CantRead},
        {"folder", archive.folder.path(), 2000, ArchiveOutcome::CantRead},
        {"no level type", noLevelsPath, 2000, ArchiveOutcome::NoIndex},
        {"no such id", archive.path, 2013, ArchiveOutcome::NoLevel},
        {"level cut short", cutPath, 2001, ArchiveOutcome::Damaged},
    };
    for (const Case &c : cases) {
        LevelStore level(PatternBytes(20, 3));
        const ArchiveResult result = OpenLevelFromArchive(c.path, c.id, level);
        EXPECT_EQ(result.outcome, c.outcome) << c.name;
        EXPECT_FALSE(result.opened()) << c.name;
        EXPECT_EQ(result.systemError.empty(), c.outcome != ArchiveOutcome::CantRead) << c.name;
        EXPECT_EQ(level.bytes(), PatternBytes(20, 3)) << c.name;
    }
}

TEST(SaveLevel, UnchangedLevelLeavesTheFileByteForByte) {
    const ArchiveBuilder builder = ThreeLevels();
    const ArchiveOnDisk archive(builder);
    LevelStore level;
    ASSERT_EQ(OpenLevelFromArchive(archive.path, 2000, level).outcome, ArchiveOutcome::Done);
    EXPECT_EQ(SaveLevelToArchive(archive.path, 2000, level).outcome, ArchiveOutcome::Done);
    EXPECT_EQ(ReadFile(archive.path), archive.image);
    EXPECT_EQ(archive.names(), std::vector<std::string>{"qasvar.dat"});
}

// A save reads the archive only where its index, tables and slot are and copies the rest: in an
// archive of megabytes the slot lies far from its table.
TEST(SaveLevel, IntoAnotherSlotChangesOnlyThatSlot) {
    ArchiveBuilder large = ThreeLevels();
    for (std::uint16_t id = 10; id < 50; ++id)
        large.addResource(0, id, PatternBytes(0xFFFF, static_cast<std::uint8_t>(id)));
    const struct {
        const char *name;
        ArchiveBuilder builder;
    } cases[] = {{"small", ThreeLevels()}, {"large", large}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const ArchiveOnDisk archive(c.builder);
        LevelStore level;
        OpenLevelFromArchive(archive.path, 2000, level);
        level.setByte(TileKindAt(32, 2, 9), 0x2C);
        ASSERT_EQ(SaveLevelToArchive(archive.path, 2001, level).outcome, ArchiveOutcome::Done);

        const Bytes after = ReadFile(archive.path).value();
        ASSERT_EQ(after.size(), archive.image.size());
        const std::size_t slot = c.builder.dataOffsetOf(1, 1);
        for (std::size_t i = 0; i < after.size(); ++i) {
            if (i < slot || i > slot + kFullLevelSize) {
                ASSERT_EQ(after[i], archive.image[i]) << "byte " << i;
            }
        }
        LevelStore back;
        EXPECT_EQ(OpenLevelFromArchive(archive.path, 2001, back).outcome, ArchiveOutcome::Done);
        EXPECT_EQ(back.bytes(), level.bytes());
    }
}

TEST(SaveLevel, RefusedLookupsWriteNothing) {
    const ArchiveBuilder builder = ThreeLevels();
    const ArchiveOnDisk archive(builder);
    const LevelStore level(MakeFullLevel());
    EXPECT_EQ(SaveLevelToArchive(archive.path, 2013, level).outcome, ArchiveOutcome::NoLevel);
    const ArchiveResult missing =
        SaveLevelToArchive(archive.folder.file("gone/qasvar.dat"), 2000, level);
    EXPECT_EQ(missing.outcome, ArchiveOutcome::CantRead);
    EXPECT_FALSE(missing.systemError.empty());
    EXPECT_EQ(ReadFile(archive.path), archive.image);
    EXPECT_EQ(archive.names(), std::vector<std::string>{"qasvar.dat"});
}

#if defined(__unix__)
// A file size limit makes the write fail half way, whatever the user's privileges.
TEST(SaveLevel, WriteFailingHalfWayLeavesTheFileAndNoLeftovers) {
    const ArchiveBuilder builder = ThreeLevels();
    const ArchiveOnDisk archive(builder);
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = archive.image.size() / 2;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);

    const ArchiveResult result = SaveLevelToArchive(archive.path, 2000, LevelStore(Bytes(5, 1)));

    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);
    EXPECT_EQ(result.outcome, ArchiveOutcome::CantWrite);
    EXPECT_FALSE(result.systemError.empty());
    EXPECT_EQ(ReadFile(archive.path), archive.image);
    EXPECT_EQ(archive.names(), std::vector<std::string>{"qasvar.dat"});
}

TEST(SaveLevel, KeepsPermissionsAndWritesThroughALink) {
    const ArchiveBuilder builder = ThreeLevels();
    const ArchiveOnDisk archive(builder);
    fs::permissions(archive.path,
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const std::string link = archive.folder.file("link.dat");
    fs::create_symlink(archive.path, link);

    ASSERT_EQ(SaveLevelToArchive(link, 2000, LevelStore(Bytes(3, 0x41))).outcome,
              ArchiveOutcome::Done);

    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::status(archive.path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    LevelStore back;
    EXPECT_EQ(OpenLevelFromArchive(archive.path, 2000, back).outcome, ArchiveOutcome::Done);
    EXPECT_EQ(back.byte(2), 0x41);
    EXPECT_EQ(back.byte(3), 0); // the rest of the slot stays as it was
}
#endif

} // namespace
} // namespace qv2
