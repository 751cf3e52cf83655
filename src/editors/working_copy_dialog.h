#pragma once

#include "editors/editor_dialog.h"
#include "editors/number_input.h"

#include <optional>

namespace qv2 {

class ExitLineEdit;

// A dialog that edits a copy of level bytes while it is open and hands the copy back on OK. Its
// fields store into the copy when they are left; an edit still pending is stored before the dialog
// shows other values and when Return confirms the dialog without leaving the field.
class WorkingCopyDialog : public EditorDialog {
    Q_OBJECT
  public:
    using EditorDialog::EditorDialog;
    void accept() override;

  protected:
    // Starts an opening: typed numbers go through `input` until the next opening.
    void beginEditing(const NumberInput &input);
    const NumberInput &input() const { return *m_input; }

    void watchField(ExitLineEdit &field);
    // Reads the dialog's fields into the copy.
    void storeFields();
    void storePendingEdit();

  private:
    virtual void store() = 0;

    std::optional<NumberInput> m_input;
    bool m_pending = false; // a field was typed in and not yet stored
};

} // namespace qv2
