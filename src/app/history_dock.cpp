#include "app/history_dock.h"

#include <QAction>
#include <QUndoView>

namespace qv2 {

HistoryDock::HistoryDock(QUndoStack &stack, QWidget *parent)
    : QDockWidget(QStringLiteral("Visszavonási lista"), parent),
      m_view(new QUndoView(&stack, this)) {
    setObjectName(QStringLiteral("HistoryDock"));
    m_view->setObjectName(QStringLiteral("HistoryView"));
    m_view->setEmptyLabel(QString::fromUtf8("<megnyitott szint>"));
    setWidget(m_view);
    toggleViewAction()->setObjectName(QStringLiteral("ShowHistory"));
    // Seldom needed: the user opens it from the View menu.
    hide();
}

void HistoryDock::applyTexts(const LanguageFile &language) {
    const QString section = QStringLiteral("history");
    setWindowTitle(language.text(section, QStringLiteral("title")));
    // Set after the title, which the dock copies into its action.
    toggleViewAction()->setText(language.text(section, QStringLiteral("menu")));
    m_view->setEmptyLabel(language.text(section, QStringLiteral("opened")));
}

} // namespace qv2
