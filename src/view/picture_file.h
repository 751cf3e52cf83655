#pragma once

#include <QImage>
#include <QString>

namespace qv2 {

// Reads a picture file with Qt's own reader for the named format ("bmp", "png"). Qt asks every
// installed image plugin at each read whether it takes the format, loading them all on the first
// one; the editor's pictures are always in formats Qt reads itself. A file that turns out to hold
// another format is still read by what it holds. A null image when the file cannot be read.
QImage ReadPictureFile(const QString &path, const char *format);

} // namespace qv2
