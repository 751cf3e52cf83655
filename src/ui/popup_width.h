#pragma once

class QComboBox;

namespace qv2 {

// Makes the list's popup wide enough for its longest item, however narrow the box itself is.
// Called again whenever the items change.
void WidenPopupToItems(QComboBox &comboBox);

} // namespace qv2
