#include "app/history_dock.h"

#include <QAction>
#include <QStyledItemDelegate>
#include <QUndoView>

namespace qv2 {

namespace {

// The list holds the steps' keys; it shows their names, in the language chosen when it draws.
class StepNameDelegate : public QStyledItemDelegate {
  public:
    StepNameDelegate(HistoryDock::StepName stepName, QObject *parent)
        : QStyledItemDelegate(parent), m_stepName(std::move(stepName)) {}

    QString displayText(const QVariant &value, const QLocale &) const override {
        // The opened level's line is no key and has no name.
        const QString name = m_stepName(value.toString());
        return name.isEmpty() ? value.toString() : name;
    }

  private:
    HistoryDock::StepName m_stepName;
};

} // namespace

HistoryDock::HistoryDock(QUndoStack &stack, StepName stepName, QWidget *parent)
    : QDockWidget(QStringLiteral("Visszavonási lista"), parent),
      m_view(new QUndoView(&stack, this)) {
    setObjectName(QStringLiteral("HistoryDock"));
    m_view->setObjectName(QStringLiteral("HistoryView"));
    m_view->setItemDelegate(new StepNameDelegate(std::move(stepName), m_view));
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
    m_view->viewport()->update();
}

} // namespace qv2
