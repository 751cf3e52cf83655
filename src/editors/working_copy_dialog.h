#pragma once

#include "editors/editor_dialog.h"
#include "editors/number_input.h"

#include <QSet>

#include <optional>

namespace qv2 {

class ExitLineEdit;

// A dialog that edits a copy of level bytes while it is open and hands the copy back on OK. Its
// fields store into the copy when they are left; an edit still pending is stored before the dialog
// shows other values and when Return confirms the dialog without leaving the field. Going to the
// cancel button is no leave: Cancel never judges what was typed.
class WorkingCopyDialog : public EditorDialog {
    Q_OBJECT
  public:
    using EditorDialog::EditorDialog;
    void accept() override;

  protected:
    // Starts an opening: typed numbers go through `input` until the next opening.
    void beginEditing(const NumberInput &input);

    void watchField(ExitLineEdit &field);
    // The number in `field` when it is due to be read, else `stored`. A field is read after the
    // user typed in it, and again each time they leave it still holding a refused text, so a
    // refusal is told once per leave and not at every other change.
    int readField(const ExitLineEdit &field, int lo, int hi, int stored, const QString &label);
    // Reads the dialog's fields into the copy.
    void storeFields();
    // Before the dialog shows other values in its fields.
    void storePendingEdit();
    // After it: the fields show the copy, nothing typed is left.
    void forgetEdits();

  private:
    virtual void store() = 0;
    void leave(const ExitLineEdit &field);

    std::optional<NumberInput> m_input;
    QSet<const ExitLineEdit *> m_typed;   // typed in and not read since
    QSet<const ExitLineEdit *> m_refused; // read and refused, the text still shown
};

} // namespace qv2
