#include "ui/exit_line_edit.h"

#include <QFocusEvent>

namespace qv2 {

void ExitLineEdit::focusOutEvent(QFocusEvent *event) {
    QLineEdit::focusOutEvent(event);
    // Switching to another program or opening a menu or popup does not leave the field: the user
    // comes back to it as it was, and a refused value would otherwise be reported again each time.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    emit exited();
}

} // namespace qv2
