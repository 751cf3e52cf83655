#pragma once

#include <QLineEdit>

namespace qv2 {

// A line edit that tells when it loses the input focus, which is when a typed value is stored.
// (Qt's editingFinished also fires on Return and only for changed text.)
class ExitLineEdit : public QLineEdit {
    Q_OBJECT
  public:
    using QLineEdit::QLineEdit;

  signals:
    void exited();

  protected:
    void focusOutEvent(QFocusEvent *event) override;
};

} // namespace qv2
