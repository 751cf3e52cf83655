#include "view/picture_file.h"

#include <QImageReader>

namespace qv2 {

QImage ReadPictureFile(const QString &path, const char *format) {
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    // A file that is there but holds another format is read by its content.
    if (image.isNull() && reader.error() != QImageReader::FileNotFoundError)
        image.load(path);
    return image;
}

} // namespace qv2
