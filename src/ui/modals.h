#pragma once

#include <QString>

#include <optional>

class QDialog;
class QFileDialog;

namespace qv2 {

// The answers to the question asked before a changed level would be lost.
enum class UnsavedAnswer { Save, Discard, Cancel };

// Everything that waits for the user goes through here, so that windows can be tested with a
// scripted implementation.
class Modals {
  public:
    virtual ~Modals() = default;
    virtual void message(const QString &text) = 0;
    virtual bool askYesNo(const QString &caption, const QString &text) = 0;
    // Overwrite or Cancel, with Cancel the default; true for Overwrite. Asked as a yes/no
    // question where nothing better is made.
    virtual bool askOverwrite(const QString &caption, const QString &text) {
        return askYesNo(caption, text);
    }
    // Save, Discard or Cancel; closing the question is Cancel.
    virtual UnsavedAnswer askUnsaved(const QString &caption, const QString &text) = 0;
    virtual std::optional<QString> inputLine(const QString &caption, const QString &prompt,
                                             const QString &preset) = 0;
    // Returns the chosen file, nothing when cancelled.
    virtual std::optional<QString> chooseFile(QFileDialog &dialog) = 0;
    // Shows the dialog modally; true when it was accepted.
    virtual bool run(QDialog &dialog) = 0;
};

} // namespace qv2
