#include "view/property_panel.h"

#include "support/scripted_modals.h"
#include "ui/exit_line_edit.h"
#include "view/tile_picture_name.h"
#include "view_test_support.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

using namespace qv2;
using namespace viewtest;

namespace {

const QStringList kBackground = {
    "[1A]",       "n=2",         "1=213pflipping", "2=101pside", "[*]",     "n=1",
    "1=208pback", "[pflipping]", "c=lflipping",    "k=edit",     "[pside]", "c=lside",
    "k=list",     "t=lsides",    "[pback]",        "c=lback",    "k=edit",
};
const QStringList kTexts = {"lflipping=Flipping",        "lside=Side",
                            "lsides=Left,Right",         "lback=Background",
                            "between=between %d and %d", "integer=not a number"};

TEST(DescribePanelRows, OwnRowsFirstThenTheSharedOnes) {
    const auto rows = DescribePanelRows(Ini(kBackground), Texts(kTexts), 0x1A, {0, 0x01, 0x0E, 0});
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].label, "Flipping");
    EXPECT_EQ(rows[0].control, PanelControl::Edit);
    EXPECT_EQ(rows[0].value, 7);
    EXPECT_EQ(rows[0].tag(), 2 * 65536 + 1 * 256 + 3);
    EXPECT_EQ(rows[1].label, "Side");
    EXPECT_EQ(rows[1].control, PanelControl::List);
    EXPECT_EQ(rows[1].items, QStringList({"Left", "Right"}));
    EXPECT_EQ(rows[1].value, 1);
    EXPECT_EQ(rows[2].label, "Background");
    EXPECT_EQ(rows[2].value, 0x0E);
}

TEST(DescribePanelRows, RejectedAndOddEntries) {
    const IniFile background = Ini({
        "[01]",
        "n=7",
        "1=21",          // too short
        "2=2x3pplain",   // not digits
        "3=413pplain",   // no attribute byte 4
        "4=173pplain",   // bits 7..9 do not fit a byte
        "5=000pplain",   // a field without bits
        "6=011pcheck",   // neither edit nor list: a label only
        "7=011pmissing", // no description section: an empty label only
        "[pplain]",
        "c=lplain",
        "k=edit",
        "[pcheck]",
        "c=lcheck",
        "k=check",
    });
    const auto rows =
        DescribePanelRows(background, Texts({"lplain=Plain", "lcheck=Check"}), 0x01, {});
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].label, "Check");
    EXPECT_EQ(rows[0].control, PanelControl::None);
    EXPECT_EQ(rows[1].label, "");
    EXPECT_EQ(rows[1].control, PanelControl::None);
}

TEST(DescribePanelRows, AtMostTenRowsAndCountsBeyondTheSection) {
    QStringList lines = {"[01]", "n=12"};
    for (int j = 1; j <= 12; ++j)
        lines << QStringLiteral("%1=011pplain").arg(j);
    lines << "[*]"
          << "n=1"
          << "1=011pplain"
          << "[pplain]"
          << "c=lplain"
          << "k=edit";
    const auto rows = DescribePanelRows(Ini(lines), Texts({}), 0x01, {});
    ASSERT_EQ(rows.size(), 10u);

    // A huge count with no entries behind it ends with the section.
    const auto none = DescribePanelRows(Ini({"[01]", "n=2147483647", "[*]"}), Texts({}), 0x01, {});
    EXPECT_TRUE(none.empty());
    EXPECT_TRUE(DescribePanelRows(Ini({}), Texts({}), 0x01, {}).empty());
}

TEST(EveryPanelRow, HoldsEverySectionInFull) {
    // Kind 01 fills the panel by itself; the rows of 1A and "*" still count for the layout.
    QStringList lines = kBackground;
    lines << "[01]"
          << "n=10";
    for (int j = 1; j <= 10; ++j)
        lines << QStringLiteral("%1=011pback").arg(j);
    const auto rows = EveryPanelRow(Ini(lines), Texts(kTexts));
    EXPECT_EQ(rows.size(), 13u);
    QStringList labels;
    for (const PanelRow &row : rows)
        labels << row.label;
    EXPECT_EQ(labels.count("Background"), 11);
    EXPECT_TRUE(labels.contains("Flipping") && labels.contains("Side"));
}

