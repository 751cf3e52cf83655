#pragma once

#include <QComboBox>

namespace qv2 {

// A list whose popup is as wide as its longest item, however narrow the box itself is; the box's
// own width is set by its owner. The items are measured as the popup opens, and again only after
// they have changed: measuring every list whenever its items change cost more than a millisecond
// of start-up and of each room refresh.
class WidePopupComboBox : public QComboBox {
    Q_OBJECT
  public:
    explicit WidePopupComboBox(QWidget *parent = nullptr);

    // A line of text in the style's box. The owner sets the width, so no item is measured for it
    // (that loads the outline of every letter in them).
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    void showPopup() override;

  private:
    bool m_measured = false;
};

} // namespace qv2
