#include "ui/message_texts.h"

#include "ui/ini_file.h"

namespace qv2 {

QString MessageTexts::text(const QString &key) const
{
    return FindLineValue(m_lines, key).value_or(QString());
}

} // namespace qv2
