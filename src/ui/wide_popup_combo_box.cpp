#include "ui/wide_popup_combo_box.h"

#include <QAbstractItemView>
#include <QStyle>

namespace qv2 {

WidePopupComboBox::WidePopupComboBox(QWidget *parent) : QComboBox(parent)
{
    // The owner gives the box its width, so its size hint need not measure every item (which
    // loads the outline of every letter in them); the popup is measured as it opens.
    setSizeAdjustPolicy(AdjustToMinimumContentsLengthWithIcon);
    // That hint keeps room for an icon's height; the items have none, and the box stays as tall as
    // its text.
    setIconSize(QSize(0, 0));
    const auto changed = [this] { m_measured = false; };
    connect(model(), &QAbstractItemModel::rowsInserted, this, changed);
    connect(model(), &QAbstractItemModel::rowsRemoved, this, changed);
    connect(model(), &QAbstractItemModel::dataChanged, this, changed);
    connect(model(), &QAbstractItemModel::modelReset, this, changed);
}

void WidePopupComboBox::showPopup()
{
    if (!m_measured) {
        QAbstractItemView *items = view();
        // Room for the frame and for a scroll bar, which a long list shows beside its items.
        const int extra = 2 * items->frameWidth() + items->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        items->setMinimumWidth(count() > 0 ? items->sizeHintForColumn(0) + extra : 0);
        m_measured = true;
    }
    QComboBox::showPopup();
}

} // namespace qv2
