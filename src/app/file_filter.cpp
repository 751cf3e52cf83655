#include "app/file_filter.h"

namespace qv2 {

QStringList NameFiltersFromBarFilter(const QString &filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString patterns =
            QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')).trimmed();
        if (patterns.isEmpty())
            continue;
        const QString tail = QLatin1Char('(') + patterns + QLatin1Char(')');
        result << (description.endsWith(tail) ? description
                                              : (description + QLatin1Char(' ') + tail).trimmed());
    }
    return result;
}

} // namespace qv2
