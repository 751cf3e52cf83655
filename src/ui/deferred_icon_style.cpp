#include "ui/deferred_icon_style.h"

#include "ui/deferred_icon.h"

#include <QPointer>

namespace qv2 {

QIcon DeferredIconStyle::standardIcon(StandardPixmap which, const QStyleOption *option,
                                      const QWidget *widget) const {
    switch (which) {
    case SP_ToolBarHorizontalExtensionButton:
    case SP_ToolBarVerticalExtensionButton:
        // The base style can be replaced before the arrow is first drawn; then there is none.
        return DeferredIcon([style = QPointer<QStyle>(baseStyle()), which] {
            return style ? style->standardIcon(which) : QIcon();
        });
    case SP_TitleBarCloseButton:
    case SP_TitleBarNormalButton:
    case SP_DockWidgetCloseButton: {
        QIcon &icon = m_titleBarIcons[which];
        if (icon.isNull())
            icon = QProxyStyle::standardIcon(which, option, widget);
        return icon;
    }
    default:
        return QProxyStyle::standardIcon(which, option, widget);
    }
}

} // namespace qv2
