#include "ui/runtime_dialog.h"

#include "level/level_store.h"
#include "support/scripted_modals.h"
#include "ui/message_texts.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace qv2 {
namespace {

MessageTexts Texts()
{
    MessageTexts texts;
    texts.setLines({"caption=Grid", "dinOK=Okay", "dinCancel=Back", "between=between %d and %d",
                    "integer=not a number"});
    return texts;
}

QStringList Numbered(const char *prefix, int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QString::fromLatin1(prefix) + QString::number(i);
    return names;
}

template <class T> T &Child(QWidget &parent, const QString &name)
{
    T *child = parent.findChild<T *>(name);
    if (!child)
        throw std::runtime_error("no control " + name.toStdString());
    return *child;
}

QLineEdit &Box(QWidget &dialog, int k)
{
    return Child<QLineEdit>(dialog, QStringLiteral("dinEdit%1").arg(k));
}

// The grids of the two commands that use them: 2 x 9 numbered along the rows, 3 x 10 down the
// columns.
struct GridCase {
    const char *name;
    int columns;
    int rows;
    GridDialog::Numbering numbering;
};
const GridCase kGrids[] = {
    {"RowByRow", 2, 9, [](int k) { return GridDialog::Cell{k % 2, k / 2}; }},
    {"ColumnByColumn", 3, 10, [](int k) { return GridDialog::Cell{k / 10, k % 10}; }},
};

TEST(GridDialog, BoxesStandInTheirCellsAndTabFollowsTheNumbering)
{
    const MessageTexts texts = Texts();
    for (const GridCase &grid : kGrids) {
        SCOPED_TRACE(grid.name);
        GridDialog dialog(texts, QStringLiteral("caption"));
        dialog.addGrid(Numbered("h", grid.columns), Numbered("r", grid.rows), grid.numbering);
        const int boxes = grid.columns * grid.rows;
        EXPECT_FALSE(dialog.findChild<QLineEdit *>(QStringLiteral("dinEdit%1").arg(boxes)));
        for (int k = 0; k < boxes; ++k) {
            const GridDialog::Cell cell = grid.numbering(k);
            EXPECT_EQ(Box(dialog, k).pos(), QPoint(120 + 32 * cell.column, 40 + 32 * cell.row)) << k;
            EXPECT_EQ(Box(dialog, k).width(), 32);
        }
        EXPECT_EQ(Child<QWidget>(dialog, "dinHeader1").pos(), QPoint(152, 10));
        EXPECT_EQ(Child<QWidget>(dialog, "dinRowLabel1").pos(), QPoint(10, 72));
        EXPECT_EQ(Child<QPushButton>(dialog, "dinOK").pos(), QPoint(10, 340));
        EXPECT_EQ(Child<QPushButton>(dialog, "dinCancel").pos(), QPoint(100, 340));
        EXPECT_EQ(Child<QScrollArea>(dialog, "dinScrollBox").geometry(), QRect(10, 40, 300, 290));
        EXPECT_EQ(dialog.size(), QSize(320, 400));
        EXPECT_EQ(dialog.windowTitle(), "Grid");

        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        EXPECT_EQ(QApplication::focusWidget(), &Box(dialog, 0));
        EXPECT_EQ(Box(dialog, 0).selectedText(), Box(dialog, 0).text());
        for (int k = 1; k < boxes; ++k) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), &Box(dialog, k)) << k;
        }
        // The last row lies below the visible part of the scroll box and comes into view.
        auto &scrollBox = Child<QScrollArea>(dialog, "dinScrollBox");
        EXPECT_GT(scrollBox.verticalScrollBar()->value(), 0);
        const QRect shown = scrollBox.viewport()->rect();
        const QRect last(Box(dialog, boxes - 1).mapTo(scrollBox.viewport(), QPoint()),
                         Box(dialog, boxes - 1).size());
        EXPECT_TRUE(shown.contains(last));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), &Child<QPushButton>(dialog, "dinOK"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), &Child<QPushButton>(dialog, "dinCancel"));
    }
}

