#include "view/program_folder.h"

#include "level/level_layout.h"

namespace qv2 {

QString ImagesFolder(const QString &programDir) {
    return programDir + QStringLiteral("images/");
}

IniFile LoadBackgroundList(const QString &programDir, const LevelStore &level) {
    const int levelType = level.byte(kLevelTypeOffset);
    return IniFile::load(programDir + QStringLiteral("texts/back%1.ini").arg(levelType));
}

} // namespace qv2
