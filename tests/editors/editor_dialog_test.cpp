// What the five level-wide dialogs share: the language file's texts fit, the focus starts on the
// first field and Tab walks the fields in order, and nothing changes without OK or without a level.
#include "editors/background_editor.h"
#include "editors/coming_guards.h"
#include "editors/enemy_dialog.h"
#include "editors/level_type_dialog.h"
#include "editors/link_dialog.h"
#include "editors/neighbour_dialog.h"
#include "editors/restart_points.h"
#include "editors/start_position_dialog.h"

#include "editor_test_support.h"
#include "ui/widget_modals.h"

#include <QAbstractButton>
#include <QLabel>
#include <QSpinBox>
#include <QTimer>

#include <algorithm>
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
        // A value accepted and left, or one refused and still in its field, then Esc or Mégse:
        // Cancel judges nothing, so nothing is told either.
        for (const auto &[escape, refused] : {std::pair(true, false), std::pair(false, false),
                                              std::pair(true, true), std::pair(false, true)}) {
            modals.dialogScripts.push_back([&](QDialog &d) {
                Type(d, "Edit1", refused ? "256" : "1");
                if (!refused)
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

// A dialog only looked at writes nothing back, whether it is confirmed with Return, with a click
// on OK or with Return after a Tab. The level holds bytes the dialogs show narrower than they are:
// counts beyond their spinners, a facing of 0x05, a level type and enemy graphics no item stands
// for, list bytes of an enemy record beyond their lists. The one rewrite is the level type's
// flag words, stored as 1 when nonzero.
TEST_F(EditorDialogTest, ConfirmingAnUntouchedDialogChangesNoByte) {
    const std::pair<std::size_t, std::uint8_t> odd[] = {
        {kStartRoomOffset, 7},
        {kStartTileOffset, 12},
        {kStartDirectionOffset, 0x05},
        {NeighbourAt(5, SideLeft), 3},
        {NeighbourAt(5, SideRight), 0},
        {NeighbourAt(5, SideUp), 32},
        {NeighbourAt(5, SideDown), 9},
        {EnemyCountAt(5), 7},
        {ComingGuardCountAt(5), 74},
        {kLevelTypeOffset, 9},
        {kEnemyGraphicsOffset, 3},
        {EnemyRecordAt(5, 0) + EnemyDirection, 0x05},
        {EnemyRecordAt(5, 0) + EnemyColour, 4},
        {EnemyRecordAt(5, 0) + EnemyKind, 9},
        {EnemyRecordAt(5, 0) + EnemyRevival, 7},
    };
    Bytes looked = viewtest::FilledLevelBytes();
    for (const auto &[offset, value] : odd)
        looked[offset] = value;
    Bytes expected = looked;
    for (int flag = 0; flag < kLevelFlagCount; ++flag) {
        expected[LevelFlagAt(flag)] = 1;
        expected[LevelFlagAt(flag) + 1] = 0;
    }
    BackgroundEditor background;
    struct Dialog {
        const char *name;
        std::function<void()> run;
        const char *ok;
        const Bytes &expected;
    };
    const Dialog dialogs[] = {
        {"start position", [&] { editStartPosition(state, services, startPosition); }, "Button1",
         looked},
        {"neighbours", [&] { editNeighbours(state, services, neighbours); }, "Button1", looked},
        {"links", [&] { editLinks(state, services, links); }, "Button1", looked},
        {"enemies", [&] { editEnemies(state, services, enemies); }, "Button1", looked},
        {"level type", [&] { editLevelType(state, services, levelType); }, "Button1", expected},
        {"restart points", [&] { editRestartPoints(state, services); }, "dinOK", looked},
        {"coming guards", [&] { editComingGuards(state, services); }, "dinOK", looked},
        {"background", [&] { editBackground(state, services, background); }, "Button1", looked},
    };
    enum class Confirm { Return, Click, TabReturn };
    for (const Dialog &dialog : dialogs) {
        for (const Confirm confirm : {Confirm::Return, Confirm::Click, Confirm::TabReturn}) {
            const std::string where =
                std::string(dialog.name) + " confirmed by way " + std::to_string(int(confirm));
            state.level = LevelStore(looked);
            modals.dialogScripts.push_back([&](QDialog &d) {
                if (confirm == Confirm::Click) {
                    QTest::mouseClick(&Control<QAbstractButton>(d, dialog.ok), Qt::LeftButton);
                } else {
                    if (confirm == Confirm::TabReturn)
                        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                }
                EXPECT_FALSE(d.isVisible()) << where;
                return true;
            });
            dialog.run();
            const Bytes &now = state.level.bytes();
            const auto differ = std::mismatch(now.begin(), now.end(), dialog.expected.begin());
            EXPECT_TRUE(differ.first == now.end())
                << where << ": byte " << differ.first - now.begin() << " is " << int(*differ.first);
        }
    }
    EXPECT_TRUE(modals.messages.isEmpty()) << modals.messages.join('|').toStdString();
}

// Real message boxes, answered with Return once they are active, so that the focus leaves the
// dialog for the box and comes back as it does for the user.
struct BoxModals : ScriptedModals {
    WidgetModals real;
    void message(const QString &text) override {
        ScriptedModals::message(text);
        QTimer::singleShot(0, [] {
            QWidget *box = QApplication::activeModalWidget();
            if (box && QTest::qWaitForWindowActive(box))
                QTest::keyClick(box, Qt::Key_Return);
        });
        real.message(text);
    }
};

// After a refusal the next field, reached by Tab or by a click, has its text selected: what is
// typed replaces it.
TEST_F(EditorDialogTest, AFieldReachedAfterARefusalIsSelected) {
    BoxModals boxes;
    Services shown{boxes, [] {}};
    const struct {
        const char *name;
        std::function<void()> run;
        bool click;
    } cases[] = {
        {"links, Tab", [&] { editLinks(state, shown, links); }, false},
        {"links, click", [&] { editLinks(state, shown, links); }, true},
        {"enemies, Tab", [&] { editEnemies(state, shown, enemies); }, false},
        {"enemies, click", [&] { editEnemies(state, shown, enemies); }, true},
    };
    for (const auto &c : cases) {
        boxes.dialogScripts.push_back([&](QDialog &d) {
            Type(d, "Edit1", "256");
            auto &next = Control<QLineEdit>(d, "Edit2");
            if (c.click)
                QTest::mouseClick(&next, Qt::LeftButton, {}, QPoint(4, next.height() / 2));
            else
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_TRUE(QTest::qWaitForWindowActive(&d)) << c.name;
            EXPECT_EQ(QApplication::focusWidget(), &next) << c.name;
            QTest::keyClicks(&next, QStringLiteral("9"));
            EXPECT_EQ(next.text(), QStringLiteral("9")) << c.name;
            return false;
        });
        c.run();
    }
    EXPECT_EQ(boxes.messages.size(), 4);
}

} // namespace
