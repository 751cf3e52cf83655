#include "ui/wide_popup_combo_box.h"

#include <QAbstractItemView>
#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QtMath>

#include <algorithm>

namespace qv2 {

WidePopupComboBox::WidePopupComboBox(QWidget *parent) : QComboBox(parent) {
    const auto changed = [this] { m_measured = false; };
    connect(model(), &QAbstractItemModel::rowsInserted, this, changed);
    connect(model(), &QAbstractItemModel::rowsRemoved, this, changed);
    connect(model(), &QAbstractItemModel::dataChanged, this, changed);
    connect(model(), &QAbstractItemModel::modelReset, this, changed);
}

QSize WidePopupComboBox::sizeHint() const {
    // As QComboBox measures a line, for a list without icons.
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QSize line(0, std::max(qCeil(QFontMetricsF(font()).height()), 14) + 2);
    return style()->sizeFromContents(QStyle::CT_ComboBox, &option, line, this);
}

void WidePopupComboBox::showPopup() {
    if (!m_measured) {
        QAbstractItemView *items = view();
        // Room for the frame and for a scroll bar, which a long list shows beside its items.
        const int extra =
            2 * items->frameWidth() + items->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        items->setMinimumWidth(count() > 0 ? items->sizeHintForColumn(0) + extra : 0);
        m_measured = true;
    }
    QComboBox::showPopup();
}

} // namespace qv2
