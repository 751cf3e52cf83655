// The floor of the start-up benchmark: the least a Qt Widgets program does to show a main window
// like the editor's, paying for its fonts as the editor does. A QMainWindow with the editor's menu
// bar titles, a tool bar with one text field and a status-bar message; once the window has been
// painted it prints "painted", as the editor does after its first room, and quits.
#include "app/screenshot_and_benchmark.h"

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    for (const char *title :
         {"&Fájl", "S&zerkesztés", "&Nézet", "&Szint", "&Pálya", "&Eszközök", "N&yelv", "Sú&gó"})
        window.menuBar()->addMenu(QString::fromUtf8(title));
    QToolBar *toolBar = window.addToolBar(QStringLiteral("tools"));
    toolBar->addWidget(new QLineEdit(QStringLiteral("0")));
    window.statusBar()->showMessage(QStringLiteral("qasvar.dat"));
    qv2::QuitAfterFirstPaint quitAfterPaint([] { return true; });
    window.installEventFilter(&quitAfterPaint);
    window.resize(820, 480);
    window.show();
    return app.exec();
}
