#include "app/screenshot_and_benchmark.h"

#include "app/main_window.h"

#include <QPixmap>
#include <QTimer>

#include <cstdio>

namespace qv2 {

void QuitAfterFirstRoomPaintIfAsked(MainWindow &window) {
    if (!qEnvironmentVariableIsSet("QV2LEVED_QUIT_AFTER_ROOM_PAINT"))
        return;
    auto *roomView = window.findChild<QWidget *>(QStringLiteral("PaintBox1"));
    if (!roomView)
        return;
    // A paint before the level was opened shows no room.
    roomView->installEventFilter(
        new QuitAfterFirstPaint([state = &window.state()] { return state->levelOpen; }, roomView));
}

void SaveScreenshotAndQuit(MainWindow &window, const QString &file) {
    // After the level has opened; a window without a level is no picture of the editor.
    QTimer::singleShot(0, &window, [&window, file] {
        // Opening left layouts to redo (the status line's count); a grab does not redo them.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const bool saved = window.state().levelOpen && window.grab().save(file, "PNG");
        if (!saved)
            std::fprintf(stderr, "qv2leved: no level open, or cannot write %s\n",
                         file.toLocal8Bit().constData());
        QCoreApplication::exit(saved ? 0 : 1);
    });
}

} // namespace qv2
