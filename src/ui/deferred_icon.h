#pragma once

#include <QIcon>

#include <functional>

namespace qv2 {

// An icon made the first time anything draws or measures it, for icons that cost time to make
// and may never be shown (a menu's icons, a bar's overflow arrow). It says it is not null
// without being made.
QIcon DeferredIcon(std::function<QIcon()> make);

} // namespace qv2
