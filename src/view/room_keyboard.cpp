#include "view/room_keyboard.h"

#include "level/hex_digit.h"
#include "view/paint_box.h"
#include "view/tile_editing.h"

#include <QComboBox>
#include <QKeyEvent>

#include <algorithm>

namespace qv2 {

void moveSelection(EditorState &state, Services &services, Side side) {
    if (!state.levelOpen)
        return;
    int row = state.row + (side == SideDown) - (side == SideUp);
    int column = state.column + (side == SideRight) - (side == SideLeft);
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns) {
        const int neighbour = state.level.byte(NeighbourAt(state.room, side));
        if (neighbour == 0 || neighbour > kRoomCount)
            return;
        state.room = neighbour;
        row = (row + kRows) % kRows;
        column = (column + kColumns) % kColumns;
    }
    state.row = row;
    state.column = column;
    services.refreshRoom();
}

void stepRoom(EditorState &state, Services &services, int step) {
    if (!state.levelOpen)
        return;
    const int room = std::clamp(state.room + step, 1, kRoomCount);
    if (room == state.room)
        return;
    state.room = room;
    services.refreshRoom();
}

namespace {

// A key that types one hexadecimal digit.
bool TypesHexDigit(const QKeyEvent &key) {
    return key.text().size() == 1 && HexDigitValue(key.text()[0].unicode()) >= 0;
}

bool IsModifierKey(int key) {
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
        return true;
    default:
        return false;
    }
}

} // namespace

std::optional<int> KindTyping::type(QChar c) {
    const int digit = HexDigitValue(c.unicode());
    if (digit < 0) {
        reset();
        return std::nullopt;
    }
    if (!m_first) {
        m_first = digit;
        return std::nullopt;
    }
    const int kind = *m_first * 16 + digit;
    reset();
    return kind;
}

RoomKeyboard::RoomKeyboard(PaintBox &view, const QComboBox &tileKinds, EditorState &state,
                           Services &services)
    : QObject(&view), m_tileKinds(tileKinds), m_state(state), m_services(services) {
    view.installEventFilter(this);
}

bool RoomKeyboard::eventFilter(QObject *, QEvent *event) {
    // A digit typed for one tile never completes on another: leaving the view or selecting
    // another tile with the mouse starts over, as every key but a digit does.
    if (event->type() == QEvent::FocusOut || event->type() == QEvent::MouseButtonPress)
        m_typing.reset();
    // The second digit of a kind is typed here even where a letter is also a tool's key (B, F).
    if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (m_typing.pending() && TypesHexDigit(*key))
            key->accept();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    // Shift pressed on its way to a capital digit is part of that digit.
    if (IsModifierKey(key->key()))
        return false;
    const bool plain = !(key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier));
    if (plain && TypesHexDigit(*key)) {
        const std::optional<int> kind = m_typing.type(key->text()[0]);
        if (kind && *kind < m_tileKinds.count()) {
            setTileKind(m_state, m_services, *kind);
            emit kindTyped(*kind);
        }
        return true;
    }
    m_typing.reset();
    switch (key->key()) {
    case Qt::Key_Left:
        moveSelection(m_state, m_services, SideLeft);
        return true;
    case Qt::Key_Right:
        moveSelection(m_state, m_services, SideRight);
        return true;
    case Qt::Key_Up:
        moveSelection(m_state, m_services, SideUp);
        return true;
    case Qt::Key_Down:
        moveSelection(m_state, m_services, SideDown);
        return true;
    case Qt::Key_PageUp:
        stepRoom(m_state, m_services, -1);
        return true;
    case Qt::Key_PageDown:
        stepRoom(m_state, m_services, 1);
        return true;
    default:
        return false;
    }
}

} // namespace qv2
