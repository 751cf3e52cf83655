// What the five level-wide dialogs share: the language file's texts fit, the focus starts on the
// first field and Tab walks the fields in order, and nothing changes without OK or without a level.
#include "editors/enemy_dialog.h"
#include "editors/level_type_dialog.h"
#include "editors/link_dialog.h"
#include "editors/neighbour_dialog.h"
#include "editors/start_position_dialog.h"

#include "editor_test_support.h"

#include <QAbstractButton>
#include <QLabel>
#include <QSpinBox>

#include <functional>

using namespace qv2;
using namespace editortest;

namespace {

struct EditorDialogTest : DialogFixture {
    StartPositionDialog startPosition;
    NeighbourDialog neighbours;
    LinkDialog links;
    EnemyDialog enemies;
    LevelTypeDialog levelType;

    struct Command {
        const char *form;
        std::function<void()> run;
        QStringList tabOrder; // from the field that has the focus at the opening
    };
    std::vector<Command> commands() {
        return {
            {"TForm3",
             [this] { editStartPosition(state, services, startPosition); },
             {"Edit1", "Edit2", "ComboBox1", "Button1", "Button2"}},
            {"TForm4",
             [this] { editNeighbours(state, services, neighbours); },
             {"Edit1", "Edit2", "Edit3", "Edit4", "Button1", "Button2"}},
            {"TForm6",
             [this] { editLinks(state, services, links); },
             {"UpDown1", "Button3", "Button4", "Edit1", "Edit2", "Edit3", "Edit4", "Edit5",
              "Button1", "Button2"}},
            {"TForm8",
             [this] { editEnemies(state, services, enemies); },
             {"UpDown1", "UpDown2", "Edit1", "Edit2", "ComboBox1", "Edit3", "Edit4", "ComboBox2",
              "ComboBox3", "Edit5", "ComboBox4", "Button1", "Button2"}},
            {"TForm9",
             [this] { editLevelType(state, services, levelType); },
             {"ComboBox1", "Edit1", "CheckListBox1", "ComboBox2", "Button1", "Button2"}},
        };
    }
};

// A control is clipped when it is narrower than its text needs or reaches past the dialog.
void ExpectNothingClipped(QDialog &dialog, const std::string &where) {
    for (QWidget *widget : dialog.findChildren<QWidget *>()) {
        if (!widget->isVisible())
            continue;
        const std::string name = where + " " + widget->objectName().toStdString();
        if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            // A button's hint asks for a style's usual width; its text needs less.
            EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(button->text()) + 12)
                << name;
        } else if (qobject_cast<QLabel *>(widget) || qobject_cast<QComboBox *>(widget)) {
            EXPECT_GE(widget->width(), widget->sizeHint().width()) << name;
        }
        const QRect inDialog(widget->mapTo(&dialog, QPoint(0, 0)), widget->size());
        EXPECT_TRUE(dialog.rect().contains(inDialog)) << name;
    }
}

TEST_F(EditorDialogTest, ShippedTextsFitAndTheKeyboardWalksTheFields) {
    const QString programDir = QString::fromLocal8Bit(qgetenv("QV2_PROGRAM_DIR"));
    ASSERT_FALSE(programDir.isEmpty()) << "QV2_PROGRAM_DIR must name the program folder";
    for (const char *language : {"english.ini", "magyar.ini"}) {
        const auto file =
            ReadLanguageFile(LanguageFilePath(programDir, QString::fromLatin1(language)));
        ASSERT_TRUE(file) << language;
        ApplyLanguageFile(*file, {&startPosition, &links, &neighbours, &enemies, &levelType},
                          state.texts);
        for (const Command &command : commands()) {
            const std::string where = std::string(language) + " " + command.form;
            modals.dialogScripts.push_back([&](QDialog &d) {
                EXPECT_EQ(d.objectName(), command.form);
                EXPECT_FALSE(d.windowTitle().isEmpty()) << where;
                ExpectNothingClipped(d, where);
                QStringList walked;
                for (int i = 0; i < command.tabOrder.size(); ++i) {
                    QWidget *focus = QApplication::focusWidget();
                    walked.append(focus ? focus->objectName() : QString());
                    if (i == 0) {
                        auto *edit = qobject_cast<QLineEdit *>(focus);
                        if (!edit && focus && qobject_cast<QSpinBox *>(focus))
                            edit = focus->findChild<QLineEdit *>();
                        if (edit) {
                            EXPECT_EQ(edit->selectedText(), edit->text())
                                << where << ": selected at the opening";
                        }
                    }
                    QTest::keyClick(focus, Qt::Key_Tab);
                }
                EXPECT_EQ(walked, command.tabOrder) << where;
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
                EXPECT_FALSE(d.isVisible()) << where << ": Esc closes";
                return false;
            });
            command.run();
        }
    }
}

TEST_F(EditorDialogTest, NothingChangesWithoutOkOrWithoutALevel) {
    for (const Command &command : commands()) {
        // Typed values that would all be accepted, then Esc or Mégse.
        for (const bool escape : {true, false}) {
            modals.dialogScripts.push_back([&](QDialog &d) {
                Type(d, "Edit1", "1");
                Leave();
                if (escape)
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
                else
                    QTest::mouseClick(&Control<QAbstractButton>(d, "Button2"), Qt::LeftButton);
                EXPECT_FALSE(d.isVisible()) << command.form;
                return false;
            });
            command.run();
        }
        state.levelOpen = false;
        command.run();
        state.levelOpen = true;
        EXPECT_EQ(state.level.bytes(), viewtest::FilledLevelBytes()) << command.form;
    }
    EXPECT_EQ(refreshes, 0);
    EXPECT_TRUE(modals.messages.isEmpty());
}

} // namespace
