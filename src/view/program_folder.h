#pragma once

#include <QString>

// Where the room view's data files lie in the program folder (a folder path ending with '/').
namespace qv2 {

// The tile and marker pictures: the program folder + "images/".
QString ImagesFolder(const QString &programDir);

} // namespace qv2
