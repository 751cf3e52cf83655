#include "ui/popup_width.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QStyle>

namespace qv2 {

void WidenPopupToItems(QComboBox &comboBox)
{
    QAbstractItemView *view = comboBox.view();
    // Room for the frame and for a scroll bar, which a long list shows beside its items.
    const int extra = 2 * view->frameWidth() + view->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    view->setMinimumWidth(comboBox.count() > 0 ? view->sizeHintForColumn(0) + extra : 0);
}

} // namespace qv2
