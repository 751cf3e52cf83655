// Open and Save of a level in archives of 1 MiB and 64 MiB whose level slot lies near the end.
// Open reads the whole archive, so its floor is a plain whole-file read of the same size. Save
// writes a complete new archive and renames it over the old one, so its floor is a plain write of
// the same size, fsync and rename: the least that gives the same durability.
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

void RegisterSize(const QTemporaryDir &folder, std::size_t mebibytes, const LevelStore &level) {
    const std::string size = std::to_string(mebibytes) + "MiB";
    const std::string archive =
        folder.filePath(QString::fromStdString(size + ".dat")).toStdString();
    const std::string floorFile =
        folder.filePath(QString::fromStdString(size + "-floor.dat")).toStdString();
    WriteLargeArchive(archive, mebibytes * kMiB, level);
    const Bytes image = PlainRead(archive);
    PlainWriteAndRename(floorFile, image);

    benchmark::RegisterBenchmark(("ReadFile/" + size).c_str(),
                                 [=](benchmark::State &state) {
                                     for (auto _ : state)
                                         benchmark::DoNotOptimize(PlainRead(archive).data());
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark(("Open/" + size).c_str(),
                                 [=](benchmark::State &state) {
                                     for (auto _ : state) {
                                         LevelStore opened;
                                         if (!OpenLevelFromArchive(archive, 2000, opened).opened())
                                             state.SkipWithError("the level did not open");
                                     }
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
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

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv); // for the program folder
    const BenchOptions options = ParseBenchOptions(argc, argv);
    const LevelStore level = SampleLevel(2000);
    QTemporaryDir folder;
    RegisterSize(folder, 1, level);
    if (!options.quick)
        RegisterSize(folder, 64, level);
    return RunAndJudge(
        {
            {"Open/1MiB", "ReadFile/1MiB", 0},
            {"Save/1MiB", "WriteFsyncRename/1MiB", 0},
            {"Open/64MiB", "ReadFile/64MiB", 1.2},
            {"Save/64MiB", "WriteFsyncRename/64MiB", 1.2},
            {"Save/64MiB", "CopyFile/64MiB", 0},
        },
        options);
}
