#include "editors/link_dialog.h"

#include "editor_test_support.h"

#include <QPushButton>
#include <QSpinBox>

using namespace qv2;
using namespace editortest;

namespace {

using LinkTest = DialogFixture;

std::size_t LinkByte(int entry, int field) {
    return LinkEntryAt(entry) + static_cast<std::size_t>(field);
}

TEST_F(LinkTest, OpensOnTheSelectedPlatesEntry) {
    struct Case {
        const char *name;
        std::uint8_t kind;
        int entry;
    };
    const Case cases[] = {
        {"opener", 0x05, 37},
        {"closer", 0x06, 37},
        {"opener-closer", 0x22, 37},
        {"floor", 0x01, 0},
    };
    state.row = 1;
    state.column = 4;
    LinkDialog dialog;
    for (const Case &c : cases) {
        state.level.setByte(TileKindAt(5, 1, 4), c.kind);
        state.level.setByte(TileAttributeAt(5, 1, 4, 0), 37);
        modals.dialogScripts.push_back([&](QDialog &d) {
            EXPECT_EQ(Control<QSpinBox>(d, "UpDown1").value(), c.entry) << c.name;
            EXPECT_EQ(Text(d, "Edit5"), QString::number(state.level.byte(LinkByte(c.entry, 4))))
                << c.name;
            return false;
        });
        editLinks(state, services, dialog);
    }
}

TEST_F(LinkTest, StepButtonsFollowTheChain) {
    state.level.setByte(LinkByte(0, 4), 200);  // entry 0 -> 200
    state.level.setByte(LinkByte(200, 3), 17); // entry 200 <- 17
    state.level.setByte(LinkByte(17, 4), 17);  // entry 17 -> itself
    LinkDialog dialog;
    modals.dialogScripts.push_back([&](QDialog &d) {
        auto &entry = Control<QSpinBox>(d, "UpDown1");
        const struct {
            const char *button;
            int entry;
        } steps[] = {{"Button4", 200}, {"Button3", 17}, {"Button4", 17}};
        for (const auto &step : steps) {
            QTest::mouseClick(&Control<QPushButton>(d, step.button), Qt::LeftButton);
            EXPECT_EQ(entry.value(), step.entry) << step.button;
            EXPECT_EQ(Text(d, "Edit1"), QString::number(state.level.byte(LinkByte(step.entry, 0))));
        }
        return false;
    });
    editLinks(state, services, dialog);
}

TEST_F(LinkTest, OkWritesTheTableWithEveryAcceptedByte) {
    LinkDialog dialog;
    modals.dialogScripts.push_back([&](QDialog &d) {
        // Entry 0: a refused value gives way to the stored one as soon as the box is left.
        Type(d, "Edit2", "256");
        Type(d, "Edit3", "9");
        Leave();
        EXPECT_EQ(Text(d, "Edit2"), QString::number(state.level.byte(LinkByte(0, 1))));
        // What was typed is stored when keys sent to the spinner switch entries.
        Type(d, "Edit1", "3");
        auto &entry = Control<QSpinBox>(d, "UpDown1");
        QTest::keyClick(&entry, Qt::Key_Up);
        EXPECT_EQ(Text(d, "Edit1"), QString::number(state.level.byte(LinkByte(1, 0))));
        entry.setValue(255);
        // Return confirms without leaving the box.
        Type(d, "Edit5", "x1F");
        QTest::keyClick(&Control<QLineEdit>(d, "Edit5"), Qt::Key_Return);
        EXPECT_FALSE(d.isVisible());
        return true;
    });
    editLinks(state, services, dialog);
    EXPECT_EQ(state.level.bytes(),
              Expected({{LinkByte(0, 2), 9}, {LinkByte(0, 0), 3}, {LinkByte(255, 4), 31}}));
    EXPECT_EQ(modals.messages, QStringList({"link: between 0 and 255"}));
    EXPECT_EQ(refreshes, 0) << "the room shows no links";
}

} // namespace
