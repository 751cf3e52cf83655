// The floor of the start-up benchmark: the least a Qt Widgets program does to show a main window.
// It shows an empty QMainWindow and quits once the window has been painted.
#include <QApplication>
#include <QEvent>
#include <QMainWindow>

namespace {

class QuitAfterPaint : public QObject {
  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    QuitAfterPaint quitAfterPaint;
    window.installEventFilter(&quitAfterPaint);
    window.show();
    return app.exec();
}
