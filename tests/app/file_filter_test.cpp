#include "app/file_filter.h"

#include <gtest/gtest.h>

namespace qv2 {
namespace {

TEST(FileFilter, BarPairsBecomeQtNameFilters) {
    struct Case {
        const char *name;
        const char *filter;
        QStringList expected;
    };
    const Case cases[] = {
        {"description already names its pattern",
         "Level files (qasvar.dat)|qasvar.dat|All files (*.*)|*.*",
         {"Level files (qasvar.dat)", "All files (*.*)"}},
        {"pattern appended when missing", "Levels|*.dat", {"Levels (*.dat)"}},
        {"several patterns", "Data|*.dat;*.bin", {"Data (*.dat *.bin)"}},
        {"empty filter", "", {}},
        {"description without pattern dropped", "Levels", {}},
        {"empty pattern dropped", "Levels||All|*", {"All (*)"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(NameFiltersFromBarFilter(QString::fromUtf8(c.filter)), c.expected) << c.name;
}

} // namespace
} // namespace qv2
