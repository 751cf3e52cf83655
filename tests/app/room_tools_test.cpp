// The room view's tools, the palette, the rectangle and its clipboard, the live problem list and
// the history dock, used as the user uses them.
#include "inspect/problems_dock.h"
#include "level/level_layout.h"
#include "main_window_fixture.h"
#include "support/find_control.h"
#include "view/paint_box.h"
#include "view/room_tools.h"
#include "view/tile_block.h"

#include <QClipboard>
#include <QComboBox>
#include <QDockWidget>
#include <QGuiApplication>
#include <QLabel>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QUndoStack>
#include <QUndoView>

#include <gtest/gtest.h>

namespace qv2 {
namespace {

struct ToolsTest : MainWindowTest {
    void SetUp() override {
        MainWindowTest::SetUp();
        open(archive, pickRow(3)); // room 5 of an empty level
        ASSERT_TRUE(state().levelOpen);
        showActive(); // for the keys of the room view
    }
    PaintBox &view() { return Control<PaintBox>(window(), QStringLiteral("PaintBox1")); }
    QAction &action(const char *name) {
        return Control<QAction>(window(), QString::fromLatin1(name));
    }
    void mouse(QEvent::Type type, GridTile tile, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = {}) {
        const QPointF at(2 + 144 + 32 * tile.column + 16, 2 + 64 + 64 * tile.row + 32);
        // A move reaches a widget without mouse tracking only with a button held.
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton
                                      : type == QEvent::MouseMove        ? Qt::LeftButton
                                                                         : button;
        QMouseEvent event(type, at, view().mapToGlobal(at), button, held, modifiers);
        QCoreApplication::sendEvent(&view(), &event);
    }
    void click(GridTile tile, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = {}) {
        mouse(QEvent::MouseButtonPress, tile, button, modifiers);
        mouse(QEvent::MouseButtonRelease, tile, button, modifiers);
    }
    // Pressed on the first tile, moved over the others, released on the last.
    void stroke(std::initializer_list<GridTile> tiles) {
        mouse(QEvent::MouseButtonPress, *tiles.begin());
        for (const GridTile &tile : tiles)
            mouse(QEvent::MouseMove, tile, Qt::NoButton);
        mouse(QEvent::MouseButtonRelease, *(tiles.end() - 1));
    }
    Tile tile(int row, int column) { return ReadTile(state().level, 5, row, column); }
    void put(int row, int column, const Tile &t) { WriteTile(state().level, 5, row, column, t); }
    // Which tiles of room 5 hold `t`, as '#', row by row.
    std::string where(const Tile &t) {
        std::string rows;
        for (int row = 0; row < kRows; ++row) {
            for (int column = 0; column < kColumns; ++column)
                rows += tile(row, column) == t ? '#' : '.';
            rows += '|';
        }
        return rows;
    }
    QUndoStack &steps() { return window().history().stack(); }
};

const Tile kSpikes{0x02, {1, 0, 2, 0}};

// Each gesture writes the brush where it must, as one step named after it, which undo takes
// back whole.
TEST_F(ToolsTest, EachToolWritesTheBrushAsOneStep) {
    const struct {
        const char *name;
        std::function<void(ToolsTest &)> gesture;
        const char *written;
        const char *step;
    } cases[] = {
        {"a stroke, a fast move across the row skipping tiles",
         [](ToolsTest &t) {
             t.action("PaintTool").trigger();
             t.stroke({{0, 1}, {0, 2}, {2, 6}, {2, 6}});
         },
         "###.......|...##.....|.....##...|", "toolpaint"},
        {"a flood fill stops at other tiles",
         [](ToolsTest &t) {
             t.action("FillTool").trigger();
             t.click({1, 1});
         },
         "###.......|###.......|###.......|", "toolfill"},
        {"Shift and a second click, then F",
         [](ToolsTest &t) {
             t.click({0, 7});
             t.click({1, 9}, Qt::LeftButton, Qt::ShiftModifier);
             t.view().setFocus();
             QTest::keyClick(&t.view(), Qt::Key_F);
         },
         "#......###|.......###|..........|", "toolfillarea"},
        {"Shift and a drag, then F",
         [](ToolsTest &t) {
             t.mouse(QEvent::MouseButtonPress, {2, 0}, Qt::LeftButton, Qt::ShiftModifier);
             t.mouse(QEvent::MouseMove, {1, 1}, Qt::NoButton, Qt::ShiftModifier);
             t.mouse(QEvent::MouseButtonRelease, {1, 1}, Qt::LeftButton, Qt::ShiftModifier);
             t.view().setFocus();
             QTest::keyClick(&t.view(), Qt::Key_F);
         },
         "#.........|##........|##........|", "toolfillarea"},
    };
    for (const auto &c : cases) {
        SetUp();
        put(0, 0, kSpikes);
        for (int row = 0; row < kRows; ++row)
            put(row, 3, Tile{0x14, {}}); // a wall the flood fill stops at
        click({0, 0}, Qt::RightButton);  // the eyedropper
        const Bytes before = state().level.bytes();
        c.gesture(*this);
        EXPECT_EQ(where(kSpikes), c.written) << c.name;
        ASSERT_EQ(steps().count(), 1) << c.name;
        EXPECT_EQ(steps().undoText(), QString::fromLatin1(c.step)) << c.name;
        steps().undo();
        EXPECT_TRUE(state().level.bytes() == before) << c.name;
    }
}

TEST_F(ToolsTest, TheEyedropperAndThePaletteSetTheBrush) {
    auto &palette = Control<QDockWidget>(window(), QStringLiteral("PaletteDock"));
    auto &kinds = Control<QListWidget>(palette, QStringLiteral("PaletteList"));
    EXPECT_TRUE(palette.isVisibleTo(&window()));
    EXPECT_EQ(kinds.count(), 45) << "every kind of the toolbar list";
    EXPECT_EQ(kinds.item(0x2C)->toolTip(),
              Control<QComboBox>(window(), QStringLiteral("ComboBox1")).itemText(0x2C));
    EXPECT_EQ(kinds.item(0x2C)->icon().pixmap(kinds.iconSize()).size(), kinds.iconSize())
        << "each kind shows its picture";

    put(1, 4, kSpikes);
    click({1, 4}, Qt::LeftButton, Qt::AltModifier);
    EXPECT_EQ(state().tilePlace(), 14) << "picked and selected";
    EXPECT_EQ(kinds.currentRow(), 0x02);
    EXPECT_EQ(steps().count(), 0) << "picking changes nothing";

    // A kind from the palette keeps the attribute values the toolbar fields show.
    kinds.setCurrentRow(0x14);
    emit kinds.itemClicked(kinds.item(0x14));
    action("PaintTool").trigger();
    click({2, 2});
    EXPECT_EQ(tile(2, 2), (Tile{0x14, {1, 0, 2, 0}}));

    // Two digits typed in the room view: the selected tile's kind, and the brush's.
    view().setFocus();
    QTest::keyClicks(&view(), QStringLiteral("1B"));
    EXPECT_EQ(tile(1, 4).kind, 0x1B) << "B completes the kind instead of choosing a tool";
    EXPECT_EQ(kinds.currentRow(), 0x1B);
    QTest::keyClick(&view(), Qt::Key_S);
    EXPECT_TRUE(action("SelectTool").isChecked());
    QTest::keyClick(&view(), Qt::Key_B);
    EXPECT_TRUE(action("PaintTool").isChecked());
}

TEST_F(ToolsTest, ARectangleIsCopiedPastedAndDeletedThroughTheClipboard) {
    put(0, 0, kSpikes);
    put(1, 1, kSpikes);
    click({0, 0});
    click({1, 1}, Qt::LeftButton, Qt::ShiftModifier);
    QAction *copy = window().action(MainWindow::Action::CopyRoom);
    const LanguageFile language =
        *ReadLanguageFile(LanguageFilePath(programDir(), state().languageName));
    EXPECT_EQ(copy->text(), language.text(QStringLiteral("main"), QStringLiteral("copytiles")));
    copy->trigger();
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith(QStringLiteral("Qasvar 2 tiles, 2 x 2\n")))
        << copied.toStdString();

