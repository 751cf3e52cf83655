#include "editors/restart_points.h"

#include "level/level_layout.h"
#include "text/comma_text.h"
#include "ui/modals.h"
#include "ui/runtime_dialog.h"

namespace qv2 {

void editRestartPoints(EditorState &state, Services &services) {
    if (!state.levelOpen)
        return;
    const QStringList names = SplitCommaText(state.texts.text(QStringLiteral("dinrestartdesc")));
    GridDialog dialog(state.texts, QStringLiteral("dinrestart"));
    // Missing names leave their header with the colon alone.
    const QStringList headers{names.value(0) + u':', names.value(1) + u':'};
    QStringList rows;
    for (int point = 0; point < kRestartPointCount; ++point)
        rows << QString::number(point + 1);
    // One row per point: box 2i is its room, box 2i + 1 its tile place.
    dialog.addGrid(headers, rows, [](int box) { return GridDialog::Cell{box % 2, box / 2}; });
    dialog.showBytes(state.level, RestartPointAt(0));
    if (!services.modals.run(dialog))
        return;
    dialog.storeBytes(state.level, RestartPointAt(0), services.modals);
    services.refreshRoom();
}

} // namespace qv2
