#include "view/room_refresh.h"

#include "support/scripted_modals.h"
#include "ui/app_error.h"
#include "view/paint_box.h"
#include "view/property_panel.h"
#include "view_test_support.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QStatusBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace qv2;
using namespace viewtest;

namespace {

// The main window's parts, and a program folder with pictures written here.
struct RefreshTest : ::testing::Test {
    QTemporaryDir programDir;
    EditorState state;
    ScriptedModals modals;
    Services services{modals, [] {}};
    QImage picture;
    PaintBox roomView;
    QComboBox tileKinds;
    QLineEdit edits[4];
    QStatusBar statusBar;
    QWidget panelHost;
    PropertyPanel panel{panelHost, state, services};
    RoomWidgets widgets{picture,   roomView,
                        tileKinds, {&edits[0], &edits[1], &edits[2], &edits[3]},
                        statusBar, panel};

    RefreshTest() {
        EXPECT_TRUE(programDir.isValid());
        QDir(programDir.path()).mkdir("images");
        for (const auto &[name, image] : Arrows())
            save(name, image);
        save("01", Solid(Qt::green));
        for (int i = 0; i < 45; ++i)
            tileKinds.addItem(QString::number(i));
        state.programDir = programDir.path() + "/";
        state.level = EmptyLevel();
        state.levelOpen = true;
        state.room = 5;
        state.row = 2;
        state.column = 9;
        state.texts =
            Texts({"status=Room %d, tile %d", "nopicture=Cannot load %s", "lback=Background"});
        state.background = Ini({"[*]", "n=1", "1=208pback", "[pback]", "c=lback", "k=edit"});
        state.level.setByte(TileKindAt(5, 2, 9), 0x01);
        for (int k = 0; k < 4; ++k)
            state.level.setByte(TileAttributeAt(5, 2, 9, k), static_cast<std::uint8_t>(200 + k));
    }
    void save(const QString &name, const QImage &image) {
        EXPECT_TRUE(image.save(programDir.filePath("images/" + name + ".bmp"), "BMP"));
    }
};

TEST_F(RefreshTest, BringsPictureToolbarStatusAndPanelUpToDate) {
    UpdateRoomWidgets(state, widgets);
    EXPECT_EQ(roomView.size(), QSize(608, 328));
    EXPECT_EQ(picture.size(), QSize(608, 488));
    EXPECT_EQ(picture.pixelColor(144 + 32 * 9 + 10, 64 + 128 + 10), QColor(Qt::green));
    EXPECT_EQ(picture.pixelColor(150, 100), QColor(Qt::black)) << "no picture 00";
    EXPECT_EQ(picture.pixelColor(85, 130), QColor(Qt::yellow));
    EXPECT_EQ(tileKinds.currentIndex(), 1);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(edits[k].text(), QString::number(200 + k)) << k;
    EXPECT_EQ(statusBar.currentMessage(), "Room 5, tile 29");
    const auto *field = panelHost.findChild<QLineEdit *>("PanelField0");
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text(), "202");
}

TEST_F(RefreshTest, KindBeyondTheListShowsNoItem) {
    state.level.setByte(TileKindAt(5, 2, 9), 0x50);
    UpdateRoomWidgets(state, widgets);
    EXPECT_EQ(tileKinds.currentIndex(), -1);
}

TEST_F(RefreshTest, MissingArrowEndsTheRefreshWithItsFile) {
    QFile::remove(programDir.filePath("images/down.bmp"));
    try {
        UpdateRoomWidgets(state, widgets);
        FAIL() << "no error";
    } catch (const AppError &error) {
        EXPECT_EQ(error.text(), "Cannot load " + state.programDir + "images/down.bmp");
    }
    EXPECT_EQ(edits[0].text(), "200") << "the toolbar is updated before the arrows";
    EXPECT_TRUE(statusBar.currentMessage().isEmpty());
    EXPECT_EQ(panelHost.findChild<QLineEdit *>("PanelField0"), nullptr);
    EXPECT_EQ(picture.pixelColor(85, 130), QColor(Qt::yellow)) << "the arrows before it are drawn";
}

TEST_F(RefreshTest, NothingWithoutALevel) {
    state.levelOpen = false;
    tileKinds.setCurrentIndex(7);
    UpdateRoomWidgets(state, widgets);
    EXPECT_TRUE(picture.isNull());
    EXPECT_EQ(tileKinds.currentIndex(), 7);
    EXPECT_TRUE(edits[0].text().isEmpty());
    EXPECT_TRUE(statusBar.currentMessage().isEmpty());
}

} // namespace
