#include "text/capped_file.h"

#include "level/file_io.h"

#include <QFile>

namespace qv2 {

QString ReadCappedFile(const QString &path, std::size_t limit, Bytes &bytes) {
    return QString::fromLocal8Bit(
        ReadWholeFile(QFile::encodeName(path).toStdString(), limit, bytes));
}

QString ReadFileHead(const QString &path, std::size_t head, Bytes &bytes) {
    return QString::fromLocal8Bit(ReadFileUpTo(QFile::encodeName(path).toStdString(), head, bytes));
}

} // namespace qv2
