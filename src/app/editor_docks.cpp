#include "app/editor_docks.h"

#include "inspect/problems_dock.h"
#include "view/tile_palette.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>

namespace qv2 {

namespace {

constexpr int kFirstPaletteColumns = 4;
constexpr int kFirstProblemLines = 5;

} // namespace

EditorDocks::EditorDocks(QMainWindow &window, QMenu &viewMenu, EditorState &state,
                         Services &services, QUndoStack &history, HistoryDock::StepName stepName)
    : m_window(window), m_palette(new TilePalette(&window)),
      m_problems(new ProblemsDock(state, services, &window)),
      m_history(new HistoryDock(history, std::move(stepName), &window)) {
    // The palette keeps its height; the reports need the width.
    window.setCorner(Qt::BottomLeftCorner, Qt::LeftDockWidgetArea);
    window.addDockWidget(Qt::LeftDockWidgetArea, m_palette);
    window.addDockWidget(Qt::BottomDockWidgetArea, m_problems);
    // Under the palette when shown, so that the room keeps its width.
    window.addDockWidget(Qt::LeftDockWidgetArea, m_history, Qt::Vertical);
    viewMenu.addSeparator();
    for (QDockWidget *dock : std::initializer_list<QDockWidget *>{m_palette, m_problems, m_history})
        viewMenu.addAction(dock->toggleViewAction());
    window.statusBar()->addPermanentWidget(&m_problems->countLabel());
}

void EditorDocks::giveFirstSizes() {
    m_window.resizeDocks({m_palette}, {m_palette->widthFor(kFirstPaletteColumns)}, Qt::Horizontal);
    m_window.resizeDocks({m_problems}, {m_problems->heightFor(kFirstProblemLines)}, Qt::Vertical);
}

void EditorDocks::applyTexts(const LanguageFile &language) {
    m_palette->applyTexts(language);
    m_problems->applyTexts(language);
    m_history->applyTexts(language);
}

} // namespace qv2
