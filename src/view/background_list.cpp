#include "view/background_list.h"

#include "level/level_layout.h"

namespace qv2 {

IniFile LoadBackgroundList(const QString &programDir, const LevelStore &level) {
    const int levelType = level.byte(kLevelTypeOffset);
    return IniFile::load(programDir + QStringLiteral("texts/back%1.ini").arg(levelType));
}

QSize BackgroundPictureSize(const IniFile &list, int picture) {
    const QString size = list.value(QStringLiteral("bg"), QString::number(picture));
    if (size.size() < 3 || !size[0].isDigit() || !size[2].isDigit())
        return {0, 0};
    return {size[0].digitValue(), size[2].digitValue()};
}

} // namespace qv2
