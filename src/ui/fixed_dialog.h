#pragma once

#include <Qt>

class QDialog;
class QSpinBox;
class QWidget;

// What the program's fixed dialogs share: their window, their spinners and the field that takes
// the focus when they open.
namespace qv2 {

// A dialog window of fixed size whose title bar has no system buttons.
void SetFixedDialogFlags(QDialog &dialog);

// A spinner from 0 to `maximum`, `width` wide, whose box only shows the number: its arrows and the
// Up and Down keys change it, so it is always in range.
QSpinBox *MakeSpinner(QWidget *parent, const char *name, int maximum, int width = 64);

// Gives the field the focus with its text selected. The focus a dialog's field gets when the
// window becomes active comes too late and selects nothing by itself, so a showEvent calls this.
void FocusWithTextSelected(QWidget &field, Qt::FocusReason reason);

} // namespace qv2
