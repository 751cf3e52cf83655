#pragma once

#include <QComboBox>

namespace qv2 {

// A list whose popup is as wide as its longest item, however narrow the box itself is; the box's
// own width is set by its owner. The items are measured as the popup opens, and again only after they have changed: measuring every list
// whenever its items change cost more than a millisecond of start-up and of each room refresh.
class WidePopupComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit WidePopupComboBox(QWidget *parent = nullptr);

    void showPopup() override;

private:
    bool m_measured = false;
};

} // namespace qv2
