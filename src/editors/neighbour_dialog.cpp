#include "editors/neighbour_dialog.h"

#include "editors/number_input.h"
#include "level/level_layout.h"
#include "ui/exit_line_edit.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace qv2 {

namespace {

struct SideEntry {
    const char *label;
    const char *field;
    const char *caption; // the built-in caption
    const char *key;     // in section [neighbor] and, as the field name of a message, in [texts]
    int row, column;     // the side's place in the cross
};

const SideEntry kSides[4] = {
    {"Label1", "Edit1", "Balra", "left", 1, 0},
    {"Label2", "Edit2", "Jobbra", "right", 1, 2},
    {"Label3", "Edit3", "Fent", "up", 0, 1},
    {"Label4", "Edit4", "Lent", "down", 2, 1},
};

} // namespace

NeighbourDialog::NeighbourDialog(QWidget *parent)
    : EditorDialog("TForm4", "Szomszédos pályák", QSize(217, 177), parent) {
    auto *cross = new QGridLayout;
    for (int side = 0; side < 4; ++side) {
        const SideEntry &entry = kSides[side];
        m_labels[side] = MakeLabel(this, entry.label, entry.caption);
        m_fields[side] = MakeNumberEdit(this, entry.field);
        auto *cell = new QVBoxLayout;
        cell->addWidget(m_labels[side], 0, Qt::AlignHCenter);
        cell->addWidget(m_fields[side], 0, Qt::AlignHCenter);
        cross->addLayout(cell, entry.row, entry.column);
    }
    m_room = MakeLabel(this, "Panel1", "");
    m_room->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_room->setAlignment(Qt::AlignCenter);
    m_room->setFixedSize(56, 41);
    cross->addWidget(m_room, 1, 1, Qt::AlignCenter);
    setBody(cross, m_fields[SideLeft]);
}

void NeighbourDialog::applyTexts(const LanguageFile &language) {
    const QString section = QStringLiteral("neighbor");
    for (int side = 0; side < 4; ++side)
        m_labels[side]->setText(language.text(section, QString::fromLatin1(kSides[side].key)));
    applyFrameTexts(language, section);
}

void editNeighbours(EditorState &state, Services &services, NeighbourDialog &dialog) {
    if (!state.levelOpen)
        return;
    for (int side = 0; side < 4; ++side)
        dialog.m_fields[side]->setText(
            QString::number(state.level.byte(NeighbourAt(state.room, side))));
    dialog.m_room->setText(QString::number(state.room));
    if (!services.modals.run(dialog))
        return;

    const NumberInput input{state.texts, services.modals};
    for (int side = 0; side < 4; ++side) {
        const std::size_t offset = NeighbourAt(state.room, side);
        const int value =
            input.read(dialog.m_fields[side]->text(), 0, kRoomCount, state.level.byte(offset),
                       state.texts.text(QString::fromLatin1(kSides[side].key)));
        state.level.setByte(offset, static_cast<std::uint8_t>(value));
    }
    services.refreshRoom();
}

} // namespace qv2
