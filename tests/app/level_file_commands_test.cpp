// Save in the editor tells why it left an archive as it was.
#include "app/level_file_commands.h"
#include "level/archive_file.h"
#include "support/archive_builder.h"
#include "support/scripted_modals.h"
#include "ui/editor_state.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <sys/file.h>
#include <system_error>
#include <unistd.h>

namespace qv2 {
namespace {

TEST(SaveLevelCommand, TellsWhyTheArchiveWasLeftAsItWas) {
    struct Case {
        const char *name;
        std::function<int(const std::string &)> hinder; // a descriptor to close afterwards, or -1
        QString message;                                // %1 is the archive's path
    };
    const Case cases[] = {
        {"another program is saving it",
         [](const std::string &path) {
             const int other = open(path.c_str(), O_RDONLY | O_CLOEXEC);
             flock(other, LOCK_EX);
             return other;
         },
         "busy %1"},
        {"read-only archive",
         [](const std::string &path) {
             std::filesystem::permissions(path, std::filesystem::perms::owner_read);
             return -1;
         },
         "cantwrite %1 (" + QString::fromStdString(std::generic_category().message(EACCES)) + ")"},
    };
    for (const Case &c : cases) {
        ArchiveBuilder builder;
        builder.addLevel(2000, MakeFullLevel());
        const ArchiveOnDisk archive(builder);
        EditorState state;
        state.texts.setLines({"busy=busy %s", "cantwrite=cantwrite %s (%s)"});
        state.level = LevelStore(MakeFullLevel({.startRoom = 7}));
        ScriptedModals modals;
        const QString path = QString::fromStdString(archive.path);

        const int other = c.hinder(archive.path);
        std::optional<SlotMemory> memory;
        saveLevel(state, modals, path, 2000, memory);
        if (other >= 0)
            close(other);

        EXPECT_EQ(modals.messages, QStringList{c.message.arg(path)}) << c.name;
        EXPECT_EQ(ReadFile(archive.path), archive.image) << c.name;
    }
}

// Save asks before it writes over a slot that another program wrote since the level was opened or
// last saved; a change elsewhere, or to another slot, is no reason to ask.
TEST(SaveLevelCommand, AsksBeforeOverwritingWhatAnotherProgramWrote) {
    const auto otherProgramSaves = [](std::uint16_t id) {
        return [id](const ArchiveOnDisk &archive) {
            ASSERT_EQ(
                SaveLevelToArchive(archive.path, id, LevelStore(MakeFullLevel({.startRoom = 9})))
                    .outcome,
                ArchiveOutcome::Done);
        };
    };
    // A new file renamed over the archive, as a program that writes the whole archive does.
    const auto replaced = [](bool slotKept) {
        return [slotKept](const ArchiveOnDisk &archive) {
            LevelStore slot;
            ASSERT_TRUE(OpenLevelFromArchive(archive.path, 2000, slot).opened());
            if (!slotKept)
                slot.setByte(1, 0x77);
            ArchiveBuilder other;
            other.addLevel(2000, slot.bytes());
            other.addLevel(2001, MakeFullLevel({.startRoom = 12}));
            std::filesystem::rename(archive.write("new.dat", other.build()), archive.path);
        };
    };
    struct Case {
        const char *name;
        std::function<void(const ArchiveOnDisk &)> meanwhile;
        std::uint16_t target;
        bool asked;
        bool overwrite; // the answer, when asked
    };
    const Case cases[] = {
        {"nothing changed", [](const ArchiveOnDisk &) {}, 2000, false, false},
        {"another program saved the slot, cancel", otherProgramSaves(2000), 2000, true, false},
        {"another program saved the slot, overwrite", otherProgramSaves(2000), 2000, true, true},
        {"another slot changed", otherProgramSaves(2001), 2000, false, false},
        {"saving into the slot another program saved", otherProgramSaves(2001), 2001, false, false},
        {"archive replaced, the slot as it was", replaced(true), 2000, false, false},
        {"archive replaced, the slot changed", replaced(false), 2000, true, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ArchiveBuilder builder;
        builder.addLevel(2000, MakeFullLevel({.startRoom = 4}));
        builder.addLevel(2001, MakeFullLevel({.startRoom = 5}));
        const ArchiveOnDisk archive(builder);
        const QString path = QString::fromStdString(archive.path);
        EditorState state;
        state.texts.setLines({"changedslot=%d of %s changed", "question=Q"});
        ScriptedModals modals;
        std::optional<SlotMemory> memory;
        ASSERT_TRUE(loadLevel(state, modals, path, 2000, memory));
        state.level.setByte(0, 0x55);
        // The editor's own save is no change by another program.
        ASSERT_TRUE(saveLevel(state, modals, path, 2000, memory));
        state.level.setByte(0, 0x66);

        c.meanwhile(archive);
        const std::optional<Bytes> before = ReadFile(archive.path);
        if (c.asked)
            modals.yesNoAnswers.push_back(c.overwrite);
        EXPECT_EQ(saveLevel(state, modals, path, c.target, memory), !c.asked || c.overwrite);

        EXPECT_EQ(modals.questions.size(), c.asked ? 1u : 0u);
        if (c.asked) {
            EXPECT_EQ(modals.questions[0].text, QString("2000 of qasvar.dat changed"));
        }
        LevelStore saved;
        ASSERT_TRUE(OpenLevelFromArchive(archive.path, c.target, saved).opened());
        if (c.asked && !c.overwrite) {
            EXPECT_EQ(ReadFile(archive.path), before);
        } else {
            EXPECT_EQ(saved.bytes(), state.level.bytes());
            EXPECT_EQ(memory->data, state.level.bytes()) << "remembered as written";
        }
    }
}

} // namespace
} // namespace qv2
