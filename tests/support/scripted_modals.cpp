#include "support/scripted_modals.h"

#include <QDialog>
#include <QFileDialog>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Built in place from the queue's front: copying an optional QString out and then popping makes
// g++ 12 at -O3 warn that the copy may be uninitialised.
std::optional<QString> takeFront(std::deque<std::optional<QString>> &answers) {
    std::optional<QString> answer;
    if (answers.front())
        answer.emplace(std::move(*answers.front()));
    answers.pop_front();
    return answer;
}

} // namespace

ScriptedModals::~ScriptedModals() {
    EXPECT_TRUE(yesNoAnswers.empty()) << yesNoAnswers.size() << " yes/no answer(s) never asked for";
    EXPECT_TRUE(unsavedAnswers.empty())
        << unsavedAnswers.size() << " save question answer(s) never asked for";
    EXPECT_TRUE(inputAnswers.empty()) << inputAnswers.size() << " input answer(s) never asked for";
    EXPECT_TRUE(fileAnswers.empty()) << fileAnswers.size() << " file answer(s) never asked for";
    EXPECT_TRUE(dialogScripts.empty()) << dialogScripts.size() << " dialog script(s) never run";
}

void ScriptedModals::message(const QString &text) {
    messages.append(text);
}

bool ScriptedModals::askYesNo(const QString &caption, const QString &text) {
    questions.push_back({caption, text});
    if (yesNoAnswers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return false;
    }
    const bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

qv2::UnsavedAnswer ScriptedModals::askUnsaved(const QString &caption, const QString &text) {
    questions.push_back({caption, text});
    if (unsavedAnswers.empty()) {
        ADD_FAILURE() << "unexpected save question: " << text.toStdString();
        return qv2::UnsavedAnswer::Cancel;
    }
    const qv2::UnsavedAnswer answer = unsavedAnswers.front();
    unsavedAnswers.pop_front();
    return answer;
}

std::optional<QString> ScriptedModals::inputLine(const QString &caption, const QString &prompt,
                                                 const QString &preset) {
    prompts.push_back({caption, prompt, preset});
    if (inputAnswers.empty()) {
        ADD_FAILURE() << "unexpected input prompt: " << caption.toStdString();
        return std::nullopt;
    }
    return takeFront(inputAnswers);
}

std::optional<QString> ScriptedModals::chooseFile(QFileDialog &dialog) {
    fileRequests.push_back({dialog.windowTitle(), dialog.nameFilters(),
                            dialog.selectedFiles().value(0),
                            dialog.labelText(QFileDialog::Accept)});
    if (fileAnswers.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << dialog.windowTitle().toStdString();
        return std::nullopt;
    }
    return takeFront(fileAnswers);
}

bool ScriptedModals::run(QDialog &dialog) {
    dialogTitles.append(dialog.windowTitle());
    if (dialogScripts.empty()) {
        ADD_FAILURE() << "unexpected dialog: " << dialog.windowTitle().toStdString();
        return false;
    }
    const DialogScript script = std::move(dialogScripts.front());
    dialogScripts.pop_front();
    // Shown and active like a real modal run, so that focus changes deliver their events.
    dialog.show();
    dialog.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog)) << dialog.windowTitle().toStdString();
    const bool ok = script(dialog);
    if (dialog.isVisible()) {
        if (ok)
            dialog.accept();
        else
            dialog.reject();
    }
    return ok;
}
