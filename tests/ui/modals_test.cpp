#include "support/scripted_modals.h"
#include "text/message_texts.h"
#include "ui/widget_modals.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <functional>

namespace qv2 {
namespace {

// Acts on the modal window once it is up: the real dialogs block in exec() until answered.
template <class Window> void whenShown(std::function<void(Window &)> answer, int attempts = 200) {
    QTimer::singleShot(10, [answer, attempts] {
        if (auto *window = qobject_cast<Window *>(QApplication::activeModalWidget())) {
            answer(*window);
            return;
        }
        if (attempts > 0)
            whenShown<Window>(answer, attempts - 1);
        else
            ADD_FAILURE() << "no modal window appeared";
    });
}

TEST(WidgetModals, MessageIsAPlainBoxWithOk) {
    WidgetModals modals;
    QString shown;
    whenShown<QMessageBox>([&](QMessageBox &box) {
        shown = box.text();
        EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box.standardButtons(), QMessageBox::Ok);
        box.button(QMessageBox::Ok)->click();
    });
    modals.message(QStringLiteral("Hibás szám"));
    EXPECT_EQ(shown, QStringLiteral("Hibás szám"));
}

TEST(WidgetModals, QuestionAnswersYesOnlyForYes) {
    WidgetModals modals;
    for (const auto button : {QMessageBox::Yes, QMessageBox::No}) {
        whenShown<QMessageBox>([button](QMessageBox &box) {
            EXPECT_EQ(box.icon(), QMessageBox::Question);
            EXPECT_EQ(box.windowTitle(), "Question");
            EXPECT_EQ(box.text(), "Empty the room?");
            box.button(button)->click();
        });
        EXPECT_EQ(modals.askYesNo("Question", "Empty the room?"), button == QMessageBox::Yes);
    }
    // Return alone answers No.
    whenShown<QMessageBox>([](QMessageBox &box) { QTest::keyClick(&box, Qt::Key_Return); });
    EXPECT_FALSE(modals.askYesNo("Question", "Empty the room?"));
}

TEST(WidgetModals, InputLineShowsThePresetAndReturnsNothingOnCancel) {
    WidgetModals modals;
    whenShown<QInputDialog>([](QInputDialog &dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Jump");
        EXPECT_EQ(dialog.labelText(), "Room: ");
        EXPECT_EQ(dialog.textValue(), "5");
        dialog.setTextValue(" 12");
        dialog.accept();
    });
    EXPECT_EQ(modals.inputLine("Jump", "Room: ", "5"), " 12");

    whenShown<QInputDialog>([](QInputDialog &dialog) { dialog.reject(); });
    EXPECT_EQ(modals.inputLine("Jump", "Room: ", "5"), std::nullopt);
}

// The standard buttons speak the language file's language; Qt's own captions stay where it has
// none.
TEST(WidgetModals, ButtonsTakeTheirCaptionsFromTheMessageTexts) {
    MessageTexts texts;
    texts.setLines({"dinOK=Rendben", "dinCancel=Mégse", "yes=Igen", "no="});
    WidgetModals modals;
    modals.setTexts(&texts);

    whenShown<QMessageBox>([](QMessageBox &box) {
        EXPECT_EQ(box.button(QMessageBox::Ok)->text(), "Rendben");
        box.button(QMessageBox::Ok)->click();
    });
    modals.message("Kész");

    QString yes, no;
    whenShown<QMessageBox>([&](QMessageBox &box) {
        yes = box.button(QMessageBox::Yes)->text();
        no = box.button(QMessageBox::No)->text();
        box.button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(modals.askYesNo("Kérdés", "Törlöd?"));
    EXPECT_EQ(yes, "Igen");
    EXPECT_FALSE(no.isEmpty());

    whenShown<QInputDialog>([](QInputDialog &dialog) {
        EXPECT_EQ(dialog.okButtonText(), "Rendben");
        EXPECT_EQ(dialog.cancelButtonText(), "Mégse");
        dialog.reject();
    });
    EXPECT_EQ(modals.inputLine("Ugrás", "Pálya: ", "1"), std::nullopt);
}

TEST(WidgetModals, ChooseFileReturnsTheSelectedFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("qasvar.dat");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    WidgetModals modals;
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.selectFile(path);
    whenShown<QFileDialog>([](QFileDialog &d) { static_cast<QDialog &>(d).accept(); });
    EXPECT_EQ(modals.chooseFile(dialog), path);

    whenShown<QFileDialog>([](QFileDialog &d) { d.reject(); });
    EXPECT_EQ(modals.chooseFile(dialog), std::nullopt);
}

TEST(WidgetModals, RunTellsOkFromCancel) {
    WidgetModals modals;
    QDialog dialog;
    whenShown<QDialog>([](QDialog &d) { d.accept(); });
    EXPECT_TRUE(modals.run(dialog));
    whenShown<QDialog>([](QDialog &d) { QTest::keyClick(&d, Qt::Key_Escape); });
    EXPECT_FALSE(modals.run(dialog));
}

// A message told while a dialog is open stands above that dialog and gives the activation back
// to it; when the dialog closes, the main window is active again.
TEST(WidgetModals, BoxesStandAboveTheOpenDialogAndActivationComesBack) {
    QWidget main;
    main.show();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    WidgetModals modals(&main);
    for (const bool parented : {true, false}) { // the level-wide dialogs, the runtime-built ones
        QDialog dialog(parented ? &main : nullptr);
        QWidget *boxParent = nullptr;
        QWidget *activeAfterBox = nullptr;
        whenShown<QDialog>([&](QDialog &shown) {
            whenShown<QMessageBox>([&](QMessageBox &box) {
                boxParent = box.parentWidget();
                box.button(QMessageBox::Ok)->click();
            });
            modals.message(QStringLiteral("between 0 and 255"));
            EXPECT_TRUE(QTest::qWaitForWindowActive(&shown, 1000)) << parented;
            activeAfterBox = QApplication::activeWindow();
            shown.accept();
        });
        EXPECT_TRUE(modals.run(dialog));
        EXPECT_EQ(boxParent, &dialog) << parented;
        EXPECT_EQ(activeAfterBox, &dialog) << parented;
        EXPECT_TRUE(QTest::qWaitForWindowActive(&main, 1000)) << parented;
    }
}

TEST(ScriptedModals, RecordsWhatWasAskedAndAnswersInOrder) {
    ScriptedModals modals;
    modals.yesNoAnswers = {true, false};
    modals.inputAnswers = {QString("7"), std::nullopt};
    modals.message("first");
    EXPECT_TRUE(modals.askYesNo("Q", "sure?"));
    EXPECT_FALSE(modals.askYesNo("Q", "really?"));
    EXPECT_EQ(modals.inputLine("Jump", "Room: ", "3"), "7");
    EXPECT_EQ(modals.inputLine("Jump", "Room: ", "4"), std::nullopt);
    modals.message("second");

    EXPECT_EQ(modals.messages, QStringList({"first", "second"}));
    ASSERT_EQ(modals.questions.size(), 2u);
    EXPECT_EQ(modals.questions[1].text, "really?");
    ASSERT_EQ(modals.prompts.size(), 2u);
    EXPECT_EQ(modals.prompts[0].caption, "Jump");
    EXPECT_EQ(modals.prompts[1].preset, "4");
}

TEST(ScriptedModals, FileRequestsRecordTitleFiltersAndProposedFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("qasvar.dat");
    ScriptedModals modals;
    modals.fileAnswers = {path};
    QFileDialog dialog(nullptr, "Save level");
    dialog.setNameFilters({"Level files (qasvar.dat)", "All files (*)"});
    dialog.selectFile(path);
    EXPECT_EQ(modals.chooseFile(dialog), path);
    ASSERT_EQ(modals.fileRequests.size(), 1u);
    EXPECT_EQ(modals.fileRequests[0].title, "Save level");
    EXPECT_EQ(modals.fileRequests[0].nameFilters.size(), 2);
    EXPECT_EQ(modals.fileRequests[0].proposed, path);
}

TEST(ScriptedModals, DialogScriptTypesIntoAShownDialogAndDecides) {
    ScriptedModals modals;
    QDialog dialog;
    dialog.setWindowTitle("Start position");
    auto *edit = new QLineEdit(&dialog);
    edit->setObjectName("Edit1");
    modals.dialogScripts.push_back([](QDialog &d) {
        EXPECT_TRUE(d.isVisible());
        QTest::keyClicks(d.findChild<QLineEdit *>("Edit1"), "33");
        return true;
    });
    modals.dialogScripts.push_back([](QDialog &) { return false; });

    EXPECT_TRUE(modals.run(dialog));
    EXPECT_EQ(edit->text(), "33");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(modals.run(dialog));
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(modals.dialogTitles, QStringList({"Start position", "Start position"}));
}

TEST(ScriptedModals, UnexpectedCallsFailAndCancel) {
    ScriptedModals modals;
    QDialog dialog;
    QFileDialog files;
    EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(modals.askYesNo("Q", "sure?")), "unexpected question");
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(modals.inputLine("Jump", "Room: ", "1"), std::nullopt),
                            "unexpected input prompt");
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(modals.chooseFile(files), std::nullopt),
                            "unexpected file dialog");
    EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(modals.run(dialog)), "unexpected dialog");
}

TEST(ScriptedModals, UnusedAnswersFailWhenTheTestEnds) {
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedModals modals;
            modals.yesNoAnswers = {true};
        },
        "never asked for");
}

} // namespace
} // namespace qv2
