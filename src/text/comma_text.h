#pragma once

#include <QString>
#include <QStringList>

namespace qv2 {

// Splits a list value: items end at commas and at runs of blanks or control characters outside
// double quotes; a quoted item may hold blanks and commas, and "" inside it is one quote.
QStringList SplitCommaText(const QString &text);

} // namespace qv2