    click({1, 8}); // drops the rectangle: pasted with its top-left here, clipped at the edge
    EXPECT_FALSE(state().shownArea());
    window().action(MainWindow::Action::PasteRoom)->trigger();
    EXPECT_EQ(where(kSpikes), "#.........|.#......#.|.........#|");

    // Delete asks once, then empties only the rectangle's tiles.
    click({1, 8});
    click({2, 9}, Qt::LeftButton, Qt::ShiftModifier);
    modals.yesNoAnswers = {true};
    view().setFocus();
    QTest::keyClick(&view(), Qt::Key_Delete);
    EXPECT_EQ(modals.questions.size(), 1u);
    EXPECT_EQ(where(kSpikes), "#.........|.#........|..........|");
    EXPECT_EQ(steps().count(), 2);
    // Esc drops the rectangle; Copy then takes the room again.
    QTest::keyClick(&view(), Qt::Key_Escape);
    EXPECT_EQ(copy->text(), language.text(QStringLiteral("main"), QStringLiteral("copyroom")));
    copy->trigger();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("Qasvar 2 room\n")));
}

TEST_F(ToolsTest, ProblemsAreListedAfterEveryChangeAndLeadToTheirTile) {
    auto &dock = Control<ProblemsDock>(window(), QStringLiteral("ProblemsDock"));
    auto &list = Control<QTreeWidget>(dock, QStringLiteral("ProblemsList"));
    ASSERT_EQ(list.topLevelItemCount(), 0) << "the empty level breaks no rule";
    // A potion above nothing breaks a shipped rule.
    click({0, 6});
    QTest::keyClicks(&view(), QStringLiteral("0A"));
    ASSERT_EQ(list.topLevelItemCount(), 1);
    EXPECT_EQ(dock.countLabel().text(), FormatMessage(text("problemcount"), 1));
    click({2, 0});
    emit list.itemActivated(list.topLevelItem(0), 0);
    EXPECT_EQ(state().tilePlace(), 6);
    EXPECT_TRUE(modals.messages.isEmpty());
    window().action(MainWindow::Action::Undo)->trigger();
    EXPECT_EQ(list.topLevelItemCount(), 0);
}

