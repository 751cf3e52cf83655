#include "app/window_layout.h"

#include "app/user_settings.h"

#include <QMainWindow>
#include <QScreen>

#include <algorithm>

namespace qv2 {

namespace {

// Left over for a window frame and title bar, which the window's own geometry does not include.
constexpr int kFrameAllowance = 40;

} // namespace

QRect FirstWindowGeometry(QSize wanted, QRect available) {
    const QSize room(std::max(available.width() - kFrameAllowance, 1),
                     std::max(available.height() - kFrameAllowance, 1));
    QRect geometry(QPoint(0, 0), wanted.boundedTo(room));
    geometry.moveCenter(available.center());
    return geometry;
}

void RestoreWindowLayout(QMainWindow &window, QSize wanted) {
    UserSettings settings;
    // Qt moves a kept geometry back onto a screen when the one it was on is gone.
    if (!window.restoreGeometry(settings.windowGeometry())) {
        const QScreen *screen = window.screen();
        if (screen)
            window.setGeometry(FirstWindowGeometry(wanted, screen->availableGeometry()));
        else
            window.resize(wanted);
    }
    window.restoreState(settings.windowState());
}

void SaveWindowLayout(const QMainWindow &window) {
    UserSettings settings;
    settings.setWindowGeometry(window.saveGeometry());
    settings.setWindowState(window.saveState());
}

} // namespace qv2
