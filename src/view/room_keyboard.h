#pragma once

#include "level/level_layout.h"
#include "ui/editor_state.h"

#include <QChar>
#include <QObject>

#include <optional>

class QComboBox;

// The room view's keys: arrows move the selection, Page Up and Page Down step through the room
// numbers, two hexadecimal digits pick a tile kind.
namespace qv2 {

class PaintBox;

// Moves the selected tile one step towards `side`. From the room's edge it goes on into the
// neighbouring room on that side, onto the tile at its opposite edge; without a neighbour (0, or
// a value that is no room) the selection stays.
void moveSelection(EditorState &state, Services &services, Side side);

// Shows the room numbered `step` away from the current one, within 1..32; the tile stays.
void stepRoom(EditorState &state, Services &services, int step);

// Two hexadecimal digits typed one after the other name a tile kind, as in "14" for 0x14.
class KindTyping {
  public:
    // The kind when `c` completes a pair; anything but a digit starts over.
    std::optional<int> type(QChar c);
    void reset() { m_first.reset(); }
    // A first digit waits for its second.
    bool pending() const { return m_first.has_value(); }

  private:
    std::optional<int> m_first;
};

// Takes the room view's key presses while it has the focus. A typed kind is stored only when the
// toolbar's tile-kind list offers it.
class RoomKeyboard : public QObject {
    Q_OBJECT
  public:
    RoomKeyboard(PaintBox &view, const QComboBox &tileKinds, EditorState &state,
                 Services &services);

  signals:
    // A typed kind was stored into the selected tile.
    void kindTyped(int kind);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    const QComboBox &m_tileKinds;
    EditorState &m_state;
    Services &m_services;
    KindTyping m_typing;
};

} // namespace qv2
