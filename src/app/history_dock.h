#pragma once

#include "text/text_catalogue.h"

#include <QDockWidget>

#include <functional>

class QUndoStack;
class QUndoView;

namespace qv2 {

// The steps of the undo history as a list, each by the name the Undo command gives it: a click on
// a step puts the level back to it.
class HistoryDock : public QDockWidget, public TextTarget {
    Q_OBJECT
  public:
    // A step is recorded under a key; `stepName` says it in the current language.
    using StepName = std::function<QString(const QString &key)>;
    HistoryDock(QUndoStack &stack, StepName stepName, QWidget *parent);

    // Section [history]: the caption, the View menu entry and the name of the opened level's
    // state at the top of the list.
    void applyTexts(const LanguageFile &language) override;

  private:
    QUndoView *m_view;
};

} // namespace qv2
