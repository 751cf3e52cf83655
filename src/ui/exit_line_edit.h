#pragma once

#include <QLineEdit>

namespace qv2 {

// A line edit for one typed number. It tells when it loses the input focus, which is when a typed
// value is stored (Qt's editingFinished also fires on Return and only for changed text). Reached
// by Tab, by a click or again after a message, it selects its whole text, so that typing replaces
// the number. The keys of undo and redo belong to the window's edit history, not to the text.
class ExitLineEdit : public QLineEdit {
    Q_OBJECT
  public:
    using QLineEdit::QLineEdit;

  signals:
    void exited();

  protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

  private:
    bool m_selectOnPress = false;  // the focus came with a mouse press that has not arrived yet
    bool m_selectOnReturn = false; // a message box above the window took the focus
};

} // namespace qv2
