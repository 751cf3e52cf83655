// Open and Save of a level in archives whose level slot lies near the end.
// Open reads the archive only where its header, index, tables and the slot are, so its floor is
// those reads with pread and nothing else; it is measured at 1 MiB and at 1 GiB (the same archive
// with a gigabyte of holes after it), where it must cost the same. Save writes a complete new
// archive and renames it over the old one, so its floor is a plain write of the same size, fsync
// and rename: the least that gives the same durability.
#include "bench_levels.h"
#include "budget_report.h"

#include "level/archive_file.h"
#include "level/file_io.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace qv2;
using namespace qv2bench;

constexpr std::size_t kMiB = 1024 * 1024;

[[noreturn]] void Fail(const char *what, const std::string &path) {
    std::perror((std::string(what) + " " + path).c_str());
    std::exit(1);
}

Bytes PlainRead(const std::string &path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat status {};
    if (fd < 0 || fstat(fd, &status) != 0)
        Fail("cannot open", path);
    Bytes bytes(static_cast<std::size_t>(status.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = read(fd, bytes.data() + done, bytes.size() - done);
        if (got <= 0)
            Fail("cannot read", path);
        done += static_cast<std::size_t>(got);
    }
    close(fd);
    return bytes;
}

std::uint32_t Field(const std::uint8_t *bytes, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value;
}

void PreadExactly(int fd, std::uint64_t at, std::size_t count, std::uint8_t *out) {
    if (pread(fd, out, count, static_cast<off_t>(at)) != static_cast<ssize_t>(count))
        std::exit(1);
}

// The least that opening level `id` reads: the header, the master index, the level table and the
// slot, each with one pread, without any check.
Bytes PreadLevel(const std::string &path, std::uint16_t id) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        Fail("cannot open", path);
    std::uint8_t field[4];
    PreadExactly(fd, 0, 4, field);
    const std::uint32_t index = Field(field, 4);
    PreadExactly(fd, index, 2, field);
    Bytes types(6 * Field(field, 2));
    PreadExactly(fd, index + 2, types.size(), types.data());
    std::uint64_t table = 0;
    for (std::size_t at = 0; at < types.size() && table == 0; at += 6)
        table = Field(&types[at], 4) == 0 ? index + Field(&types[at + 4], 2) : 0;
    PreadExactly(fd, table, 2, field);
    Bytes entries(11 * Field(field, 2));
    PreadExactly(fd, table + 2, entries.size(), entries.data());
    Bytes slot;
    for (std::size_t at = 0; at < entries.size() && slot.empty(); at += 11) {
        if (Field(&entries[at], 2) != id)
            continue;
        slot.resize(1 + Field(&entries[at + 6], 2));
        PreadExactly(fd, Field(&entries[at + 2], 4), slot.size(), slot.data());
    }
    close(fd);
    return slot;
}

void PlainWriteAndRename(const std::string &path, const Bytes &bytes) {
    const std::string temp = path + ".new";
    const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        Fail("cannot create", temp);
    if (!WriteAll(fd, bytes).empty())
        Fail("cannot write", temp);
    if (fsync(fd) != 0 || close(fd) != 0 || rename(temp.c_str(), path.c_str()) != 0)
        Fail("cannot finish", temp);
}

void RegisterOpen(const std::string &size, const std::string &archive) {
    benchmark::RegisterBenchmark(("PreadLevel/" + size).c_str(),
                                 [=](benchmark::State &state) {
                                     for (auto _ : state)
                                         benchmark::DoNotOptimize(PreadLevel(archive, 2000).data());
                                 })
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark(("Open/" + size).c_str(),
                                 [=](benchmark::State &state) {
                                     for (auto _ : state) {
                                         LevelStore opened;
                                         if (!OpenLevelFromArchive(archive, 2000, opened).opened())
                                             state.SkipWithError("the level did not open");
                                     }
                                 })
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime();
}

void RegisterSave(const std::string &size, const std::string &archive, const std::string &floorFile,
                  const LevelStore &level) {
    const Bytes image = PlainRead(archive);
    PlainWriteAndRename(floorFile, image);
    benchmark::RegisterBenchmark(("WriteFsyncRename/" + size).c_str(),
                                 [=](benchmark::State &state) {
                                     for (auto _ : state)
                                         PlainWriteAndRename(floorFile, image);
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    // Save reads the archive it writes: next to it, the plain copy of a file of the same size.
    benchmark::RegisterBenchmark(("CopyFile/" + size).c_str(),
                                 [=](benchmark::State &state) {
                                     for (auto _ : state)
                                         PlainWriteAndRename(floorFile, PlainRead(floorFile));
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark(("Save/" + size).c_str(),
                                 [=](benchmark::State &state) {
                                     for (auto _ : state) {
                                         if (SaveLevelToArchive(archive, 2000, level).outcome !=
                                             ArchiveOutcome::Done)
                                             state.SkipWithError("the level was not saved");
                                     }
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

std::string PathIn(const QTemporaryDir &folder, const std::string &name) {
    return folder.filePath(QString::fromStdString(name)).toStdString();
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv); // for the program folder
    const BenchOptions options = ParseBenchOptions(argc, argv);
    const LevelStore level = SampleLevel(2000);
    QTemporaryDir folder;
    const std::string small = PathIn(folder, "1MiB.dat");
    WriteLargeArchive(small, kMiB, level);
    RegisterOpen("1MiB", small);
    RegisterSave("1MiB", small, PathIn(folder, "1MiB-floor.dat"), level);
    if (!options.quick) {
        // The same archive followed by holes: a gigabyte that takes no room on the disk.
        const std::string huge = PathIn(folder, "1GiB.dat");
        WriteLargeArchive(huge, kMiB, level);
        if (truncate(huge.c_str(), static_cast<off_t>(1024 * kMiB)) != 0)
            Fail("cannot extend", huge);
        RegisterOpen("1GiB", huge);
        const std::string large = PathIn(folder, "64MiB.dat");
        WriteLargeArchive(large, 64 * kMiB, level);
        RegisterSave("64MiB", large, PathIn(folder, "64MiB-floor.dat"), level);
    }
    return RunAndJudge(
        {
            {"Open/1MiB", "PreadLevel/1MiB", 2},
            {"Open/1GiB", "PreadLevel/1GiB", 2},
            {"Open/1GiB", "Open/1MiB", 1.5},
            {"Save/1MiB", "WriteFsyncRename/1MiB", 0},
            {"Save/64MiB", "WriteFsyncRename/64MiB", 1.2},
            {"Save/64MiB", "CopyFile/64MiB", 0},
        },
        options);
}