TEST_F(ToolsTest, TheHistoryDockIsHiddenAndAClickReturnsToAStep) {
    auto &dock = Control<QDockWidget>(window(), QStringLiteral("HistoryDock"));
    EXPECT_FALSE(dock.isVisibleTo(&window()));
    action("ShowHistory").trigger();
    EXPECT_TRUE(dock.isVisibleTo(&window()));
    const Bytes opened = state().level.bytes();
    for (const char *kinds : {"01", "02", "03"})
        QTest::keyClicks(&view(), QString::fromLatin1(kinds));
    auto &steps = Control<QUndoView>(dock, QStringLiteral("HistoryView"));
    steps.setCurrentIndex(steps.model()->index(1, 0));
    EXPECT_EQ(tile(0, 0).kind, 0x01);
    EXPECT_EQ(Control<QComboBox>(window(), QStringLiteral("ComboBox1")).currentIndex(), 0x01)
        << "the room was drawn again";
    steps.setCurrentIndex(steps.model()->index(0, 0));
    EXPECT_TRUE(state().level.bytes() == opened);

    // Each step by its name, as the Undo command says it, also after a change of language.
    action("PaintTool").trigger();
    stroke({{0, 0}, {0, 1}});
    chooseLanguage("english.ini");
    const auto &names = static_cast<const QStyledItemDelegate &>(*steps.itemDelegate());
    EXPECT_EQ(names.displayText(steps.model()->index(1, 0).data(), {}), text("toolpaint"));
    EXPECT_EQ(text("toolpaint"), QStringLiteral("Paint"));
}

} // namespace
} // namespace qv2
