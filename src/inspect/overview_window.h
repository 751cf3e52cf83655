#pragma once

#include "inspect/overview_map.h"
#include "text/text_catalogue.h"
#include "ui/editor_state.h"

#include <QDialog>

#include <functional>

class QLabel;
class QScrollArea;

namespace qv2 {

// The whole-level overview: a sizeable window whose scroll area holds the 1024 x 640 map picture.
// One for the program's life; the picture lives only while the window is shown.
class OverviewWindow : public QDialog, public TextTarget {
    Q_OBJECT
  public:
    explicit OverviewWindow(QWidget *parent = nullptr);

    void applyTexts(const LanguageFile &language) override;

    // Shows the map with `room` framed until the user closes the window, then drops the
    // picture. A click on a room calls `choose` with it, which returns the room shown now; the
    // frame follows it.
    void showMap(const OverviewMap &map, int room, const std::function<int(int)> &choose,
                 Modals &modals);

  protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void drawMap(int room);

    QScrollArea *m_scrollArea;
    QLabel *m_map;
    OverviewMap m_rooms{};
    std::function<int(int)> m_choose;
};

// Builds the map of the open level, draws it and shows it; the level is only read. A click on a
// room shows that room in the main window.
void showLevelOverview(EditorState &state, Services &services, OverviewWindow &window);

} // namespace qv2
