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

struct EditHistory::Snapshot {
    Bytes bytes;
    Shown shown;
};

EditHistory::EditHistory(EditorState &state, std::function<void()> refresh)
    : m_state(state), m_refresh(std::move(refresh)) {
    QObject::connect(&m_stack, &QUndoStack::indexChanged, &m_stack, [this] {
        if (!m_pushing)
            arrived();
    });
}

EditHistory::~EditHistory() {
    // Emptying the stack moves its index; nothing is to be redrawn any more.
    m_pushing = true;
}

void EditHistory::clear() {
    m_pushing = true;
    m_stack.clear();
    m_pushing = false;
    m_begun.reset();
}

void EditHistory::push(const QString &name, const Snapshot &before) {
    const Bytes &after = m_state.level.bytes();
    // Commands never resize the level; Open clears the history.
    if (after.size() != before.bytes.size())
        return;
    const auto first = std::mismatch(before.bytes.begin(), before.bytes.end(), after.begin());
    if (first.first == before.bytes.end())
        return;
    const auto last = std::mismatch(before.bytes.rbegin(), before.bytes.rend(), after.rbegin());
    const auto from = static_cast<std::size_t>(first.first - before.bytes.begin());
    const auto to =
        before.bytes.size() - static_cast<std::size_t>(last.first - before.bytes.rbegin());
    m_pushing = true;
    m_stack.push(new LevelStep(
        m_state, name, from, Bytes(before.bytes.begin() + from, before.bytes.begin() + to),
        Bytes(after.begin() + from, after.begin() + to), before.shown, ShownIn(m_state)));
    m_pushing = false;
}

void EditHistory::record(const QString &name, const std::function<void()> &change) {
    if (m_depth > 0) {
        change();
        return;
    }
    const Snapshot before{m_state.level.bytes(), ShownIn(m_state)};
    // Pushed even when the change ends in an error (a missing picture during its refresh): its
    // bytes are written by then and must stay undoable.
    ++m_depth;
    try {
        change();
    } catch (...) {
        --m_depth;
        push(name, before);
        throw;
    }
    --m_depth;
    push(name, before);
}

void EditHistory::begin() {
    m_begun = std::make_unique<Snapshot>(Snapshot{m_state.level.bytes(), ShownIn(m_state)});
}

void EditHistory::end(const QString &name) {
    if (!m_begun)
        return;
    const std::unique_ptr<Snapshot> before = std::move(m_begun);
    push(name, *before);
}

void EditHistory::undo() {
    if (m_stack.canUndo())
        m_stack.undo();
}

void EditHistory::redo() {
    if (m_stack.canRedo())
        m_stack.redo();
}

void EditHistory::arrived() {
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
