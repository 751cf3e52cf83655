// How long a room refresh's drawing takes with the real pictures read from disk (there is no
// picture cache by design), and how long finding and reading a level in the sample archive takes.
// Run from the build tree: bench/room_bench (the program folder is the parent of bench/).
#include "level/archive.h"
#include "level/archive_file.h"
#include "ui/ini_file.h"
#include "view/program_folder.h"
#include "view/room_painter.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

QString programDir() { return QCoreApplication::applicationDirPath() + QStringLiteral("/../"); }

qv2::Bytes sampleArchive()
{
    const qv2::LoadedArchive loaded =
        qv2::LoadArchiveImage((programDir() + QStringLiteral("qasvar.dat")).toStdString());
    return loaded.image;
}

void ComposeRoomFromDisk(benchmark::State &state)
{
    const qv2::Bytes archive = sampleArchive();
    const qv2::LocateResult located = qv2::LocateLevelResource(archive, 2003);
    qv2::LevelStore level;
    if (located.status != qv2::ArchiveStatus::Found ||
        qv2::ReadLevelResource(archive, located.entry, level) == qv2::ReadStatus::Damaged) {
        state.SkipWithError("the sample archive is missing: build the program folder first");
        return;
    }
    const qv2::IniFile background = qv2::LoadBackgroundList(programDir(), level);
    const qv2::PictureLoader pictures = qv2::PicturesFromFolder(qv2::ImagesFolder(programDir()));
    for (auto _ : state) {
        QImage picture = qv2::ComposeRoom(level, {1, 0, 0}, background, pictures);
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(ComposeRoomFromDisk)->Unit(benchmark::kMillisecond);

void LocateAndReadLevel(benchmark::State &state)
{
    const qv2::Bytes archive = sampleArchive();
    for (auto _ : state) {
        const qv2::LocateResult located = qv2::LocateLevelResource(archive, 2033);
        qv2::LevelStore level;
        benchmark::DoNotOptimize(qv2::ReadLevelResource(archive, located.entry, level));
    }
}
BENCHMARK(LocateAndReadLevel)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // the neighbour numbers need fonts
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
