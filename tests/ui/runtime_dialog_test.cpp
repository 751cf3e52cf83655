#include "ui/runtime_dialog.h"

#include "support/find_control.h"
#include "support/scripted_modals.h"
#include "text/message_texts.h"

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

MessageTexts Texts() {
    MessageTexts texts;
    texts.setLines({"caption=Grid", "dinOK=Okay", "dinCancel=Back"});
    return texts;
}

QStringList Numbered(const char *prefix, int count) {
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QString::fromLatin1(prefix) + QString::number(i);
    return names;
}

QLineEdit &Box(QWidget &dialog, int k) {
    return Control<QLineEdit>(dialog, QStringLiteral("dinEdit%1").arg(k));
}

QWidget &Label(QWidget &dialog, const char *prefix, int i) {
    return Control<QWidget>(dialog, QString::fromLatin1(prefix) + QString::number(i));
}

// The grids of the two commands that use them, 2 x 9 numbered along the rows and 3 x 10 down the
// columns, and one whose labels are too wide for the fixed places of the boxes.
struct GridCase {
    const char *name;
    QStringList headers;
    QStringList rowLabels;
    GridDialog::Numbering numbering;
    bool fixedPlaces; // the labels fit: boxes at 120 + 32c, 40 + 32r
};
const GridCase kGrids[] = {
    {"RowByRow", Numbered("h", 2), Numbered("r", 9),
     [](int k) {
         return GridDialog::Cell{k % 2, k / 2};
     },
     true},
    {"ColumnByColumn", Numbered("h", 3), Numbered("r", 10),
     [](int k) {
         return GridDialog::Cell{k / 10, k % 10};
     },
     true},
    {"WideLabels",
     {"A rather wide header:", "Another one:"},
     QStringList{"A row label wider than 110:"} + Numbered("r", 8),
     [](int k) {
         return GridDialog::Cell{k % 2, k / 2};
     },
     false},
};

TEST(GridDialog, BoxesStandInTheirCellsAndTabFollowsTheNumbering) {
    const MessageTexts texts = Texts();
    for (const GridCase &grid : kGrids) {
        SCOPED_TRACE(grid.name);
        GridDialog dialog(texts, QStringLiteral("caption"));
        dialog.addGrid(grid.headers, grid.rowLabels, grid.numbering);
        const int boxes = static_cast<int>(grid.headers.size() * grid.rowLabels.size());
        EXPECT_FALSE(dialog.findChild<QLineEdit *>(QStringLiteral("dinEdit%1").arg(boxes)));
        for (int k = 0; k < boxes; ++k) {
            const GridDialog::Cell cell = grid.numbering(k);
            EXPECT_EQ(Box(dialog, k).x(), Label(dialog, "dinHeader", cell.column).x()) << k;
            EXPECT_EQ(Box(dialog, k).y(), Label(dialog, "dinRowLabel", cell.row).y()) << k;
            EXPECT_EQ(Box(dialog, k).width(), 32);
            EXPECT_GT(Box(dialog, k).x(),
                      Label(dialog, "dinRowLabel", cell.row).geometry().right());
        }
        EXPECT_GT(Label(dialog, "dinHeader", 1).x(),
                  Label(dialog, "dinHeader", 0).geometry().right());
        EXPECT_EQ(Label(dialog, "dinRowLabel", 1).pos(), QPoint(10, 72));
        if (grid.fixedPlaces) {
            EXPECT_EQ(Label(dialog, "dinHeader", 0).pos(), QPoint(120, 10));
            EXPECT_EQ(Label(dialog, "dinHeader", 1).pos(), QPoint(152, 10));
        }
        EXPECT_EQ(Control<QPushButton>(dialog, "dinOK").pos(), QPoint(10, 340));
        EXPECT_EQ(Control<QPushButton>(dialog, "dinCancel").pos(), QPoint(100, 340));
        EXPECT_EQ(Control<QScrollArea>(dialog, "dinScrollBox").geometry(), QRect(10, 40, 300, 290));
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
        auto &gridArea = Control<QScrollArea>(dialog, "dinScrollBox");
        EXPECT_GT(gridArea.verticalScrollBar()->value(), 0);
        const QRect shown = gridArea.viewport()->rect();
        const QRect last(Box(dialog, boxes - 1).mapTo(gridArea.viewport(), QPoint()),
                         Box(dialog, boxes - 1).size());
        EXPECT_TRUE(shown.contains(last));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), &Control<QPushButton>(dialog, "dinOK"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), &Control<QPushButton>(dialog, "dinCancel"));
    }
}

struct ListCase {
    const char *name;
    QStringList lines;
    std::function<bool(QDialog &)> user;
    std::optional<int> chosen;
};

TEST(ListDialog, GivesTheLineChosenWithOk) {
    const MessageTexts texts = Texts();
    const QStringList three{"first", "second", "third"};
    auto list = [](QDialog &dialog) -> QListWidget & {
        return Control<QListWidget>(dialog, "dinListBox");
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
            EXPECT_EQ(Control<QWidget>(dialog, "dinListBox").geometry(), QRect(10, 10, 300, 120));
            EXPECT_EQ(Control<QPushButton>(dialog, "dinOK").pos(), QPoint(10, 140));
            EXPECT_EQ(Control<QPushButton>(dialog, "dinOK").text(), "Okay");
            EXPECT_EQ(Control<QPushButton>(dialog, "dinCancel").pos(), QPoint(100, 140));
            EXPECT_EQ(Control<QPushButton>(dialog, "dinCancel").text(), "Back");
            EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
            EXPECT_EQ(QApplication::focusWidget(), &list(dialog));
            return c.user(dialog);
        });
        const int widgets = QApplication::allWidgets().size();
        EXPECT_EQ(ChooseLine(texts, QStringLiteral("caption"), c.lines, modals), c.chosen)
            << c.name;
        EXPECT_EQ(QApplication::allWidgets().size(), widgets) << c.name << ": controls left behind";
        EXPECT_EQ(modals.dialogTitles, QStringList{"Grid"});
    }
}

} // namespace
} // namespace qv2
