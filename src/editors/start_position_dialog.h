#pragma once

#include "editors/editor_dialog.h"
#include "ui/editor_state.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace qv2 {

// Where the player's character starts the level: room, tile place and facing.
class StartPositionDialog : public EditorDialog {
    Q_OBJECT
  public:
    explicit StartPositionDialog(QWidget *parent = nullptr);
    void applyTexts(const LanguageFile &language) override;

  private:
    friend void editStartPosition(EditorState &, Services &, StartPositionDialog &);

    QLabel *m_roomLabel;
    QLabel *m_tileLabel;
    QLabel *m_directionLabel;
    QLineEdit *m_room;
    QLineEdit *m_tile;
    QComboBox *m_direction;
};

// Shows the start position; on OK stores each accepted number (a refused one keeps its byte after
// its message) and the facing, then redraws the room.
void editStartPosition(EditorState &state, Services &services, StartPositionDialog &dialog);

} // namespace qv2
