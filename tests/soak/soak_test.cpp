// Ten thousand random edits on the sample archive's first level, then save and reopen. Replay a
// failure with the seed it names: QV2_SOAK_SEED=N build/dev/tests/soak_test; QV2_SOAK_EDITS sets
// the number of edits.
#include "soak_session.h"

#include "level/archive.h"
#include "level/archive_file.h"
#include "level/level_layout.h"
#include "support/archive_builder.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <numeric>
#include <set>

namespace soak {
namespace {

using namespace qv2;

std::uint32_t EnvNumber(const char *name, std::uint32_t fallback) {
    bool ok = false;
    const std::uint32_t value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

const Edit &PickEdit(Session &s) {
    const auto &edits = Edits();
    int pick = s.below(std::accumulate(edits.begin(), edits.end(), 0,
                                       [](int sum, const Edit &e) { return sum + e.weight; }));
    for (const Edit &edit : edits) {
        if ((pick -= edit.weight) < 0)
            return edit;
    }
    return edits.back();
}

// Every byte is what the edit said it sets, or what it was; the messages are counted; every
// answer the edit prepared was asked for.
void CheckStep(const Bytes &before, const Session &s, const Outcome &outcome) {
    const Bytes &after = s.state.level.bytes();
    ASSERT_EQ(after.size(), before.size());
    int wrong = 0;
    for (std::size_t offset = 0; offset < after.size() && wrong < 5; ++offset) {
        const auto written = outcome.writes.find(offset);
        const std::uint8_t expected =
            written != outcome.writes.end() ? written->second : before[offset];
        if (after[offset] != expected) {
            ADD_FAILURE() << "byte " << offset << " is " << int(after[offset]) << ", expected "
                          << int(expected);
            ++wrong;
        }
    }
    EXPECT_EQ(s.modals.messages.size(), outcome.messages)
        << s.modals.messages.join(" | ").toStdString();
    EXPECT_TRUE(s.modals.yesNoAnswers.empty() && s.modals.inputAnswers.empty() &&
                s.modals.dialogScripts.empty());
}

// The bytes that some edit of the soak can set: tile kinds and attributes, the link table, the
// rooms' enemy and coming-guard blocks (whole, by paste), the neighbours, the start position, the
// level type, number, flags and enemy graphics, and the restart points.
std::set<std::size_t> ReachableBytes() {
    std::set<std::size_t> reachable{kStartRoomOffset, kStartTileOffset,   kStartDirectionOffset,
                                    kLevelTypeOffset, kLevelNumberOffset, kEnemyGraphicsOffset};
    for (std::size_t offset = 0; offset < kLinkTableOffset + kLinkTableSize; ++offset)
        reachable.insert(offset);
    for (int i = 0; i < kLevelFlagCount; ++i) {
        reachable.insert(LevelFlagAt(i));
        reachable.insert(LevelFlagAt(i) + 1);
    }
    for (int point = 0; point < kRestartPointCount; ++point) {
        reachable.insert(RestartPointAt(point));
        reachable.insert(RestartPointAt(point) + 1);
    }
    for (int room = 1; room <= kRoomCount; ++room) {
        for (int side = 0; side < 4; ++side)
            reachable.insert(NeighbourAt(room, side));
        for (int i = 0; i < kEnemyBlockSize; ++i)
            reachable.insert(EnemyCountAt(room) + i);
        for (std::size_t at = ComingGuardCountAt(room); at < ComingGuardCountAt(room + 1); ++at)
            reachable.insert(at);
    }
    return reachable;
}

TEST(Soak, RandomEditsSaveAndReopenWithNothingElseChanged) {
    const std::uint32_t seed = EnvNumber("QV2_SOAK_SEED", 2003);
    const std::uint32_t steps = EnvNumber("QV2_SOAK_EDITS", 10000);
    SCOPED_TRACE("replay with QV2_SOAK_SEED=" + std::to_string(seed));
    const QString programDir = qEnvironmentVariable("QV2_PROGRAM_DIR");
    const std::optional<Bytes> archive = ReadFile((programDir + "qasvar.dat").toStdString());
    ASSERT_TRUE(archive);
    const LocateResult slot = LocateLevelResource(*archive, 2000);
    ASSERT_EQ(slot.status, ArchiveStatus::Found);
    LevelStore opened;
    ASSERT_EQ(ReadLevelResource(*archive, slot.entry, opened), ReadStatus::ChecksumGood);

    Session s(seed, programDir, opened);
    std::deque<std::string> recent;
    for (std::uint32_t step = 0; step < steps; ++step) {
        const Edit &edit = PickEdit(s);
        const Bytes before = s.state.level.bytes();
        s.modals.messages.clear();
        Outcome outcome;
        if (edit.recorded)
            RecordEdit(s.services, edit.name, [&] { outcome = edit.run(s); });
        else
            outcome = edit.run(s);
        if (edit.recorded && s.state.level.bytes() != before) {
            s.undoImages.push_back(before);
            s.redoImages.clear();
        }
        recent.push_back(std::to_string(step) + " " + edit.name + ": " + outcome.what);
        if (recent.size() > 12)
            recent.pop_front();
        CheckStep(before, s, outcome);
        if (::testing::Test::HasFailure()) {
            std::string log;
            for (const std::string &line : recent)
                log += "\n  " + line;
            FAIL() << "after step " << step << ", the last steps:" << log;
        }
        s.deleteReplacedControls();
    }

    // Save and reopen through the file layer that Save and Open use, on a copy of the archive.
    QTemporaryDir folder;
    const std::string copy = folder.filePath("qasvar.dat").toStdString();
    ASSERT_TRUE(QFile::copy(programDir + "qasvar.dat", QString::fromStdString(copy)));
    ASSERT_EQ(SaveLevelToArchive(copy, 2000, s.state.level).outcome, ArchiveOutcome::Done);
    LevelStore reopened;
    EXPECT_EQ(OpenLevelFromArchive(copy, 2000, reopened).outcome, ArchiveOutcome::Done);
    EXPECT_EQ(reopened.bytes(), s.state.level.bytes());
    const Bytes image = ReadFile(copy).value();
    ASSERT_EQ(image.size(), archive->size());
    const std::size_t slotEnd = slot.entry.dataOffset + 1 + slot.entry.dataSize;
    const std::size_t slotBegin = slot.entry.dataOffset;
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + slotBegin, archive->begin()));
    EXPECT_TRUE(std::equal(image.begin() + slotEnd, image.end(), archive->begin() + slotEnd));
    const std::set<std::size_t> reachable = ReachableBytes();
    for (std::size_t offset = 0; offset < opened.size(); ++offset) {
        if (!reachable.count(offset)) {
            ASSERT_EQ(reopened.byte(offset), opened.byte(offset)) << "byte " << offset;
        }
    }
}

} // namespace
} // namespace soak
