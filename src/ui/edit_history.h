#pragma once

#include <QString>
#include <QUndoStack>

#include <functional>

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

    // Runs `change`; when it changed level bytes, they become one step named `name`. A change
    // recorded while another one runs belongs to the outer step.
    void record(const QString &name, const std::function<void()> &change);

    void undo();
    void redo();

    // A newly opened level: no steps, and its bytes are the saved state.
    void clear() { m_stack.clear(); }
    void markSaved() { m_stack.setClean(); }
    bool isModified() const { return !m_stack.isClean(); }

    // For the menu: names, availability and the saved state, with their change signals.
    QUndoStack &stack() { return m_stack; }

  private:
    // One step back or forward, then the refresh.
    void travel(bool possible, void (QUndoStack::*go)());

    EditorState &m_state;
    std::function<void()> m_refresh;
    QUndoStack m_stack;
    int m_depth = 0;
};

// Runs `change` as one step of the services' history, or plainly when they keep none.
void RecordEdit(Services &services, const QString &name, const std::function<void()> &change);

} // namespace qv2
