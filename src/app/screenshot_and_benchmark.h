#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QString>

#include <cstdio>
#include <functional>
#include <utility>

// What the editor does only for its documentation screenshot and its start-up benchmark; a user's
// run sets neither.
namespace qv2 {

class MainWindow;

// For the start-up benchmark, which times the program from its start to the first painted room:
// when the environment variable QV2LEVED_QUIT_AFTER_ROOM_PAINT is set, the program prints
// "painted" on its output and ends normally right after the room view first paints an opened
// room. Without the variable nothing changes.
void QuitAfterFirstRoomPaintIfAsked(MainWindow &window);

// For the documentation screenshot (the hidden option --screenshot FILE): once the events queued
// so far have run (the level opened from the command line among them), saves the window as a PNG
// picture in `file` and ends the program, with status 1 and a message when no level is open or
// the file cannot be written.
void SaveScreenshotAndQuit(MainWindow &window, const QString &file);

// Installed as an event filter, prints "painted" and ends the program right after the first paint
// that `ready` lets count. The benchmark's floor program, which shows a bare window, uses it too.
class QuitAfterFirstPaint : public QObject {
  public:
    explicit QuitAfterFirstPaint(std::function<bool()> ready, QObject *parent = nullptr)
        : QObject(parent), m_ready(std::move(ready)) {}

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        // Queued, so that this paint is finished and shown first.
        if (event->type() == QEvent::Paint && m_ready() && !m_painted) {
            m_painted = true;
            QMetaObject::invokeMethod(qApp, &TellPaintedAndQuit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    // The benchmark times the program up to this line, not up to its end.
    static void TellPaintedAndQuit() {
        std::fputs("painted\n", stdout);
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    std::function<bool()> m_ready;
    bool m_painted = false;
};

} // namespace qv2
