#pragma once

#include <QString>
#include <QStringList>

namespace qv2 {

// The language file writes file-dialog filters as description|pattern pairs separated by bars
// ("Level files (qasvar.dat)|qasvar.dat|All files (*.*)|*.*"). Qt wants one "description
// (patterns)" string per pair; a description that already ends with its patterns in parentheses
// is kept as it is.
QStringList NameFiltersFromBarFilter(const QString &filter);

} // namespace qv2
