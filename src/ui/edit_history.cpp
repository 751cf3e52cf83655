#include "ui/edit_history.h"

#include "ui/editor_state.h"

#include <QUndoCommand>

#include <algorithm>

namespace qv2 {

namespace {

struct Shown {
    int room;
    int row;
    int column;
};

Shown ShownIn(const EditorState &state) {
    return {state.room, state.row, state.column};
}

// One recorded change: the bytes from `offset` on, as they were before and after it.
class LevelStep : public QUndoCommand {
  public:
    LevelStep(EditorState &state, const QString &name, std::size_t offset, Bytes before,
              Bytes after, Shown shownBefore, Shown shownAfter)
        : QUndoCommand(name), m_state(state), m_offset(offset), m_before(std::move(before)),
          m_after(std::move(after)), m_shownBefore(shownBefore), m_shownAfter(shownAfter) {}

    void undo() override { put(m_before, m_shownBefore); }
    // Also run when the step is recorded, which writes what is already there.
    void redo() override { put(m_after, m_shownAfter); }

  private:
    void put(const Bytes &bytes, Shown shown) {
        for (std::size_t i = 0; i < bytes.size(); ++i)
            m_state.level.setByte(m_offset + i, bytes[i]);
        m_state.room = shown.room;
        m_state.row = shown.row;
        m_state.column = shown.column;
    }

    EditorState &m_state;
    std::size_t m_offset;
    Bytes m_before;
    Bytes m_after;
    Shown m_shownBefore;
    Shown m_shownAfter;
};

} // namespace

EditHistory::EditHistory(EditorState &state, std::function<void()> refresh)
    : m_state(state), m_refresh(std::move(refresh)) {}

void EditHistory::record(const QString &name, const std::function<void()> &change) {
    if (m_depth > 0) {
        change();
        return;
    }
    const Bytes before = m_state.level.bytes();
    const Shown shownBefore = ShownIn(m_state);
    // Pushed even when the change ends in an error (a missing picture during its refresh): its
    // bytes are written by then and must stay undoable.
    auto push = [&] {
        const Bytes &after = m_state.level.bytes();
        if (after.size() !=
            before.size()) // commands never resize the level; Open clears the history
            return;
        const auto first = std::mismatch(before.begin(), before.end(), after.begin());
        if (first.first == before.end())
            return;
        const auto last = std::mismatch(before.rbegin(), before.rend(), after.rbegin());
        const auto from = static_cast<std::size_t>(first.first - before.begin());
        const auto to = before.size() - static_cast<std::size_t>(last.first - before.rbegin());
        m_stack.push(new LevelStep(
            m_state, name, from, Bytes(before.begin() + from, before.begin() + to),
            Bytes(after.begin() + from, after.begin() + to), shownBefore, ShownIn(m_state)));
    };
    ++m_depth;
    try {
        change();
    } catch (...) {
        --m_depth;
        push();
        throw;
    }
    --m_depth;
    push();
}

void EditHistory::undo() {
    travel(m_stack.canUndo(), &QUndoStack::undo);
}

void EditHistory::redo() {
    travel(m_stack.canRedo(), &QUndoStack::redo);
}

void EditHistory::travel(bool possible, void (QUndoStack::*go)()) {
    if (!possible)
        return;
    (m_stack.*go)();
    // The refresh rewrites the toolbar fields; a value typed there before is given up.
    m_refresh();
    m_state.attributeEditPending = false;
}

void RecordEdit(Services &services, const QString &name, const std::function<void()> &change) {
    if (services.history)
        services.history->record(name, change);
    else
        change();
}

} // namespace qv2