// The panel on a level whose tile (room 1, row 0, column 0) is kind 1A.
struct PanelTest : ::testing::Test {
    EditorState state;
    ScriptedModals modals;
    Services services{modals, [] {}};
    QWidget panelHost;
    PropertyPanel panel{panelHost, state, services};

    PanelTest() {
        state.level = EmptyLevel();
        state.levelOpen = true;
        state.background = Ini(kBackground);
        state.texts = Texts(kTexts);
        state.level.setByte(TileKindAt(1, 0, 0), 0x1A);
        state.level.setByte(TileAttributeAt(1, 0, 0, 2), 0x0E);
        panelHost.resize(185, 300);
        panelHost.show();
        panelHost.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&panelHost));
    }
    template <class T> T *control(const QString &name) { return panelHost.findChild<T *>(name); }
    std::uint8_t byte2() const { return state.level.byte(TileAttributeAt(1, 0, 0, 2)); }
    // Types into the number field and leaves it, as the user does.
    void typeAndLeave(QLineEdit &edit, const QString &text) {
        edit.setFocus();
        edit.selectAll();
        QTest::keyClicks(&edit, text);
        edit.clearFocus();
    }
};

TEST_F(PanelTest, ControlsInTheirRowsWithTheirFields) {
    // A label far longer than the designed column leaves room for.
    state.texts = Texts(QStringList{"lback=A background picture label"} + kTexts);
    panel.RebuildPropertyPanel();
    auto *edit = control<QLineEdit>("PanelField0");
    auto *list = control<QComboBox>("PanelList1");
    auto *shared = control<QLineEdit>("PanelField2");
    ASSERT_TRUE(edit && list && shared);
    EXPECT_EQ(control<QLabel>("PanelLabel0")->buddy(), edit);
    EXPECT_EQ(edit->y(), 10);
    EXPECT_EQ(edit->width(), 50);
    EXPECT_EQ(edit->text(), "7");
    EXPECT_EQ(edit->property("Tag").toInt(), 2 * 65536 + 256 + 3);
    EXPECT_EQ(list->x(), edit->x());
    EXPECT_EQ(list->width(), 125);
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_EQ(shared->text(), "14");
    EXPECT_EQ(control<QWidget>("PanelLabel3"), nullptr);
    EXPECT_EQ(list->accessibleName(), "Side");

    // Nothing is hidden behind anything else, and everything lies inside the panel.
    const QWidget *values[] = {edit, list, shared};
    for (int slot = 0; slot < 3; ++slot) {
        SCOPED_TRACE(slot);
        const QLabel *label = control<QLabel>(QStringLiteral("PanelLabel%1").arg(slot));
        EXPECT_EQ(label->x(), 10);
        EXPECT_LT(label->geometry().right(), values[slot]->x());
        EXPECT_LE(values[slot]->geometry().right(), panelHost.width());
        if (slot > 0) {
            EXPECT_LT(values[slot - 1]->geometry().bottom() + 1, values[slot]->y());
        }
    }
    // The popup is as wide as the longest item, measured as it opens, again after a change; the
    // box stays as tall as a plain list.
    for (const QString &added : {QString(), QString(60, QLatin1Char('W'))}) {
        if (!added.isEmpty())
            list->addItem(added);
        EXPECT_EQ(list->sizeHint().height(), QComboBox().sizeHint().height());
        list->showPopup();
        EXPECT_GE(list->view()->minimumWidth(), list->view()->sizeHintForColumn(0)) << added.size();
        EXPECT_GT(list->view()->minimumWidth(), list->width());
        list->hidePopup();
    }
}

TEST_F(PanelTest, StoringANumberChangesOnlyTheFieldsBits) {
    panel.RebuildPropertyPanel();
    auto *edit = control<QLineEdit>("PanelField0");
    ASSERT_TRUE(edit);
    typeAndLeave(*edit, "0");
    EXPECT_EQ(byte2(), 0x00);
    typeAndLeave(*edit, "5");
    EXPECT_EQ(byte2(), 0x0A);
    state.level.setByte(TileAttributeAt(1, 0, 0, 2), 0xFF);
    typeAndLeave(*edit, "0");
    EXPECT_EQ(byte2(), 0xF1);
    EXPECT_TRUE(modals.messages.isEmpty());
}

TEST_F(PanelTest, ReturnStoresTheFieldAsTheToolbarFieldsDo) {
    panel.RebuildPropertyPanel();
    auto *edit = control<QLineEdit>("PanelField0");
    ASSERT_TRUE(edit);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, "5");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(byte2(), 0x0A);
}

