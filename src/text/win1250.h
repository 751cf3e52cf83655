#pragma once

#include <QByteArray>
#include <QString>

namespace qv2 {

// Language files and background lists are Windows-1250 text. Decoded with our own table so that
// the program does not depend on the platform's codecs.
QString DecodeWindows1250(const QByteArray &bytes);

// The reverse, for tools and tests that write such files; characters outside the code page
// become '?'.
QByteArray EncodeWindows1250(const QString &text);

} // namespace qv2
