#include "level/archive.h"
#include "level/archive_file.h"
#include "support/archive_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace qv2 {
namespace {

constexpr std::uint32_t kPict = 0x54434950; // "PICT" read as a little-endian tag
constexpr std::uint32_t kSnds = 0x53444E53;

// The bytes a located entry points at, checksum byte excluded.
Bytes SlotBytes(const Bytes &image, const ResourceEntry &entry) {
    const auto first = image.begin() + entry.dataOffset + 1;
    return Bytes(first, first + entry.dataSize);
}

TEST(ArchiveWalk, FindsTheLevelTypeWhenItIsNotFirstInTheIndex) {
    ArchiveBuilder b;
    const int pict = b.addType(kPict);
    b.addResource(pict, 2000, PatternBytes(20, 9)); // same id in another type must not be found
    const int levels = b.addType(0);
    b.addResource(levels, 2000, PatternBytes(40, 1));
    const Bytes image = b.build();

    const LocateResult found = LocateLevelResource(image, 2000);
    ASSERT_EQ(found.status, ArchiveStatus::Found);
    EXPECT_EQ(found.entry.dataOffset, b.dataOffsetOf(levels, 0));
    EXPECT_EQ(found.entry.dataSize, 40);
}

TEST(ArchiveWalk, UsesTheFirstOfTwoZeroTags) {
    ArchiveBuilder b;
    const int first = b.addType(0);
    b.addResource(first, 2001, PatternBytes(10, 1));
    const int second = b.addType(0);
    b.addResource(second, 2000, PatternBytes(10, 2));
    const Bytes image = b.build();

    EXPECT_EQ(LocateLevelResource(image, 2000).status, ArchiveStatus::NoLevel);
    EXPECT_EQ(LocateLevelResource(image, 2001).entry.dataOffset, b.dataOffsetOf(first, 0));
}

TEST(ArchiveWalk, FirstOfTwoEntriesWithTheSameIdIsReadAndWritten) {
    ArchiveBuilder b;
    b.addLevel(2000, PatternBytes(30, 1));
    b.addLevel(2000, PatternBytes(30, 2));
    Bytes image = b.build();
    const Bytes before = image;

    const LocateResult found = LocateLevelResource(image, 2000);
    ASSERT_EQ(found.status, ArchiveStatus::Found);
    LevelStore level;
    EXPECT_EQ(ReadLevelResource(image, found.entry, level), ReadStatus::ChecksumGood);
    EXPECT_EQ(level.bytes(), PatternBytes(30, 1));

    ASSERT_EQ(WriteLevelResource(image, found.entry, LevelStore(PatternBytes(30, 7))),
              WriteStatus::Written);
    const std::uint32_t second = b.dataOffsetOf(0, 1);
    EXPECT_TRUE(std::equal(image.begin() + second, image.end(), before.begin() + second));
}

// A table offset taken as absolute would land inside another resource's data; there we plant a
// table that looks right but points elsewhere.
TEST(ArchiveWalk, TableOffsetCountsFromTheIndex) {
    ArchiveBuilder b;
    const int pict = b.addType(kPict);
    b.addResource(pict, 1, Bytes(200, 0));
    const int levels = b.addType(0);
    b.addResource(levels, 2000, PatternBytes(12, 3));
    Bytes image = b.build();

    const std::uint32_t tableOffset = b.tablePositionOf(levels) - b.indexOffset();
    ASSERT_GT(tableOffset, b.dataOffsetOf(pict, 0));
    ASSERT_LT(tableOffset + 13, b.dataOffsetOf(levels, 0));
    const std::uint8_t decoy[] = {1, 0, 0xD0, 0x07, 1, 0, 0, 0, 1, 0, 0, 0, 0};
    std::copy(std::begin(decoy), std::end(decoy), image.begin() + tableOffset);

    const LocateResult found = LocateLevelResource(image, 2000);
    ASSERT_EQ(found.status, ArchiveStatus::Found);
    EXPECT_EQ(found.entry.dataOffset, b.dataOffsetOf(levels, 0));
    EXPECT_EQ(found.entry.dataSize, 12);
}

TEST(ArchiveWalk, ReportsMissingIndexAndMissingLevel) {
    ArchiveBuilder noZeroTag;
    noZeroTag.addResource(noZeroTag.addType(kPict), 2000, PatternBytes(5, 1));
    noZeroTag.addType(kSnds);
    EXPECT_EQ(LocateLevelResource(noZeroTag.build(), 2000).status, ArchiveStatus::NoIndex);
    EXPECT_EQ(ReadLevelTable(noZeroTag.build()).status, ArchiveStatus::NoIndex);

    ArchiveBuilder noTypes;
    EXPECT_EQ(LocateLevelResource(noTypes.build(), 2000).status, ArchiveStatus::NoIndex);

    ArchiveBuilder emptyTable;
    emptyTable.addType(0);
    EXPECT_EQ(LocateLevelResource(emptyTable.build(), 2000).status, ArchiveStatus::NoLevel);

    ArchiveBuilder otherIds;
    otherIds.addLevel(2001, PatternBytes(5, 1));
    otherIds.addLevel(2020, PatternBytes(5, 2));
    EXPECT_EQ(LocateLevelResource(otherIds.build(), 2000).status, ArchiveStatus::NoLevel);
}

TEST(ArchiveWalk, LevelTableListsEveryEntryInTableOrder) {
    ArchiveBuilder b;
    b.addResource(b.addType(kSnds), 5, PatternBytes(4, 1));
    b.addLevel(2013, PatternBytes(7, 2));
    b.addLevel(2000, PatternBytes(9, 3));
    b.addLevel(2013, PatternBytes(1, 4));
    const LevelTable table = ReadLevelTable(b.build());

    ASSERT_EQ(table.status, ArchiveStatus::Found);
    ASSERT_EQ(table.entries.size(), 3u);
    const std::uint16_t ids[] = {2013, 2000, 2013};
    const std::uint16_t sizes[] = {7, 9, 1};
    for (std::size_t j = 0; j < 3; ++j) {
        EXPECT_EQ(table.entries[j].id, ids[j]) << j;
        EXPECT_EQ(table.entries[j].dataSize, sizes[j]) << j;
        EXPECT_EQ(table.entries[j].dataOffset, b.dataOffsetOf(1, static_cast<int>(j))) << j;
    }
}

TEST(LevelChecksum, IsTheByteThatMakesTheSumFF) {
    EXPECT_EQ(ChecksumByteFor(nullptr, 0), 0xFF);
    const std::uint8_t wraps[] = {0xFF, 0x02}; // sum 0x101 wraps to 0x01
    EXPECT_EQ(ChecksumByteFor(wraps, 2), 0xFE);
    const std::uint8_t full[] = {0xFF};
    EXPECT_EQ(ChecksumByteFor(full, 1), 0x00);
}

TEST(LevelChecksum, AChangedByteIsReportedButStillLoaded) {
    ArchiveBuilder b;
    b.addLevel(2000, PatternBytes(100, 5));
    Bytes image = b.build();
    const ResourceEntry entry = LocateLevelResource(image, 2000).entry;

    LevelStore level;
    EXPECT_EQ(ReadLevelResource(image, entry, level), ReadStatus::ChecksumGood);

    image[entry.dataOffset + 1 + 57] ^= 0x10;
    EXPECT_EQ(ReadLevelResource(image, entry, level), ReadStatus::ChecksumBad);
    EXPECT_EQ(level.bytes(), SlotBytes(image, entry));

    ArchiveBuilder bad;
    bad.addLevel(2000, PatternBytes(100, 5), Checksum::Bad);
    EXPECT_EQ(ReadLevelResource(bad.build(), entry, level), ReadStatus::ChecksumBad);
}

TEST(LevelWrite, ReadThenWriteUnchangedIsByteIdentical) {
    ArchiveBuilder b;
    b.addResource(b.addType(kPict), 7, PatternBytes(33, 8));
    b.addLevel(2000, MakeFullLevel());
    b.addLevel(2001, PatternBytes(500, 6));
    Bytes image = b.build();
    const Bytes before = image;

    for (std::uint16_t id : {2000, 2001}) {
        const ResourceEntry entry = LocateLevelResource(image, id).entry;
        LevelStore level;
        ASSERT_EQ(ReadLevelResource(image, entry, level), ReadStatus::ChecksumGood);
        ASSERT_EQ(WriteLevelResource(image, entry, level), WriteStatus::Written);
        EXPECT_EQ(image, before) << id;
    }
}

TEST(LevelWrite, WritingAnotherSlotChangesOnlyThatSlot) {
    ArchiveBuilder b;
    b.addLevel(2000, PatternBytes(60, 1));
    b.addResource(b.addType(kSnds), 2001, PatternBytes(60, 9));
    b.addLevel(2001, PatternBytes(60, 2));
    b.addLevel(2002, PatternBytes(60, 3));
    Bytes image = b.build();
    const Bytes before = image;

    LevelStore level;
    ReadLevelResource(image, LocateLevelResource(image, 2000).entry, level);
    const ResourceEntry target = LocateLevelResource(image, 2001).entry;
    ASSERT_EQ(WriteLevelResource(image, target, level), WriteStatus::Written);

    for (std::size_t i = 0; i < image.size(); ++i) {
        const bool inSlot = i >= target.dataOffset && i <= target.dataOffset + target.dataSize;
        if (!inSlot) {
            ASSERT_EQ(image[i], before[i]) << "byte " << i;
        }
    }
    LevelStore back;
    EXPECT_EQ(ReadLevelResource(image, target, back), ReadStatus::ChecksumGood);
    EXPECT_EQ(back.bytes(), PatternBytes(60, 1));
}

// The slot keeps its size whatever the store holds: a shorter store leaves the slot's tail as it
// was, a longer one is cut at the slot's end; either way the slot reads back with a good checksum.
TEST(LevelWrite, StoreOfAnotherSizeFillsExactlyTheSlot) {
    struct Case {
        const char *name;
        std::size_t slot;
        std::size_t store;
    };
    for (const Case c : {Case{"shorter store", 50, 10}, Case{"longer store", 10, 40},
                         Case{"empty store", 20, 0}}) {
        ArchiveBuilder b;
        b.addLevel(2000, PatternBytes(c.slot, 4));
        b.addLevel(2001, PatternBytes(10, 5));
        Bytes image = b.build();
        const Bytes before = image;
        const ResourceEntry entry = LocateLevelResource(image, 2000).entry;

        ASSERT_EQ(WriteLevelResource(image, entry, LevelStore(Bytes(c.store, 0x77))),
                  WriteStatus::Written);

        Bytes expected = PatternBytes(c.slot, 4);
        std::fill_n(expected.begin(), std::min(c.slot, c.store), 0x77);
        EXPECT_EQ(SlotBytes(image, entry), expected) << c.name;
        const std::size_t after = entry.dataOffset + 1 + entry.dataSize;
        EXPECT_TRUE(std::equal(image.begin() + after, image.end(), before.begin() + after))
            << c.name;
        LevelStore back;
        EXPECT_EQ(ReadLevelResource(image, entry, back), ReadStatus::ChecksumGood) << c.name;
    }
}

TEST(LevelData, EntriesOutsideTheImageTouchNothing) {
    ArchiveBuilder b;
    b.addLevel(2000, PatternBytes(10, 4));
    Bytes image = b.build();
    const Bytes before = image;
    const LevelStore original(PatternBytes(3, 1));

    for (const ResourceEntry entry :
         {ResourceEntry{2000, static_cast<std::uint32_t>(image.size()), 0},
          ResourceEntry{2000, 4, 0xFFFF}, ResourceEntry{2000, 0xFFFFFFFF, 0xFFFF}}) {
        LevelStore level = original;
        EXPECT_EQ(ReadLevelResource(image, entry, level), ReadStatus::Damaged);
        EXPECT_EQ(level.bytes(), original.bytes());
        EXPECT_EQ(WriteLevelResource(image, entry, original), WriteStatus::Damaged);
        EXPECT_EQ(image, before);
    }
}

struct DamageCase {
    const char *name;
    std::function<Bytes()> make;
    ArchiveStatus locate; // for id 2000
    ArchiveStatus table;
};

void PrintTo(const DamageCase &c, std::ostream *os) {
    *os << c.name;
}

const ArchiveBuilder kTwoLevelLayout = [] {
    ArchiveBuilder b;
    b.addResource(b.addType(kPict), 1, PatternBytes(8, 1));
    b.addLevel(2000, PatternBytes(20, 2));
    b.addLevel(2001, PatternBytes(20, 3));
    return b;
}();

Bytes TwoLevels(const std::function<void(ArchiveBuilder &)> &breakIt) {
    ArchiveBuilder b = kTwoLevelLayout;
    breakIt(b);
    return b.build();
}

// Level 2000 (20 bytes) pointed at another place of the same archive.
Bytes Level2000At(std::uint32_t offset) {
    return TwoLevels([&](ArchiveBuilder &b) { b.setDataOffset(1, 0, offset); });
}

Bytes Cut(Bytes image, std::size_t size) {
    image.resize(size);
    return image;
}

class ArchiveDamage : public testing::TestWithParam<DamageCase> {};

TEST_P(ArchiveDamage, IsReportedWithoutReadingOutside) {
    const Bytes image = GetParam().make();
    EXPECT_EQ(LocateLevelResource(image, 2000).status, GetParam().locate);
    EXPECT_EQ(ReadLevelTable(image).status, GetParam().table);
}

// What opening and listing the archive from a file must give: what the image in memory gives.
ArchiveOutcome OpenedFromImage(const Bytes &image) {
    const LocateResult found = LocateLevelResource(image, 2000);
    if (found.status == ArchiveStatus::NoIndex || found.status == ArchiveStatus::NoLevel)
        return found.status == ArchiveStatus::NoIndex ? ArchiveOutcome::NoIndex
                                                      : ArchiveOutcome::NoLevel;
    LevelStore level;
    const ReadStatus read = found.status == ArchiveStatus::Found
                                ? ReadLevelResource(image, found.entry, level)
                                : ReadStatus::Damaged;
    return read == ReadStatus::ChecksumGood  ? ArchiveOutcome::Done
           : read == ReadStatus::ChecksumBad ? ArchiveOutcome::ChecksumBad
                                             : ArchiveOutcome::Damaged;
}

bool ListedDamagedFromImage(const Bytes &image) {
    const LevelTable table = ReadLevelTable(image);
    const ArchiveFrame frame(image);
    LevelStore level;
    return table.status == ArchiveStatus::Damaged ||
           std::any_of(table.entries.begin(), table.entries.end(), [&](const ResourceEntry &e) {
               return !frame.holds(e) || ReadLevelResource(image, e, level) == ReadStatus::Damaged;
           });
}

// Opening and listing read the file only where its fields are, never whole, with the same checks.
TEST_P(ArchiveDamage, IsReportedTheSameFromTheFile) {
    const Bytes image = GetParam().make();
    const TempFolder folder;
    const std::string path = folder.file("damaged.dat");
    ASSERT_TRUE(WriteFile(path, image));
    LevelStore level(PatternBytes(7, 1));
    const ArchiveResult opened = OpenLevelFromArchive(path, 2000, level);
    EXPECT_EQ(opened.outcome, OpenedFromImage(image));
    if (opened.opened())
        EXPECT_EQ(level.bytes(), SlotBytes(image, LocateLevelResource(image, 2000).entry));
    else
        EXPECT_EQ(level.bytes(), PatternBytes(7, 1));
    const ArchiveListing listing = ArchiveReader(path).list();
    EXPECT_EQ(listing.result.outcome, GetParam().table == ArchiveStatus::NoIndex
                                          ? ArchiveOutcome::NoIndex
                                          : ArchiveOutcome::Done);
    const bool damaged =
        listing.tableDamaged ||
        std::any_of(listing.levels.begin(), listing.levels.end(),
                    [](const ListedLevel &l) { return l.read == ReadStatus::Damaged; });
    EXPECT_EQ(damaged, ListedDamagedFromImage(image));
    EXPECT_EQ(listing.levels.size(), ReadLevelTable(image).entries.size());
}

using S = ArchiveStatus;
INSTANTIATE_TEST_SUITE_P(
    Shapes, ArchiveDamage,
    testing::Values(
        DamageCase{"EmptyFile", [] { return Bytes{}; }, S::Damaged, S::Damaged},
        DamageCase{"HeaderCut",
                   [] {
                       return Bytes{1, 2, 3};
                   },
                   S::Damaged, S::Damaged},
        DamageCase{"IndexOffsetPastEnd",
                   [] { return TwoLevels([](ArchiveBuilder &b) { b.setIndexOffset(100000); }); },
                   S::Damaged, S::Damaged},
        DamageCase{
            "IndexOffsetWrapsAround",
            [] { return TwoLevels([](ArchiveBuilder &b) { b.setIndexOffset(0xFFFFFFFF); }); },
            S::Damaged, S::Damaged},
        DamageCase{"TypeCountRunsPastTheEndWithoutZeroTag",
                   [] {
                       ArchiveBuilder b;
                       b.addResource(b.addType(kPict), 1, PatternBytes(8, 1));
                       b.setTypeCount(0xFFFF);
                       return b.build();
                   },
                   S::Damaged, S::Damaged},
        DamageCase{"IndexCutInsideTheTypeEntries",
                   [] { return Cut(kTwoLevelLayout.build(), kTwoLevelLayout.indexOffset() + 9); },
                   S::Damaged, S::Damaged},
        DamageCase{"TableOffsetPastEnd",
                   [] { return TwoLevels([](ArchiveBuilder &b) { b.setTableOffset(1, 0xFFFF); }); },
                   S::Damaged, S::Damaged},
        DamageCase{"ResourceCountBeyondTheTable",
                   [] { return TwoLevels([](ArchiveBuilder &b) { b.setResourceCount(1, 3); }); },
                   S::Found, S::Damaged},
        DamageCase{
            "TableCutInsideTheFirstEntry",
            [] { return Cut(kTwoLevelLayout.build(), kTwoLevelLayout.tablePositionOf(1) + 12); },
            S::Damaged, S::Damaged},
        DamageCase{
            "DataOffsetPastEnd",
            [] { return TwoLevels([](ArchiveBuilder &b) { b.setDataOffset(1, 0, 0x7FFFFFFF); }); },
            S::Damaged, S::Found},
        DamageCase{"DataSizeBeyondTheEnd",
                   [] { return TwoLevels([](ArchiveBuilder &b) { b.setDataSize(1, 0, 0xFFFF); }); },
                   S::Damaged, S::Found},
        DamageCase{"DataReachingExactlyTheEnd",
                   [] {
                       // Level 2000 moved behind the tables, its last byte the file's last.
                       const auto end = static_cast<std::uint32_t>(kTwoLevelLayout.build().size());
                       Bytes image = Level2000At(end);
                       const Bytes data = PatternBytes(21, 5);
                       image.insert(image.end(), data.begin(), data.end());
                       return image;
                   },
                   S::Found, S::Found},
        DamageCase{"DataOnTheHeader", [] { return Level2000At(0); }, S::Damaged, S::Found},
        DamageCase{"DataOnTheMasterIndex",
                   [] { return Level2000At(kTwoLevelLayout.indexOffset() - 20); }, S::Damaged,
                   S::Found},
        DamageCase{"DataOnAnotherTypesTable",
                   [] { return Level2000At(kTwoLevelLayout.tablePositionOf(0) + 5); }, S::Damaged,
                   S::Found},
        DamageCase{"DataOnItsOwnTableEntry",
                   [] { return Level2000At(kTwoLevelLayout.tablePositionOf(1) + 2); }, S::Damaged,
                   S::Found},
        DamageCase{"DataEndingRightBeforeTheIndex",
                   [] { return Level2000At(kTwoLevelLayout.indexOffset() - 21); }, S::Found,
                   S::Found},
        DamageCase{"ZeroTagFoundBeforeTheIndexRunsOut",
                   [] {
                       ArchiveBuilder b;
                       b.addLevel(2000, PatternBytes(5, 1));
                       b.setTypeCount(0xFFFF);
                       return b.build();
                   },
                   S::Found, S::Found}),
    [](const testing::TestParamInfo<DamageCase> &info) { return std::string(info.param.name); });

} // namespace
} // namespace qv2
