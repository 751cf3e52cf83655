#pragma once

#include <QString>
#include <QUndoStack>

#include <functional>
#include <memory>

namespace qv2 {

struct EditorState;
struct Services;

// The open level's undo history. A step holds the run of level bytes that one user action
// changed, before and after, and the room and tile shown before and after it, so that undo and
// redo go back to where the change was made. An action that changes no byte leaves no step.
class EditHistory {
  public:
    // `refresh` redraws the room after an undo or redo.
    EditHistory(EditorState &state, std::function<void()> refresh);
    ~EditHistory();

    // Runs `change`; when it changed level bytes, they become one step named `name`. A change
    // recorded while another one runs belongs to the outer step.
    void record(const QString &name, const std::function<void()> &change);

    // A change made over several events (a stroke of the mouse): begin() remembers the level and
    // the place shown, end() makes whatever changed since then one step named `name`.
    void begin();
    void end(const QString &name);

    // Also a click in a view of the stack (several steps at once) puts the level at that step;
    // the room is redrawn after each.
    void undo();
    void redo();

    // A newly opened level: no steps, and its bytes are the saved state.
    void clear();
    void markSaved() { m_stack.setClean(); }
    bool isModified() const { return !m_stack.isClean(); }

    // For the menu: names, availability and the saved state, with their change signals.
    QUndoStack &stack() { return m_stack; }

  private:
    struct Snapshot;
    // Pushes what changed since `before` as one step.
    void push(const QString &name, const Snapshot &before);
    // The stack moved to another step by undo, redo or a view of it: redraw.
    void arrived();

    EditorState &m_state;
    std::function<void()> m_refresh;
    QUndoStack m_stack;
    int m_depth = 0;
    bool m_pushing = false; // a new step moves the index without anything to redraw
    std::unique_ptr<Snapshot> m_begun;
};

// Runs `change` as one step of the services' history, or plainly when they keep none.
void RecordEdit(Services &services, const QString &name, const std::function<void()> &change);

} // namespace qv2
