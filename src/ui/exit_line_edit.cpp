#include "ui/exit_line_edit.h"

namespace qv2 {

void ExitLineEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    emit exited();
}

} // namespace qv2
