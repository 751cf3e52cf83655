#pragma once

namespace qv2 {

// Where the property panel puts its rows. Labels stand at the left; the value controls start in
// one column after the widest label, and rows are far enough apart that controls never touch.
// Short labels and small controls keep the designed places: number fields at 100, lists at 50,
// a row every 20 pixels, the panel 185 wide.
struct PanelLayout {
    static constexpr int kLabelLeft = 10;
    static constexpr int kEditWidth = 50;
    static constexpr int kListWidth = 125;

    int rowPitch = 20;
    int controlHeight = 20; // of number fields and lists
    int editLeft = 100;
    int listLeft = 50;
    int width = 185;

    int rowTop(int slot) const { return 10 + rowPitch * slot; }
    bool operator==(const PanelLayout &) const = default;
};

// The layout for labels up to `widestLabel` pixels and controls `controlHeight` pixels high; the
// panel is made wide enough for a list when `hasLists`.
PanelLayout FitPanelLayout(int widestLabel, int controlHeight, bool hasLists);

} // namespace qv2
