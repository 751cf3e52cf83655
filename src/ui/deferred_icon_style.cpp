#include "ui/deferred_icon_style.h"

#include "ui/deferred_icon.h"

#include <QPointer>

namespace qv2 {

QIcon DeferredIconStyle::standardIcon(StandardPixmap which, const QStyleOption *option,
                                      const QWidget *widget) const {
    if (which != SP_ToolBarHorizontalExtensionButton && which != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(which, option, widget);
    // The base style can be replaced before the arrow is first drawn; then there is none.
    return DeferredIcon([style = QPointer<QStyle>(baseStyle()), which] {
        return style ? style->standardIcon(which) : QIcon();
    });
}

} // namespace qv2
