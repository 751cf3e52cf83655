#pragma once

#include "text/text_catalogue.h"

#include <QObject>

class QAction;
class QMenu;
class QToolBar;
class QWidget;

namespace qv2 {

class PaintBox;
class RoomToolbox;

// The room view's tools as actions: the select, paint and fill tools (one of them checked), the
// key that fills the selected rectangle with the brush and the one that drops the rectangle.
class ToolActions : public QObject, public TextTarget {
    Q_OBJECT
  public:
    // The actions belong to the window, as its other commands do.
    ToolActions(QWidget &window, RoomToolbox &tools, PaintBox &view, QMenu &menu,
                QToolBar &toolBar);

    // Section [tools].
    void applyTexts(const LanguageFile &language) override;

  private:
    RoomToolbox &m_tools;
    QAction *m_select;
    QAction *m_paint;
    QAction *m_fill;
    QAction *m_fillArea;
    QAction *m_dropArea;
};

} // namespace qv2
