#include "ui/exit_line_edit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>

#include <utility>

namespace qv2 {

namespace {

bool IsHistoryKey(const QKeyEvent &key) {
    return key.matches(QKeySequence::Undo) || key.matches(QKeySequence::Redo);
}

} // namespace

bool ExitLineEdit::event(QEvent *event) {
    // Left unclaimed, the keys reach the window's undo and redo shortcuts.
    if (event->type() == QEvent::ShortcutOverride &&
        IsHistoryKey(*static_cast<QKeyEvent *>(event))) {
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
}

void ExitLineEdit::keyPressEvent(QKeyEvent *event) {
    // With nothing to undo the shortcut is off and the key arrives here: the text keeps no
    // history of its own either.
    if (IsHistoryKey(*event)) {
        event->ignore();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ExitLineEdit::focusInEvent(QFocusEvent *event) {
    QLineEdit::focusInEvent(event);
    const bool afterMessage = std::exchange(m_selectOnReturn, false);
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
        selectAll();
        break;
    case Qt::ActiveWindowFocusReason:
        if (afterMessage)
            selectAll();
        break;
    case Qt::MouseFocusReason:
        // The press that gave the focus would put the cursor where it was made.
        m_selectOnPress = true;
        break;
    default:
        break;
    }
}

void ExitLineEdit::mousePressEvent(QMouseEvent *event) {
    QLineEdit::mousePressEvent(event);
    if (m_selectOnPress)
        selectAll();
    m_selectOnPress = false;
}

void ExitLineEdit::focusOutEvent(QFocusEvent *event) {
    m_selectOnPress = false;
    // A message box above the window takes the focus for a while; switching to another program
    // does not count: the user comes back to the text as it was.
    const QWidget *active = QApplication::activeWindow();
    m_selectOnReturn = event->reason() == Qt::ActiveWindowFocusReason && active &&
                       active != window() && active->isModal();
    QLineEdit::focusOutEvent(event);
    // Switching to another program or opening a menu or popup does not leave the field: the user
    // comes back to it as it was, and a refused value would otherwise be reported again each time.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    emit exited();
}

} // namespace qv2
