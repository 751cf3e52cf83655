#pragma once

#include "level/level_store.h"

#include <QCoreApplication>
#include <QImage>

#include <memory>

// What the commands that draw need beyond the others: a GUI application and PNG bytes.
namespace qv2 {

// Text needs a font, and fonts need a GUI application (without a display the offscreen platform
// serves). An application that already exists (the tests') is used as it is.
std::unique_ptr<QCoreApplication> EnsureDrawingApplication();

// The picture as the bytes of a PNG file.
Bytes PngBytes(const QImage &picture);

} // namespace qv2
