#pragma once

// An open level whose every byte shows if a dialog touches it, scripted dialogs, and the user's
// actions on a dialog's controls found by their object names.
#include "level/level_layout.h"
#include "support/find_control.h"
#include "support/scripted_modals.h"
#include "ui/editor_state.h"
#include "view/view_test_support.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace editortest {

struct DialogFixture : ::testing::Test {
    qv2::EditorState state;
    ScriptedModals modals;
    int refreshes = 0;
    qv2::Services services{modals, [this] { ++refreshes; }};

    DialogFixture() {
        state.level = qv2::LevelStore(viewtest::FilledLevelBytes());
        state.levelOpen = true;
        state.room = 5;
        state.texts.setLines({"between=between %d and %d", "integer=not a number", "room=Room: ",
                              "tile=Place: ", "left=L: ", "right=R: ", "up=U: ", "down=D: "});
    }

    // The level as it should be: the patterned bytes with the given changes.
    static qv2::Bytes
    Expected(std::initializer_list<std::pair<std::size_t, std::uint8_t>> changes) {
        qv2::Bytes bytes = viewtest::FilledLevelBytes();
        for (const auto &[offset, value] : changes)
            bytes[offset] = value;
        return bytes;
    }
};

// Focuses the field and types over its text; the focus stays in the field.
inline void Type(QDialog &dialog, const char *name, const QString &text) {
    auto &edit = Control<QLineEdit>(dialog, name);
    edit.setFocus(Qt::TabFocusReason);
    edit.selectAll();
    if (text.isEmpty())
        QTest::keyClick(&edit, Qt::Key_Delete);
    else
        QTest::keyClicks(&edit, text);
}

// Leaves the focused field with Tab.
inline void Leave() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
}

// Picks an item as the user does; -1 leaves the list as it is.
inline void Choose(QDialog &dialog, const char *name, int index) {
    if (index < 0)
        return;
    auto &list = Control<QComboBox>(dialog, name);
    list.setCurrentIndex(index);
    emit list.activated(index);
}

inline QString Text(QDialog &dialog, const char *name) {
    return Control<QLineEdit>(dialog, name).text();
}

} // namespace editortest
