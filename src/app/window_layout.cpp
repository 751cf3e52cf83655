#include "app/window_layout.h"

#include "app/user_settings.h"

#include <QDockWidget>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>

#include <algorithm>

namespace qv2 {

namespace {

// Left over for a window frame and title bar, which the window's own geometry does not include.
constexpr int kFrameAllowance = 40;

// The window was given less than it wanted: the docks beside and below the central widget shrink
// by what is missing, so that the central widget keeps what it can.
void ShrinkDocks(QMainWindow &window, QSize missing) {
    QList<QDockWidget *> beside, below;
    QList<int> widths, heights;
    for (QDockWidget *dock : window.findChildren<QDockWidget *>()) {
        if (dock->isHidden() || dock->isFloating())
            continue;
        const QSize smallest = dock->minimumSizeHint();
        const Qt::DockWidgetArea area = window.dockWidgetArea(dock);
        if ((area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea) &&
            missing.width() > 0) {
            beside.append(dock);
            widths.append(std::max(dock->width() - missing.width(), smallest.width()));
        } else if ((area == Qt::TopDockWidgetArea || area == Qt::BottomDockWidgetArea) &&
                   missing.height() > 0) {
            below.append(dock);
            heights.append(std::max(dock->height() - missing.height(), smallest.height()));
        }
    }
    window.resizeDocks(beside, widths, Qt::Horizontal);
    window.resizeDocks(below, heights, Qt::Vertical);
}

} // namespace

QSize SizeAroundCentralWidget(QMainWindow &window, QSize central) {
    // Lays the window out as it stands, shown or not, to learn what the bars and docks take.
    window.layout()->activate();
    return window.size() + central - window.centralWidget()->size();
}

QRect FirstWindowGeometry(QSize wanted, QRect available) {
    const QSize room(std::max(available.width() - kFrameAllowance, 1),
                     std::max(available.height() - kFrameAllowance, 1));
    QRect geometry(QPoint(0, 0), wanted.boundedTo(room));
    geometry.moveCenter(available.center());
    return geometry;
}

void WidenWindow(QMainWindow &window, int grown) {
    if (grown == 0 || window.isMaximized() || window.isFullScreen())
        return;
    const QScreen *screen = window.screen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    const QRect frame = window.frameGeometry();
    const int frameWidth = frame.width() - window.width();
    const int widest = available.width() - frameWidth;
    // Without a screen, or on one that does not hold it anyway (a window drawn offscreen for a
    // picture), the window just grows.
    if (!screen || window.width() > widest) {
        window.resize(window.width() + grown, window.height());
        return;
    }
    const int width = std::min(window.width() + grown, widest);
    const int missing = window.width() + grown - width;
    const int overhang = frame.left() + width + frameWidth - 1 - available.right();
    if (overhang > 0)
        window.move(std::max(frame.left() - overhang, available.left()), frame.top());
    window.resize(width, window.height());
    ShrinkDocks(window, QSize(missing, 0));
}

void RestoreWindowLayout(QMainWindow &window, QSize wanted) {
    UserSettings settings;
    // Qt moves a kept geometry back onto a screen when the one it was on is gone.
    if (!window.restoreGeometry(settings.windowGeometry())) {
        const QScreen *screen = window.screen();
        if (screen) {
            const QRect first = FirstWindowGeometry(wanted, screen->availableGeometry());
            window.resize(wanted);
            window.layout()->activate();
            window.setGeometry(first);
            ShrinkDocks(window, wanted - first.size());
        } else
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
