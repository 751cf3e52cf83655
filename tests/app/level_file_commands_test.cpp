// Save in the editor tells why it left an archive as it was.
#include "app/level_file_commands.h"
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
        saveLevel(state, modals, path, 2000);
        if (other >= 0)
            close(other);

        EXPECT_EQ(modals.messages, QStringList{c.message.arg(path)}) << c.name;
        EXPECT_EQ(ReadFile(archive.path), archive.image) << c.name;
    }
}

} // namespace
} // namespace qv2
