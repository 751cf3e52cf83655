#pragma once

#include "editors/working_copy_dialog.h"
#include "level/level_layout.h"
#include "ui/editor_state.h"

#include <array>
#include <cstdint>

class QLabel;
class QPushButton;
class QSpinBox;

namespace qv2 {

using LinkTable = std::array<std::uint8_t, kLinkTableSize>;

// The link table: which entry each floor plate starts from, and the chains of entries the "<-" and
// "->" buttons follow. Works on a copy of the whole table.
class LinkDialog : public WorkingCopyDialog {
    Q_OBJECT
  public:
    explicit LinkDialog(QWidget *parent = nullptr);
    void applyTexts(const LanguageFile &language) override;

    // Takes a copy of the table and shows `entry`; typed numbers go through `input`.
    void fill(const LinkTable &table, int entry, const NumberInput &input);
    const LinkTable &table() const { return m_table; }

  private:
    void showEntry(int entry);
    // Stores the five boxes into the shown entry, then shows the entry again, so that a refused
    // text gives way to the stored byte at once.
    void store() override;
    std::uint8_t &byteOf(int field) {
        return m_table[static_cast<std::size_t>(m_shown * kLinkEntrySize + field)];
    }

    LinkTable m_table{};
    int m_shown = 0;

    QSpinBox *m_entry;   // UpDown1
    QPushButton *m_back; // Button3, "<-"
    QPushButton *m_next; // Button4, "->"
    std::array<QLabel *, kLinkEntrySize> m_labels{};
    std::array<ExitLineEdit *, kLinkEntrySize> m_fields{};
};

// Shows the link table at the selected tile's entry when that tile is a plate, else at entry 0;
// on OK writes the whole table back. The room view shows no links and is not redrawn.
void editLinks(EditorState &state, Services &services, LinkDialog &dialog);

} // namespace qv2
