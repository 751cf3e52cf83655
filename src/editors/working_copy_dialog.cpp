#include "editors/working_copy_dialog.h"

#include "ui/exit_line_edit.h"

namespace qv2 {

void WorkingCopyDialog::beginEditing(const NumberInput &input) {
    m_input.emplace(input);
    m_pending = false;
}

void WorkingCopyDialog::watchField(ExitLineEdit &field) {
    connect(&field, &QLineEdit::textEdited, this, [this] { m_pending = true; });
    connect(&field, &ExitLineEdit::exited, this, &WorkingCopyDialog::storeFields);
}

void WorkingCopyDialog::storeFields() {
    m_pending = false;
    store();
}

void WorkingCopyDialog::storePendingEdit() {
    if (m_pending)
        storeFields();
}

void WorkingCopyDialog::accept() {
    storePendingEdit();
    EditorDialog::accept();
}

} // namespace qv2
