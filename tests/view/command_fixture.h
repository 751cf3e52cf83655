#pragma once

#include "support/scripted_modals.h"
#include "ui/editor_state.h"
#include "view_test_support.h"

#include <gtest/gtest.h>

namespace viewtest {

// An open, empty level, scripted dialogs and a refresh that only counts its calls.
struct CommandFixture : ::testing::Test {
    qv2::EditorState state;
    ScriptedModals modals;
    int refreshes = 0;
    qv2::Services services{modals, [this] { ++refreshes; }};

    CommandFixture() {
        state.level = EmptyLevel();
        state.levelOpen = true;
    }
};

} // namespace viewtest
