#include "editors/enemy_dialog.h"

#include "editor_test_support.h"

#include <QSpinBox>

using namespace qv2;
using namespace editortest;

namespace {

using EnemyTest = DialogFixture;

std::size_t RecordByte(int record, int byte) {
    return EnemyRecordAt(5, record) + static_cast<std::size_t>(byte);
}

// Switches records with the spinner's keys while the focus stays where it is.
void ShowRecord(QDialog &dialog, int record) {
    auto &spinner = Control<QSpinBox>(dialog, "UpDown2");
    while (spinner.value() != record)
        QTest::keyClick(&spinner, spinner.value() < record ? Qt::Key_Up : Qt::Key_Down);
}

TEST_F(EnemyTest, ListsShowTheirBytesAndAnUnknownByteSurvivesLeavingAField) {
    struct Case {
        const char *name;
        int byte;
        std::uint8_t stored;
        const char *list;
        int shown;            // the item shown, -1 for none
        std::uint8_t written; // the byte after a field of the record was left
    };
    const Case cases[] = {
        {"facing right", EnemyDirection, 0x00, "ComboBox1", 0, 0x00},
        {"facing left", EnemyDirection, 0xFF, "ComboBox1", 1, 0xFF},
        {"other facing shows right and is stored so", EnemyDirection, 0x05, "ComboBox1", 0, 0x00},
        {"colour variant 3", EnemyColour, 3, "ComboBox2", 3, 3},
        {"unknown colour variant", EnemyColour, 4, "ComboBox2", -1, 4},
        {"kind 8", EnemyKind, 8, "ComboBox3", 8, 8},
        {"unknown kind", EnemyKind, 9, "ComboBox3", -1, 9},
        {"stays down", EnemyRevival, 0xFF, "ComboBox4", 2, 0xFF},
        {"unknown revival state", EnemyRevival, 7, "ComboBox4", -1, 7},
    };
    EnemyDialog dialog;
    for (const Case &c : cases) {
        // Record 0 holds a known value first, so that a list that kept its item would show.
        state.level = LevelStore(viewtest::FilledLevelBytes());
        state.level.setByte(RecordByte(0, c.byte), 1);
        state.level.setByte(RecordByte(2, c.byte), c.stored);
        modals.dialogScripts.push_back([&](QDialog &d) {
            ShowRecord(d, 2);
            EXPECT_EQ(Control<QComboBox>(d, c.list).currentIndex(), c.shown) << c.name;
            Type(d, "Edit1", "7");
            Leave();
            return true;
        });
        editEnemies(state, services, dialog);
        EXPECT_EQ(state.level.byte(RecordByte(2, c.byte)), c.written) << c.name;
        EXPECT_EQ(state.level.byte(RecordByte(2, EnemyTile)), 7) << c.name;
    }
}

TEST_F(EnemyTest, OkWritesTheRoomsBlockWithEveryAcceptedField) {
    EnemyDialog dialog;
    modals.dialogScripts.push_back([&](QDialog &d) {
        // Record 4 lies beyond the count and is edited all the same; what was typed last is stored
        // when the spinner switches records.
        ShowRecord(d, 4);
        Type(d, "Edit2", "65535");
        Choose(d, "ComboBox4", 2);
        Type(d, "Edit5", "0");
        ShowRecord(d, 1);
        Choose(d, "ComboBox4", 0);
        Choose(d, "ComboBox3", 2);
        // A refused text is reported once, when its field is left; list changes, leaving other
        // fields and confirming do not report it again.
        Type(d, "Edit1", "300");
        Leave();
        Choose(d, "ComboBox3", 2);
        Choose(d, "ComboBox1", 0);
        Type(d, "Edit3", "x");
        Type(d, "Edit2", "65536");
        // Return confirms without leaving the field.
        Type(d, "Edit4", "12");
        QTest::keyClick(&Control<QLineEdit>(d, "Edit4"), Qt::Key_Return);
        EXPECT_FALSE(d.isVisible());
        return true;
    });
    editEnemies(state, services, dialog);
    EXPECT_EQ(state.level.bytes(), Expected({{RecordByte(4, EnemyX), 0xFF},
                                             {RecordByte(4, EnemyX + 1), 0xFF},
                                             {RecordByte(4, EnemyDirection), 0x00},
                                             {RecordByte(4, EnemyStrength), 0},
                                             {RecordByte(4, EnemyRevival), 0xFF},
                                             {RecordByte(4, EnemyRevivalPair), 0xFF},
                                             {RecordByte(1, EnemyDirection), 0x00},
                                             {RecordByte(1, EnemyRevival), 0},
                                             {RecordByte(1, EnemyRevivalPair), 0},
                                             {RecordByte(1, EnemyKind), 2},
                                             {RecordByte(1, EnemyFrame), 12}}))
        << "only room 5's block changes";
    const QString tile = "between 0 and 255", skill = "not a number", x = "between 0 and 65535";
    EXPECT_EQ(modals.messages, QStringList({tile, skill, x}));
    EXPECT_EQ(refreshes, 1);
}

TEST_F(EnemyTest, TheCountIsKeptApartFromTheRecords) {
    state.level.setByte(EnemyCountAt(5), 2);
    EnemyDialog dialog;
    modals.dialogScripts.push_back([&](QDialog &d) {
        auto &count = Control<QSpinBox>(d, "UpDown1");
        EXPECT_EQ(count.value(), 2);
        for (const Qt::Key key : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Down})
            QTest::keyClick(&count, key);
        return true;
    });
    editEnemies(state, services, dialog);
    EXPECT_EQ(state.level.bytes(), Expected({{EnemyCountAt(5), 4}}));
}

} // namespace
