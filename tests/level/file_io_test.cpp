// Whole inputs are read only up to a limit no honest file reaches, and never wait on a FIFO.
#include "level/file_io.h"
#include "support/archive_builder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

namespace qv2 {
namespace {

constexpr std::size_t kLimit = 1000;

TEST(ReadWholeFile, RefusesWhatNoHonestFileReaches) {
    TempFolder folder;
    const std::string path = folder.file("input");
    const struct {
        const char *name;
        // Makes the input at `path`; false when this system does not allow it.
        std::function<bool()> make;
        std::string error;
        std::size_t size;
    } cases[] = {
        {"a file at the limit", [&] { return WriteFile(path, Bytes(kLimit, 'a')); }, "", kLimit},
        {"a file one byte over", [&] { return WriteFile(path, Bytes(kLimit + 1, 'a')); },
         SystemReason(EFBIG), 0},
        {"a huge sparse file, refused by its size",
         [&] { return WriteFile(path, {}) && truncate(path.c_str(), 1ll << 32) == 0; },
         SystemReason(EFBIG), 0},
        {"a device without end (as /dev/zero)",
         [&] {
             // A file system mounted without devices would refuse to open it.
             return mknod(path.c_str(), S_IFCHR | 0600, makedev(1, 5)) == 0 &&
                    close(open(path.c_str(), O_RDONLY)) == 0;
         },
         SystemReason(EFBIG), 0},
        {"a FIFO without a writer does not wait", [&] { return mkfifo(path.c_str(), 0600) == 0; },
         "", 0},
        {"a folder", [&] { return mkdir(path.c_str(), 0700) == 0; }, SystemReason(EISDIR), 0},
    };
    for (const auto &c : cases) {
        std::filesystem::remove_all(path);
        if (!c.make()) {
            std::printf("skipped \"%s\": %s\n", c.name, SystemReason(errno).c_str());
            continue;
        }
        Bytes bytes{1, 2, 3};
        EXPECT_EQ(ReadWholeFile(path, kLimit, bytes), c.error) << c.name;
        EXPECT_EQ(bytes.size(), c.size) << c.name;
    }
}

TEST(ReadWholeStream, StopsAPipeJustPastTheLimit) {
    const struct {
        const char *name;
        std::size_t written;
        std::string error;
    } cases[] = {
        {"at the limit", kLimit, ""},
        {"one byte over", kLimit + 1, SystemReason(EFBIG)},
    };
    for (const auto &c : cases) {
        int ends[2];
        ASSERT_EQ(pipe(ends), 0);
        std::thread writer([&] {
            WriteAll(ends[1], Bytes(c.written, 'a'));
            close(ends[1]);
        });
        Bytes bytes;
        EXPECT_EQ(ReadWholeStream(ends[0], kLimit, bytes), c.error) << c.name;
        writer.join();
        close(ends[0]);
    }
}

} // namespace
} // namespace qv2
