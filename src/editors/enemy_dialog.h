#pragma once

#include "editors/working_copy_dialog.h"
#include "level/level_layout.h"
#include "ui/editor_state.h"

#include <array>
#include <cstdint>

class QComboBox;
class QLabel;
class QSpinBox;

namespace qv2 {

// A room's enemy block: the count, then the five records.
using EnemyBlock = std::array<std::uint8_t, kEnemyBlockSize>;

// The enemies of the current room. All five records are shown, edited and written back whatever
// the count says. Works on a copy of the room's block.
class EnemyDialog : public WorkingCopyDialog {
    Q_OBJECT
  public:
    static constexpr int kNumberFields = 5;
    static constexpr int kChoiceFields = 4;

    explicit EnemyDialog(QWidget *parent = nullptr);
    void applyTexts(const LanguageFile &language) override;

    // Takes a copy of the block and shows record 0; typed numbers go through `input`.
    void fill(const EnemyBlock &block, const NumberInput &input);
    const EnemyBlock &block() const { return m_block; }

  private:
    void showRecord(int record);
    // Reads all nine controls into the shown record. A refused number keeps its byte; a list
    // without a selection stores nothing.
    void store() override;
    std::uint8_t *shownRecord() { return m_block.data() + 1 + m_shown * kEnemyRecordSize; }

    EnemyBlock m_block{};
    int m_shown = 0;

    QLabel *m_countLabel;
    QLabel *m_recordLabel;
    QSpinBox *m_count;  // UpDown1
    QSpinBox *m_record; // UpDown2
    std::array<QLabel *, kNumberFields + kChoiceFields> m_labels{};
    std::array<ExitLineEdit *, kNumberFields> m_numbers{};
    std::array<QComboBox *, kChoiceFields> m_choices{};
};

// Shows the current room's enemies; on OK writes the room's block back and redraws the room.
void editEnemies(EditorState &state, Services &services, EnemyDialog &dialog);

} // namespace qv2
