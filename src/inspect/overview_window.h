#pragma once

#include "ui/editor_state.h"
#include "ui/text_catalogue.h"

#include <QDialog>

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

    // Shows the picture until the user closes the window, then drops it.
    void showPicture(const QImage &picture, Modals &modals);

  protected:
    void showEvent(QShowEvent *event) override;

  private:
    QScrollArea *m_scrollArea;
    QLabel *m_map;
};

// Builds the map of the open level, draws it and shows it; the level is only read.
void showLevelOverview(EditorState &state, Services &services, OverviewWindow &window);

} // namespace qv2
