#include "editors/working_copy_dialog.h"

#include "ui/exit_line_edit.h"

#include <QApplication>

namespace qv2 {

void WorkingCopyDialog::beginEditing(const NumberInput &input) {
    m_input.emplace(input);
    forgetEdits();
}

void WorkingCopyDialog::watchField(ExitLineEdit &field) {
    connect(&field, &QLineEdit::textEdited, this, [this, &field] { m_typed.insert(&field); });
    connect(&field, &ExitLineEdit::exited, this, [this, &field] { leave(field); });
}

void WorkingCopyDialog::leave(const ExitLineEdit &field) {
    // The focus has already gone where it goes. On the cancel button the typed text waits: it is
    // read if the dialog is confirmed after all.
    if (isCancelButton(QApplication::focusWidget()))
        return;
    if (m_refused.contains(&field))
        m_typed.insert(&field);
    storePendingEdit();
}

int WorkingCopyDialog::readField(const ExitLineEdit &field, int lo, int hi, int stored,
                                 const QString &label) {
    if (!m_typed.remove(&field))
        return stored;
    const QString text = field.text();
    const std::optional<std::int32_t> typed = ParseNumber(text);
    if (typed && *typed >= lo && *typed <= hi)
        m_refused.remove(&field);
    else
        m_refused.insert(&field);
    return m_input->read(text, lo, hi, stored, label);
}

void WorkingCopyDialog::storeFields() {
    store();
}

void WorkingCopyDialog::storePendingEdit() {
    if (!m_typed.isEmpty())
        store();
}

void WorkingCopyDialog::forgetEdits() {
    m_typed.clear();
    m_refused.clear();
}

void WorkingCopyDialog::accept() {
    storePendingEdit();
    EditorDialog::accept();
}

} // namespace qv2