TEST(GridDialog, StoresEveryAcceptedBoxAndReportsEachRefusedOne)
{
    const MessageTexts texts = Texts();
    LevelStore level(Bytes(20, 7));
    GridDialog dialog(texts, QStringLiteral("caption"));
    dialog.addGrid(Numbered("h", 2), Numbered("r", 3), kGrids[0].numbering);
    dialog.showBytes(level, 10);
    EXPECT_EQ(Box(dialog, 5).text(), "7");
    const char *typed[] = {"0", "256", "$FF", "x", "-1", "12"};
    for (int k = 0; k < 6; ++k)
        Box(dialog, k).setText(QString::fromLatin1(typed[k]));
    ScriptedModals modals;
    dialog.storeBytes(level, 10, modals);
    EXPECT_EQ(modals.messages,
              QStringList({"between 0 and 255", "not a number", "between 0 and 255"}));
    const Bytes expected{7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 0, 7, 255, 7, 7, 12, 7, 7, 7, 7};
    EXPECT_EQ(level.bytes(), expected);
}

struct ListCase {
    const char *name;
    QStringList lines;
    std::function<bool(QDialog &)> user;
    std::optional<int> chosen;
};

TEST(ListDialog, GivesTheLineChosenWithOk)
{
    const MessageTexts texts = Texts();
    const QStringList three{"first", "second", "third"};
    auto list = [](QDialog &dialog) -> QListWidget & {
        return Child<QListWidget>(dialog, "dinListBox");
    };
    const ListCase cases[] = {
        {"FirstLineIsSelected", three, [](QDialog &) { return true; }, 0},
        {"ReturnConfirms", three,
         [](QDialog &dialog) {
             QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
             QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
             return dialog.result() == QDialog::Accepted;
         },
         1},
        {"OtherLine", three,
         [&](QDialog &dialog) {
             list(dialog).setCurrentRow(2);
             return true;
         },
         2},
        {"Cancel", three, [](QDialog &) { return false; }, std::nullopt},
        {"Escape", three,
         [](QDialog &dialog) {
             QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
             return dialog.result() == QDialog::Accepted;
         },
         std::nullopt},
        {"NothingSelected", three,
         [&](QDialog &dialog) {
             list(dialog).clearSelection();
             return true;
         },
         std::nullopt},
        {"NoLines", {}, [](QDialog &) { return true; }, std::nullopt},
    };
    for (const ListCase &c : cases) {
        ScriptedModals modals;
        modals.dialogScripts.push_back([&](QDialog &dialog) {
            EXPECT_EQ(dialog.size(), QSize(320, 200));
            EXPECT_EQ(Child<QWidget>(dialog, "dinListBox").geometry(), QRect(10, 10, 300, 120));
            EXPECT_EQ(Child<QPushButton>(dialog, "dinOK").pos(), QPoint(10, 140));
            EXPECT_EQ(Child<QPushButton>(dialog, "dinOK").text(), "Okay");
            EXPECT_EQ(Child<QPushButton>(dialog, "dinCancel").pos(), QPoint(100, 140));
            EXPECT_EQ(Child<QPushButton>(dialog, "dinCancel").text(), "Back");
            EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
            EXPECT_EQ(QApplication::focusWidget(), &list(dialog));
            return c.user(dialog);
        });
        const int widgets = QApplication::allWidgets().size();
        EXPECT_EQ(ChooseLine(texts, QStringLiteral("caption"), c.lines, modals), c.chosen) << c.name;
        EXPECT_EQ(QApplication::allWidgets().size(), widgets) << c.name << ": controls left behind";
        EXPECT_EQ(modals.dialogTitles, QStringList{"Grid"});
    }
}

} // namespace
} // namespace qv2
