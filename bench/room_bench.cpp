// What the user waits for after a click on the room: the room refresh of the main window, from the
// picture files to the picture, toolbar, status line and panel, and then to the painted window.
// Its floor is decoding the same picture files from disk with the reader the refresh uses,
// with nothing else done: the refresh loads every picture anew by design, so it can come close to
// that but never below it.
#include "bench_levels.h"
#include "budget_report.h"

#include "app/startup.h"
#include "level/level_layout.h"
#include "ui/widget_modals.h"
#include "view/background_list.h"
#include "view/picture_file.h"
#include "view/program_folder.h"
#include "view/room_painter.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QMouseEvent>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace qv2;
using namespace qv2bench;

// The editor with a level opened from an archive written for it, its window shown.
struct OpenEditor {
    QTemporaryDir folder;
    WidgetModals modals;
    Program program{modals, ProgramDir()};

    explicit OpenEditor(const LevelStore &level) {
        const QString archive = folder.filePath(QStringLiteral("qasvar.dat"));
        WriteLargeArchive(archive.toStdString(), 0, level);
        modals.setParent(&program.mainWindow);
        modals.setTexts(&program.mainWindow.state().texts);
        program.LoadStartupSettings();
        program.mainWindow.show();
        program.mainWindow.openArchive(archive, 2000);
        QApplication::processEvents();
    }
};

// The names of the pictures one refresh of the room loads, in order, repeats included.
std::vector<QString> PicturesOfRoom(const LevelStore &level, int room, const IniFile &background) {
    std::vector<QString> names;
    const PictureLoader fromDisk = PicturesFromFolder(ImagesFolder(ProgramDir()));
    const PictureLoader recording = [&](const QString &name) {
        names.push_back(name);
        return fromDisk(name);
    };
    ComposeRoom(level, {room, 0, 0}, background, recording);
    return names;
}

void RegisterRoom(const std::string &what, const LevelStore &level, int room, OpenEditor &editor) {
    const IniFile background = LoadBackgroundList(ProgramDir(), level);
    const std::vector<QString> pictures = PicturesOfRoom(level, room, background);
    const QString imagesDir = ImagesFolder(ProgramDir());

    benchmark::RegisterBenchmark(("DecodePictures/" + what).c_str(),
                                 [=](benchmark::State &state) {
                                     for (auto _ : state) {
                                         for (const QString &name : pictures) {
                                             const QImage image = ReadPictureFile(
                                                 imagesDir + name + QStringLiteral(".bmp"), "bmp");
                                             benchmark::DoNotOptimize(image.constBits());
                                         }
                                     }
                                     state.counters["pictures"] =
                                         static_cast<double>(pictures.size());
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    const PictureLoader loader = PicturesFromFolder(imagesDir);
    benchmark::RegisterBenchmark(
        ("ComposeRoom/" + what).c_str(),
        [=](benchmark::State &state) {
            for (auto _ : state) {
                QImage picture = ComposeRoom(level, {room, 1, 4}, background, loader);
                benchmark::DoNotOptimize(picture.constBits());
            }
        })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    // A click on each tile in turn. The refresh deletes the panel controls it replaces once control
    // is back in the event loop, which is part of its work; the window's repaint that follows is
    // Qt's, and is timed separately.
    const auto refresh = [=, &editor](benchmark::State &state, bool painted) {
        MainWindow &window = editor.program.mainWindow;
        EditorState &editing = window.state();
        editing.room = room;
        int place = 0;
        for (auto _ : state) {
            editing.row = place / kColumns;
            editing.column = place % kColumns;
            window.refreshRoom();
            if (painted)
                QApplication::processEvents();
            else
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            place = (place + 1) % kTilesPerRoom;
        }
    };
    benchmark::RegisterBenchmark(("RefreshRoom/" + what).c_str(), refresh, false)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark(("RefreshRoomPainted/" + what).c_str(), refresh, true)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    // A stroke of the paint tool through all 30 tiles, row by row, with a brush that differs from
    // every tile, so that each one is written and drawn again; the stroke ends with one refresh.
    benchmark::RegisterBenchmark(
        ("PaintStroke/" + what).c_str(),
        [=, &editor](benchmark::State &state) {
            MainWindow &window = editor.program.mainWindow;
            window.state().room = room;
            window.refreshRoom();
            auto &view = *window.findChild<QWidget *>(QStringLiteral("PaintBox1"));
            auto &kinds = *window.findChild<QListWidget *>(QStringLiteral("PaletteList"));
            window.findChild<QAction *>(QStringLiteral("PaintTool"))->trigger();
            const auto send = [&view](QEvent::Type type, int place) {
                const QPointF at(2 + kGridLeft + kTileWidth * (place % kColumns) + 16,
                                 2 + kGridTop + kTileHeight * (place / kColumns) + 32);
                QMouseEvent event(type, at, view.mapToGlobal(at), Qt::LeftButton,
                                  type == QEvent::MouseButtonRelease ? Qt::NoButton
                                                                     : Qt::LeftButton,
                                  Qt::NoModifier);
                QCoreApplication::sendEvent(&view, &event);
            };
            int stroke = 0;
            for (auto _ : state) {
                // Two kinds no room of the level is made of, in turn.
                emit kinds.itemClicked(kinds.item(stroke++ % 2 == 0 ? 0x26 : 0x27));
                send(QEvent::MouseButtonPress, 0);
                for (int place = 1; place < kTilesPerRoom; ++place)
                    send(QEvent::MouseMove, place);
                send(QEvent::MouseButtonRelease, kTilesPerRoom - 1);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
            state.counters["per_tile"] =
                benchmark::Counter(kTilesPerRoom, benchmark::Counter::kIsIterationInvariantRate |
                                                      benchmark::Counter::kInvert);
        })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

// Qt says this each time a window is shown on the offscreen platform; it means nothing here.
void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext &context, const QString &text) {
    if (!text.contains(QLatin1String("propagateSizeHints")))
        qt_message_output(type, context, text);
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietOffscreenNotes);
    QApplication app(argc, argv);
    const BenchOptions options = ParseBenchOptions(argc, argv);
    // The editors opened here would otherwise land in the user's recent levels.
    const QTemporaryDir settingsFolder;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder.path());

    LevelStore busiest = SampleLevel(2003);
    const int busiestRoom = FillStartRoomWithMarkers(busiest);
    OpenEditor busiestEditor(busiest);
    RegisterRoom("busiest", busiest, busiestRoom, busiestEditor);

    LevelStore selectors = SampleLevel(2003);
    const int selectorRoom = selectors.byte(kStartRoomOffset);
    FillRoomWithSelectorTiles(selectors, selectorRoom, LoadBackgroundList(ProgramDir(), selectors));
    OpenEditor selectorEditor(selectors);
    RegisterRoom("selectors", selectors, selectorRoom, selectorEditor);

    return RunAndJudge(
        {
            {"ComposeRoom/busiest", "DecodePictures/busiest", 0},
            {"RefreshRoom/busiest", "DecodePictures/busiest", 1.5},
            {"RefreshRoomPainted/busiest", "DecodePictures/busiest", 0},
            // Thirty tiles drawn one by one and one refresh: well under the thirty refreshes that
            // drawing the whole room per tile would cost.
            {"PaintStroke/busiest", "RefreshRoom/busiest", 6},
            {"ComposeRoom/selectors", "DecodePictures/selectors", 0},
            {"RefreshRoom/selectors", "DecodePictures/selectors", 1.5},
            {"RefreshRoomPainted/selectors", "DecodePictures/selectors", 0},
            {"PaintStroke/selectors", "RefreshRoom/selectors", 6},
        },
        options);
}
