#include "editors/background_editor.h"

#include "view/command_fixture.h"
#include "view/paint_box.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace qv2 {
namespace {

using viewtest::CommandFixture;

constexpr int kRoom = 7;

std::size_t PictureByte(int place) {
    return TileAttributeAt(kRoom, place / 10, place % 10, 2);
}

struct BackgroundEditorTest : CommandFixture {
    BackgroundEditor dialog;

    BackgroundEditorTest() {
        state.room = kRoom;
        state.background = viewtest::Ini({"[bg]", "c=bgnames", "0=1,1", "1=2,1"});
        state.texts.setLines({"bgnames=\"Sea shore\",Palm,Wave,Rock,Moss"});
        for (int place = 0; place < kTilesPerRoom; ++place)
            state.level.setByte(PictureByte(place), static_cast<std::uint8_t>(place % 7));
    }

    PaintBox &picture() { return *dialog.findChild<PaintBox *>("PaintBox1"); }
    QComboBox &names() { return *dialog.findChild<QComboBox *>("ComboBox1"); }

    // A click on the cell, then a choice in the list made with the keyboard.
    void choose(int place, int name) {
        QTest::mouseClick(&picture(), Qt::LeftButton, {},
                          QPoint(32 * (place % 10) + 5, 64 * (place / 10) + 5));
        names().setFocus();
        while (names().currentIndex() < name)
            QTest::keyClick(&names(), Qt::Key_Down);
        while (names().currentIndex() > name)
            QTest::keyClick(&names(), Qt::Key_Up);
    }
};

// Every user story ends with OK or not; only the tiles whose number differs at OK are written.
TEST_F(BackgroundEditorTest, OkWritesOnlyTheChangedTilesPictureByte) {
    struct Case {
        const char *name;
        std::function<void(BackgroundEditorTest &)> user;
        bool ok;
        std::map<int, std::uint8_t> written; // place -> picture number
    };
    const Case cases[] = {
        {"TwoTiles",
         [](auto &t) {
             t.choose(12, 4);
             t.choose(0, 2);
         },
         true,
         {{12, 4}, {0, 2}}},
        {"ChangedAndBack",
         [](auto &t) {
             t.choose(3, 1);
             t.choose(3, 3);
         },
         true,
         {}},
        {"Keyboard",
         [](auto &t) {
             t.picture().setFocus();
             QTest::keyClick(&t.picture(), Qt::Key_Right); // shows the selection on tile 0
             QTest::keyClick(&t.picture(), Qt::Key_Right);
             QTest::keyClick(&t.picture(), Qt::Key_Down);
             EXPECT_EQ(t.names().currentIndex(), 11 % 7);
             t.names().setFocus();
             QTest::keyClick(&t.names(), Qt::Key_Up);
         },
         true,
         {{11, 3}}},
        {"ListWithoutATile",
         [](auto &t) {
             t.names().setFocus();
             QTest::keyClick(&t.names(), Qt::Key_Down);
         },
         true,
         {}},
        {"Cancel", [](auto &t) { t.choose(12, 4); }, false, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        refreshes = 0;
        const Bytes before = state.level.bytes();
        modals.dialogScripts.push_back([&](QDialog &shown) {
            EXPECT_EQ(&shown, &dialog);
            EXPECT_EQ(names().count(), 5);
            EXPECT_EQ(names().itemText(0), "Sea shore");
            EXPECT_EQ(names().currentIndex(), -1);
            c.user(*this);
            return c.ok;
        });
        editBackground(state, services, dialog);
        Bytes expected = before;
        for (const auto &[place, number] : c.written)
            expected[PictureByte(place)] = number;
        EXPECT_TRUE(state.level.bytes() == expected);
        EXPECT_EQ(refreshes, c.written.empty() ? 0 : 1);
        state.level = LevelStore(before);
    }
}

// The window keeps its built-in captions only where the language file is silent.
TEST_F(BackgroundEditorTest, CaptionsFollowTheLanguageFile) {
    modals.dialogScripts.push_back([&](QDialog &) { return false; });
    editBackground(state, services, dialog);
    EXPECT_EQ(dialog.windowTitle(), "Form7");
    state.texts.setLines({"dinback=Edit background", "dinOK=OK", "dinCancel=Cancel"});
    modals.dialogScripts.push_back([&](QDialog &) { return false; });
    editBackground(state, services, dialog);
    EXPECT_EQ(dialog.windowTitle(), "Edit background");
    EXPECT_EQ(dialog.findChild<QPushButton *>("Button2")->text(), "Cancel");
}

TEST_F(BackgroundEditorTest, NothingWithoutALevel) {
    state.levelOpen = false;
    editBackground(state, services, dialog);
    EXPECT_TRUE(modals.dialogTitles.isEmpty());
}

} // namespace
} // namespace qv2
