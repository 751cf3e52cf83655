// The two commands that edit level bytes in a runtime-built grid: restart points and coming guards.
#include "editors/coming_guards.h"
#include "editors/restart_points.h"

#include "support/find_control.h"
#include "view/command_fixture.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace qv2 {
namespace {

using viewtest::CommandFixture;

// Room 5's coming-guard count is byte 10113 and its first record starts at byte 10118.
constexpr int kRoom = 5;

struct GridCommand {
    const char *name;
    void (*command)(EditorState &, Services &);
    const char *caption;
    int boxes;
    std::size_t first; // level byte of box 0; box k holds first + k
    int (*columnOf)(int box);
    int (*rowOf)(int box);
};

const GridCommand kCommands[] = {
    {"RestartPoints", editRestartPoints, "Restarts", 18, 9959, [](int k) { return k % 2; },
     [](int k) { return k / 2; }},
    {"ComingGuards", editComingGuards, "Coming", 30, 10118, [](int k) { return k / 10; },
     [](int k) { return k % 10; }},
};

QLineEdit &Box(QDialog &dialog, int k) {
    return Control<QLineEdit>(dialog, QStringLiteral("dinEdit%1").arg(k));
}

QStringList Texts(const char *restartNames, const char *comingNames) {
    return {"dinrestart=Restarts",
            "dincoming=Coming",
            "dinOK=OK",
            "dinCancel=Cancel",
            "nguards=Guards:",
            "between=between %d and %d",
            "integer=not a number",
            QStringLiteral("dinrestartdesc=") + restartNames,
            QStringLiteral("dincomingdesc=") + comingNames};
}

struct GridCommandsTest : CommandFixture {
    GridCommandsTest() {
        state.room = kRoom;
        state.texts.setLines(Texts("Room,Place", "a,b,c,d,e,f,g,h,i,j"));
        // Every byte distinct from its neighbours, so a box that shows or stores the wrong byte
        // shows.
        for (std::size_t offset = 9959; offset < 11066; ++offset)
            state.level.setByte(offset, static_cast<std::uint8_t>(offset % 199));
        state.level.setByte(ComingGuardCountAt(kRoom), 1); // within the count box's range
    }
};

TEST_F(GridCommandsTest, BoxesShowTheirBytesInNumberedCells) {
    for (const GridCommand &grid : kCommands) {
        SCOPED_TRACE(grid.name);
        modals.dialogScripts.push_back([&](QDialog &dialog) {
            EXPECT_EQ(dialog.windowTitle(), grid.caption);
            EXPECT_FALSE(
                dialog.findChild<QLineEdit *>(QStringLiteral("dinEdit%1").arg(grid.boxes)));
            for (int k = 0; k < grid.boxes; ++k) {
                EXPECT_EQ(Box(dialog, k).text(), QString::number(state.level.byte(grid.first + k)))
                    << k;
                const auto header = QStringLiteral("dinHeader%1").arg(grid.columnOf(k));
                const auto rowLabel = QStringLiteral("dinRowLabel%1").arg(grid.rowOf(k));
                EXPECT_EQ(Box(dialog, k).x(), Control<QLabel>(dialog, header).x()) << k;
                EXPECT_EQ(Box(dialog, k).y(), Control<QLabel>(dialog, rowLabel).y()) << k;
            }
            return false;
        });
        grid.command(state, services);
    }
}

TEST_F(GridCommandsTest, LabelsNameColumnsAndRowsEvenWithoutEnoughNames) {
    struct Case {
        const char *name;
        const char *restartNames;
        const char *comingNames;
        QStringList restartHeaders; // columns 0 and 1
        QString comingLastRow;
    };
    const Case cases[] = {
        {"AllNames", "Room,Place", "a,b,c,d,e,f,g,h,i,\"j j\"", {"Room:", "Place:"}, "[09] j j:"},
        {"TooFewNames", "Room", "a", {"Room:", ":"}, "[09] :"},
        {"NoNames", "", "", {":", ":"}, "[09] :"},
    };
    for (const Case &c : cases) {
        state.texts.setLines(Texts(c.restartNames, c.comingNames));
        modals.dialogScripts.push_back([&](QDialog &dialog) {
            EXPECT_EQ(Control<QLabel>(dialog, "dinHeader0").text(), c.restartHeaders[0]) << c.name;
            EXPECT_EQ(Control<QLabel>(dialog, "dinHeader1").text(), c.restartHeaders[1]) << c.name;
            EXPECT_EQ(Control<QLabel>(dialog, "dinRowLabel0").text(), "1") << c.name;
            EXPECT_EQ(Control<QLabel>(dialog, "dinRowLabel8").text(), "9") << c.name;
            return false;
        });
        editRestartPoints(state, services);
        modals.dialogScripts.push_back([&](QDialog &dialog) {
            EXPECT_EQ(Control<QLabel>(dialog, "dinHeader2").text(), "2") << c.name;
            EXPECT_EQ(Control<QLabel>(dialog, "dinRowLabel9").text(), c.comingLastRow) << c.name;
            EXPECT_EQ(Control<QLabel>(dialog, "dinCountLabel").text(), "Guards:") << c.name;
            return false;
        });
        editComingGuards(state, services);
    }
}

TEST_F(GridCommandsTest, OkStoresEveryBoxAndKeepsTheBytesOfRefusedOnes) {
    for (const GridCommand &grid : kCommands) {
        SCOPED_TRACE(grid.name);
        modals.messages.clear();
        refreshes = 0;
        Bytes expected = state.level.bytes();
        expected[grid.first + 0] = 255;
        expected[grid.first + grid.boxes - 1] = 0;
        modals.dialogScripts.push_back([&](QDialog &dialog) {
            Box(dialog, 0).setText("255");
            Box(dialog, 1).setText("256");
            Box(dialog, 2).setText("x");
            Box(dialog, grid.boxes - 1).setText("$0");
            return true;
        });
        grid.command(state, services);
        EXPECT_EQ(modals.messages, QStringList({"between 0 and 255", "not a number"}));
        EXPECT_TRUE(state.level.bytes() == expected);
        EXPECT_EQ(refreshes, 1);
    }
}

TEST_F(GridCommandsTest, CancelOrEscapeChangesNothingAndNoControlOutlivesTheCommand) {
    const int widgets = QApplication::allWidgets().size();
    for (const GridCommand &grid : kCommands) {
        for (const bool escape : {false, true}) {
            SCOPED_TRACE(std::string(grid.name) + (escape ? " escape" : " cancel"));
            const Bytes before = state.level.bytes();
            modals.dialogScripts.push_back([&](QDialog &dialog) {
                Box(dialog, 0).setText("1");
                if (auto *count = dialog.findChild<QSpinBox *>())
                    count->setValue(3);
                if (!escape)
                    return false;
                QTest::keyClick(&Box(dialog, 0), Qt::Key_Escape);
                return dialog.result() == QDialog::Accepted;
            });
            grid.command(state, services);
            EXPECT_TRUE(state.level.bytes() == before);
            EXPECT_EQ(refreshes, 0);
        }
    }
    modals.dialogScripts.push_back([](QDialog &) { return true; });
    editRestartPoints(state, services);
    EXPECT_EQ(QApplication::allWidgets().size(), widgets);
}

// The third record's last byte of one room is the next room's count; each room's dialog reaches it
// through its own offset. The count box is first in the tab order and stays within 0..3.
TEST_F(GridCommandsTest, CountSharesItsByteWithThePreviousRoomsLastRecordByte) {
    state.level.setByte(ComingGuardCountAt(kRoom), 1);
    state.room = kRoom - 1; // its last record byte is room 5's count
    modals.dialogScripts.push_back([](QDialog &dialog) {
        Box(dialog, 29).setText("2");
        return true;
    });
    editComingGuards(state, services);
    EXPECT_EQ(state.level.byte(ComingGuardCountAt(kRoom)), 2);

    state.room = kRoom;
    modals.dialogScripts.push_back([](QDialog &dialog) {
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        auto &count = Control<QSpinBox>(dialog, "dinCount");
        EXPECT_EQ(count.value(), 2);
        EXPECT_EQ(QApplication::focusWidget(), &count);
        QTest::keyClick(&count, Qt::Key_Up);
        QTest::keyClick(&count, Qt::Key_Up); // stops at 3
        QTest::keyClick(&count, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), &Box(dialog, 0));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        return dialog.result() == QDialog::Accepted;
    });
    editComingGuards(state, services);
    EXPECT_EQ(state.level.byte(ComingGuardCountAt(kRoom)), 3);
    EXPECT_EQ(refreshes, 2);
}

TEST_F(GridCommandsTest, NothingWithoutALevel) {
    state.levelOpen = false;
    for (const GridCommand &grid : kCommands)
        grid.command(state, services);
    EXPECT_TRUE(modals.dialogTitles.isEmpty());
}

} // namespace
} // namespace qv2
