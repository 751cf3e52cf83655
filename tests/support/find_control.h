#pragma once

#include <QString>
#include <QWidget>

#include <stdexcept>

// The control of that object name and type inside a window; a test that asks for one the window
// lacks stops with the name in its failure.
template <class T = QWidget> T &Control(QWidget &window, const QString &name) {
    T *control = window.findChild<T *>(name);
    if (!control)
        throw std::runtime_error("no control " + name.toStdString());
    return *control;
}
