#include "view/panel_layout.h"

#include <gtest/gtest.h>

namespace qv2 {
namespace {

TEST(FitPanelLayout, MovesTheDesignedPlacesOnlyAsFarAsLabelsAndControlsNeed) {
    struct Case {
        const char *name;
        int widestLabel, controlHeight;
        bool hasLists;
        int rowPitch, editLeft, listLeft, width;
    };
    const Case cases[] = {
        {"short labels, small controls", 30, 16, true, 20, 100, 50, 185},
        {"label reaching the list column", 60, 20, true, 24, 100, 76, 211},
        {"label reaching the edit column", 121, 20, false, 24, 137, 137, 197},
        {"long label with a list", 121, 22, true, 26, 137, 137, 272},
        {"tall controls", 30, 30, false, 34, 100, 50, 185},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const PanelLayout layout = FitPanelLayout(c.widestLabel, c.controlHeight, c.hasLists);
        EXPECT_EQ(layout.rowPitch, c.rowPitch);
        EXPECT_EQ(layout.controlHeight, c.controlHeight);
        EXPECT_EQ(layout.editLeft, c.editLeft);
        EXPECT_EQ(layout.listLeft, c.listLeft);
        EXPECT_EQ(layout.width, c.width);
        EXPECT_EQ(layout.rowTop(2), 10 + 2 * c.rowPitch);
    }
}

} // namespace
} // namespace qv2
