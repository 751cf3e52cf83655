#include "view/picture_file.h"

#include <QImageReader>

namespace qv2 {

QImage ReadPictureFile(const QString &path, const char *format)
{
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (image.isNull())
        image.load(path);
    return image;
}

} // namespace qv2
