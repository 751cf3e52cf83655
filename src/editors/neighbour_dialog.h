#pragma once

#include "editors/editor_dialog.h"
#include "ui/editor_state.h"

#include <array>

class QLabel;
class QLineEdit;

namespace qv2 {

// The rooms reached by leaving the current room on each side, laid out as a cross around it.
class NeighbourDialog : public EditorDialog {
    Q_OBJECT
  public:
    explicit NeighbourDialog(QWidget *parent = nullptr);
    void applyTexts(const LanguageFile &language) override;

  private:
    friend void editNeighbours(EditorState &, Services &, NeighbourDialog &);

    std::array<QLabel *, 4> m_labels{};    // left, right, up, down
    std::array<QLineEdit *, 4> m_fields{}; // Edit1..Edit4 in the same order
    QLabel *m_room;                        // Panel1
};

// Shows the current room's four neighbours; on OK stores each side that is accepted (0..32), in
// the order left, right, up, down, then redraws the room.
void editNeighbours(EditorState &state, Services &services, NeighbourDialog &dialog);

} // namespace qv2
