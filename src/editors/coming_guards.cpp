#include "editors/coming_guards.h"

#include "editors/choice_codes.h"
#include "level/level_layout.h"
#include "text/comma_text.h"
#include "ui/fixed_dialog.h"
#include "ui/modals.h"
#include "ui/runtime_dialog.h"

#include <QLabel>
#include <QSpinBox>

#include <algorithm>

namespace qv2 {

void editComingGuards(EditorState &state, Services &services) {
    if (!state.levelOpen)
        return;
    const QStringList names = SplitCommaText(state.texts.text(QStringLiteral("dincomingdesc")));
    GridDialog dialog(state.texts, QStringLiteral("dincoming"));

    auto *label = new QLabel(state.texts.text(QStringLiteral("nguards")), &dialog);
    label->setObjectName(QStringLiteral("dinCountLabel"));
    QSpinBox *count = MakeSpinner(&dialog, "dinCount", kMaxComingGuards, 50);
    label->setGeometry(10, 10, label->sizeHint().width(), count->sizeHint().height());
    // Right of a longer label rather than over it.
    count->setGeometry(std::max(120, label->geometry().right() + 7), 10, 50, label->height());

    QStringList headers;
    for (int record = 0; record < kMaxComingGuards; ++record)
        headers << QString::number(record);
    QStringList rows;
    for (int byte = 0; byte < kComingGuardRecordSize; ++byte)
        rows << QString::asprintf("[%02X] ", byte) + names.value(byte) + u':';
    // One column per record: box 10c + j is byte j of record c, block byte 5 + box.
    dialog.addGrid(headers, rows, [](int box) {
        return GridDialog::Cell{box / kComingGuardRecordSize, box % kComingGuardRecordSize};
    });

    const int room = state.room;
    count->setValue(state.level.byte(ComingGuardCountAt(room)));
    dialog.showBytes(state.level, ComingGuardRecordAt(room, 0));
    if (!services.modals.run(dialog))
        return;
    // The third record's last byte is the next room's count: the count goes first, the records
    // after it, each through its own offset.
    const std::size_t countOffset = ComingGuardCountAt(room);
    state.level.setByte(
        countOffset, SpinnerByte(state.level.byte(countOffset), kMaxComingGuards, count->value()));
    dialog.storeBytes(state.level, ComingGuardRecordAt(room, 0), services.modals);
    services.refreshRoom();
}

} // namespace qv2