TEST_F(PanelTest, ARefusedNumberKeepsTheByteAndTheTypedText) {
    panel.RebuildPropertyPanel();
    auto *edit = control<QLineEdit>("PanelField0");
    ASSERT_TRUE(edit);
    typeAndLeave(*edit, "8");
    EXPECT_EQ(modals.messages, QStringList({"between 0 and 7"}));
    EXPECT_EQ(byte2(), 0x0E);
    EXPECT_EQ(edit->text(), "8");
}

TEST_F(PanelTest, LeavingAnUntouchedFieldStoresNothing) {
    panel.RebuildPropertyPanel();
    auto *edit = control<QLineEdit>("PanelField0");
    ASSERT_TRUE(edit);
    edit->setFocus();
    edit->setText("3"); // not typed by the user
    edit->clearFocus();
    EXPECT_EQ(byte2(), 0x0E);
    EXPECT_FALSE(state.panelEditPending);
}

TEST_F(PanelTest, ListChoicesAreMaskedToTheField) {
    state.texts = Texts(QStringList{"lsides=Left,Right,Up,Down"} + kTexts);
    state.level.setByte(TileAttributeAt(1, 0, 0, 1), 0xF0);
    panel.RebuildPropertyPanel();
    auto *list = control<QComboBox>("PanelList1");
    ASSERT_TRUE(list);
    emit list->activated(3); // item 3 does not fit the one-bit field
    EXPECT_EQ(state.level.byte(TileAttributeAt(1, 0, 0, 1)), 0xF1);
    emit list->activated(2);
    EXPECT_EQ(state.level.byte(TileAttributeAt(1, 0, 0, 1)), 0xF0);
}

TEST_F(PanelTest, AValueBeyondTheListShowsNoSelection) {
    state.texts = Texts(QStringList{"lsides=Left"} + kTexts);
    state.level.setByte(TileAttributeAt(1, 0, 0, 1), 0x01);
    panel.RebuildPropertyPanel();
    auto *list = control<QComboBox>("PanelList1");
    ASSERT_TRUE(list);
    EXPECT_EQ(list->count(), 1);
    EXPECT_EQ(list->currentIndex(), -1);
}

TEST_F(PanelTest, RebuildReplacesTheControls) {
    panel.RebuildPropertyPanel();
    QPointer<QWidget> old = control<QWidget>("PanelField0");
    state.column = 1; // kind 00, which has only the shared row
    panel.RebuildPropertyPanel();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(old.isNull());
    EXPECT_EQ(control<QLineEdit>("PanelField0")->text(), "0");
    EXPECT_EQ(control<QWidget>("PanelList1"), nullptr);
    EXPECT_EQ(panelHost.findChildren<QLabel *>().size(), 1);
}

// A command that moves the selection while a panel field still holds the focus: the field's exit
// during the rebuild must not store its text into the newly selected tile.
TEST_F(PanelTest, AFieldLeftByTheRebuildStoresNothing) {
    panel.RebuildPropertyPanel();
    auto *edit = control<QLineEdit>("PanelField0");
    ASSERT_TRUE(edit);
    edit->setFocus();
    QTest::keyClicks(edit, "5");
    state.room = 2;
    state.level.setByte(TileKindAt(2, 0, 0), 0x1A);
    panel.RebuildPropertyPanel();
    EXPECT_EQ(state.level.byte(TileAttributeAt(2, 0, 0, 2)), 0x00);
    EXPECT_TRUE(modals.messages.isEmpty());
}

