#pragma once

#include "app/history_dock.h"
#include "text/text_catalogue.h"
#include "ui/editor_state.h"

class QMainWindow;
class QMenu;
class QUndoStack;

namespace qv2 {

class ProblemsDock;
class TilePalette;

// The main window's docks: the tile palette (shown, the window's full height on the left), the live
// Problems list (shown, below the room and panel) and the undo history (hidden, under the palette),
// each with its entry in the View menu and a stable object name under which the window keeps its
// place.
class EditorDocks : public TextTarget {
  public:
    EditorDocks(QMainWindow &window, QMenu &viewMenu, EditorState &state, Services &services,
                QUndoStack &history, HistoryDock::StepName stepName);

    void applyTexts(const LanguageFile &language) override;

    // Sizes for a window the user has not arranged: a few kinds side by side in the palette, a few
    // reports in the Problems list.
    void giveFirstSizes();

    TilePalette &palette() { return *m_palette; }
    ProblemsDock &problems() { return *m_problems; }

  private:
    QMainWindow &m_window;
    TilePalette *m_palette;
    ProblemsDock *m_problems;
    HistoryDock *m_history;
};

} // namespace qv2
