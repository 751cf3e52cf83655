#include "view/program_folder.h"

namespace qv2 {

QString ImagesFolder(const QString &programDir) {
    return programDir + QStringLiteral("images/");
}

} // namespace qv2
