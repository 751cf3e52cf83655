#pragma once

#include "ui/modals.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

// The modal seam for GUI tests: records everything the program asks or tells the user and answers
// from queues the test fills beforehand. A call whose queue is empty is a test failure and answers
// as a cancel; answers left unused when the object dies are a failure too.
class ScriptedModals : public qv2::Modals {
  public:
    // Finds the dialog's controls by object name, types into them and says whether OK was pressed.
    using DialogScript = std::function<bool(QDialog &)>;

    struct Question {
        QString caption;
        QString text;
    };
    struct InputPrompt {
        QString caption;
        QString prompt;
        QString preset;
    };
    struct FileRequest {
        QString title;
        QStringList nameFilters;
        QString proposed;    // the file the dialog would show as chosen
        QString acceptLabel; // the caption of its accept button
    };

    ScriptedModals() = default;
    ScriptedModals(const ScriptedModals &) = delete;
    ScriptedModals &operator=(const ScriptedModals &) = delete;
    ~ScriptedModals() override;

    // What the program showed or asked, in order.
    QStringList messages;
    std::vector<Question> questions;
    std::vector<InputPrompt> prompts;
    std::vector<FileRequest> fileRequests;
    QStringList dialogTitles;

    // The user's answers, taken from the front.
    std::deque<bool> yesNoAnswers;
    std::deque<qv2::UnsavedAnswer> unsavedAnswers; // asked like yes/no questions, into `questions`
    std::deque<std::optional<QString>> inputAnswers; // nullopt = Cancel
    std::deque<std::optional<QString>> fileAnswers;  // nullopt = Cancel
    std::deque<DialogScript> dialogScripts;

    void message(const QString &text) override;
    bool askYesNo(const QString &caption, const QString &text) override;
    qv2::UnsavedAnswer askUnsaved(const QString &caption, const QString &text) override;
    std::optional<QString> inputLine(const QString &caption, const QString &prompt,
                                     const QString &preset) override;
    std::optional<QString> chooseFile(QFileDialog &dialog) override;
    bool run(QDialog &dialog) override;
};
