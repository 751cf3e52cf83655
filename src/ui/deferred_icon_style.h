#pragma once

#include <QProxyStyle>

namespace qv2 {

// The application's style, with one difference: the arrows of the menu bar's and tool bar's
// overflow buttons are read when first drawn, not when the bars are made. Those buttons show only
// in a window too narrow for its bars, and reading their pictures is the editor's first image read
// that Qt does by guessing the format, which loads every image plugin installed: about a
// millisecond of every start.
class DeferredIconStyle : public QProxyStyle {
    Q_OBJECT
  public:
    DeferredIconStyle() = default;

    QIcon standardIcon(StandardPixmap which, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

} // namespace qv2