// Clicking into a panel field while a toolbar field holds a typed value: the toolbar's exit
// handler refreshes the room, which rebuilds the panel inside the clicked field's own press.
TEST_F(PanelTest, RebuildDuringAPressOnAPanelField) {
    ExitLineEdit toolbarField(&panelHost);
    toolbarField.move(0, 250);
    toolbarField.show();
    QObject::connect(&toolbarField, &ExitLineEdit::exited, [&] { panel.RebuildPropertyPanel(); });
    panel.RebuildPropertyPanel();
    toolbarField.setFocus();
    ASSERT_TRUE(toolbarField.hasFocus());
    QTest::mouseClick(control<QLineEdit>("PanelField0"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_NE(control<QLineEdit>("PanelField0"), nullptr);
    EXPECT_EQ(control<QLineEdit>("PanelField0")->text(), "7");
}

// What a panel shows, slot by slot: each control's class, name, place, text, items, selection and
// field.
QStringList Shown(const QWidget &panelHost) {
    QStringList shown;
    for (const QWidget *control : panelHost.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!control->isVisible())
            continue;
        QString line = QStringLiteral("%1 %2 %3,%4 %5x%6 tag %7")
                           .arg(control->metaObject()->className(), control->objectName())
                           .arg(control->x())
                           .arg(control->y())
                           .arg(control->width())
                           .arg(control->height())
                           .arg(control->property("Tag").toInt());
        if (const auto *label = qobject_cast<const QLabel *>(control))
            line += " " + label->text() + " for " +
                    (label->buddy() ? label->buddy()->objectName() : "");
        if (const auto *edit = qobject_cast<const QLineEdit *>(control))
            line += " " + edit->text();
        if (const auto *list = qobject_cast<const QComboBox *>(control)) {
            for (int i = 0; i < list->count(); ++i)
                line += " " + list->itemText(i);
            line += QStringLiteral(" at %1").arg(list->currentIndex());
        }
        shown << line;
    }
    shown.sort();
    return shown;
}

// A refresh to a tile whose rows need the same controls keeps them; whether kept or not, the panel
// shows exactly what a panel built afresh for that tile shows.
TEST_F(PanelTest, RefreshKeepsControlsThatFitAndShowsWhatANewPanelWould) {
    state.background = Ini(kBackground + QStringList{
                                             "[1B]",
                                             "n=2",
                                             "1=011pother",
                                             "2=112pside",
                                             "[pother]",
                                             "c=lother",
                                             "k=edit",
                                         });
    state.texts = Texts(kTexts + QStringList{"lother=Other"});
    state.level.setByte(TileKindAt(2, 0, 0), 0x1A);
    state.level.setByte(TileAttributeAt(2, 0, 0, 1), 0x01);
    state.level.setByte(TileAttributeAt(2, 0, 0, 2), 0x06);
    state.level.setByte(TileKindAt(3, 0, 0), 0x1B);
    state.level.setByte(TileAttributeAt(3, 0, 0, 0), 0x01);
    const struct {
        const char *name;
        int room;
        bool focusInPanel;
        bool kept;
    } cases[] = {
        {"same kind, other values", 2, false, true},
        {"same controls, other labels, items and fields", 3, false, true},
        {"other controls", 4, false, false}, // kind 00: the shared row only
        {"a panel field has the focus", 2, true, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        state.room = 1;
        panel.RebuildPropertyPanel();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QPointer<QWidget> first = control<QWidget>("PanelField0");
        if (c.focusInPanel)
            first->setFocus();
        state.room = c.room;
        panel.RebuildPropertyPanel();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(!first.isNull(), c.kept);

        QWidget fresh1;
        PropertyPanel fresh(fresh1, state, services);
        fresh.RebuildPropertyPanel();
        fresh1.show();
        EXPECT_EQ(Shown(panelHost), Shown(fresh1));
        EXPECT_EQ(panelHost.width(), fresh1.width());
        panelHost.setFocus();
    }
}

} // namespace

namespace {

TEST(PanelFieldTip, NamesTheFieldItsBitsAndItsRange) {
    const MessageTexts texts = Texts({"tipfield=%s | byte %d | bits %d-%d | 0-%d"});
    const struct {
        const char *label;
        BitField field;
        const char *name;
        const char *tip;
    } cases[] = {
        {"Background picture:", {2, 0, 4}, "Background picture", "byte 3 | bits 0-3 | 0-15"},
        {"Gate", {0, 7, 1}, "Gate", "byte 1 | bits 7-7 | 0-1"},
        {" Link entry : ", {3, 0, 8}, "Link entry", "byte 4 | bits 0-7 | 0-255"},
        {"", {1, 5, 3}, "", "byte 2 | bits 5-7 | 0-7"},
    };
    for (const auto &c : cases) {
        PanelRow row;
        row.label = QString::fromLatin1(c.label);
        row.field = c.field;
        EXPECT_EQ(PanelFieldName(row), QLatin1String(c.name)) << c.label;
        EXPECT_EQ(PanelFieldTip(row, texts), QLatin1String(c.name) + " | " + QLatin1String(c.tip))
            << c.label;
    }
}

} // namespace
