#include "editors/start_position_dialog.h"

#include "editors/choice_codes.h"
#include "editors/number_input.h"
#include "level/level_layout.h"
#include "ui/exit_line_edit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

namespace qv2 {

StartPositionDialog::StartPositionDialog(QWidget *parent)
    : EditorDialog("TForm3", "Kezdőhely", QSize(185, 137), parent) {
    m_roomLabel = MakeLabel(this, "Label1", "Pálya:");
    m_room = MakeNumberEdit(this, "Edit1");
    m_tileLabel = MakeLabel(this, "Label2", "Hely:");
    m_tile = MakeNumberEdit(this, "Edit2");
    m_directionLabel = MakeLabel(this, "Label3", "Irány:");
    m_direction = MakeChoiceList(this, "ComboBox1", "Jobbra,Balra");

    auto *form = new QFormLayout;
    form->addRow(m_roomLabel, m_room);
    form->addRow(m_tileLabel, m_tile);
    form->addRow(m_directionLabel, m_direction);
    setBody(form, m_room);
}

void StartPositionDialog::applyTexts(const LanguageFile &language) {
    const QString section = QStringLiteral("start");
    m_roomLabel->setText(language.text(section, QStringLiteral("room")));
    m_tileLabel->setText(language.text(section, QStringLiteral("tile")));
    m_directionLabel->setText(language.text(section, QStringLiteral("direction")));
    SetChoices(*m_direction, language.list(section, QStringLiteral("directions")));
    applyFrameTexts(language, section);
}

void editStartPosition(EditorState &state, Services &services, StartPositionDialog &dialog) {
    if (!state.levelOpen)
        return;
    LevelStore &level = state.level;
    dialog.m_room->setText(QString::number(level.byte(kStartRoomOffset)));
    dialog.m_tile->setText(QString::number(level.byte(kStartTileOffset)));
    // Any nonzero byte faces left.
    const int shownDirection = ChoiceIndex(kDirectionCodes, level.byte(kStartDirectionOffset), 1);
    dialog.m_direction->setCurrentIndex(shownDirection);
    if (!services.modals.run(dialog))
        return;

    const NumberInput input{state.texts, services.modals};
    const int room = input.read(dialog.m_room->text(), 1, kRoomCount, 0,
                                state.texts.text(QStringLiteral("room")));
    if (room != 0)
        level.setByte(kStartRoomOffset, static_cast<std::uint8_t>(room));
    const int tile = input.read(dialog.m_tile->text(), 0, kTilesPerRoom - 1, -1,
                                state.texts.text(QStringLiteral("tile")));
    if (tile != -1)
        level.setByte(kStartTileOffset, static_cast<std::uint8_t>(tile));
    // A left-facing byte other than 0xFF stays as it is until another direction is chosen.
    const int direction = dialog.m_direction->currentIndex();
    if (const auto code = ChoiceCode(kDirectionCodes, direction);
        code && direction != shownDirection)
        level.setByte(kStartDirectionOffset, *code);
    services.refreshRoom();
}

} // namespace qv2
