#pragma once

#include "ui/editor_state.h"
#include "ui/text_catalogue.h"

class QMainWindow;
class QMenu;
class QUndoStack;

namespace qv2 {

class HistoryDock;
class ProblemsDock;
class TilePalette;

// The main window's docks: the tile palette (shown), the live Problems list (shown) and the undo
// history (hidden), each with its entry in the View menu and a stable object name under which
// the window keeps its place.
class EditorDocks : public TextTarget {
  public:
    EditorDocks(QMainWindow &window, QMenu &viewMenu, EditorState &state, Services &services,
                QUndoStack &history);

    void applyTexts(const LanguageFile &language) override;

    TilePalette &palette() { return *m_palette; }
    ProblemsDock &problems() { return *m_problems; }

  private:
    TilePalette *m_palette;
    ProblemsDock *m_problems;
    HistoryDock *m_history;
};

} // namespace qv2
