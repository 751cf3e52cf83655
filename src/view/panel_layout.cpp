#include "view/panel_layout.h"

#include <algorithm>

namespace qv2 {

namespace {

constexpr int kLabelGap = 6;     // between a label and its control
constexpr int kRowGap = 4;       // between the controls of two rows
constexpr int kRightMargin = 10; // the designed list ends 10 pixels before the panel's edge

} // namespace

PanelLayout FitPanelLayout(int widestLabel, int controlHeight, bool hasLists) {
    PanelLayout layout;
    layout.controlHeight = controlHeight;
    layout.rowPitch = std::max(layout.rowPitch, controlHeight + kRowGap);
    const int column = PanelLayout::kLabelLeft + widestLabel + kLabelGap;
    layout.editLeft = std::max(layout.editLeft, column);
    layout.listLeft = std::max(layout.listLeft, column);
    int right = layout.editLeft + PanelLayout::kEditWidth;
    if (hasLists)
        right = std::max(right, layout.listLeft + PanelLayout::kListWidth);
    layout.width = std::max(layout.width, right + kRightMargin);
    return layout;
}

} // namespace qv2
