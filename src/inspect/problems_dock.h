#pragma once

#include "inspect/rule_reports.h"
#include "text/text_catalogue.h"
#include "ui/editor_state.h"

#include <QDockWidget>
#include <QLabel>
#include <QPointer>

class QTreeWidget;
class QTreeWidgetItem;

namespace qv2 {

// The rule script's reports on the open level, kept up to date while the user edits: a list
// without a modal window, a double click or Return on a report shows its tile, and a count for
// the status line. A script that cannot be run shows why as the list's one line.
class ProblemsDock : public QDockWidget, public TextTarget {
    Q_OBJECT
  public:
    ProblemsDock(EditorState &state, Services &services, QWidget *parent);

    // Section [problems]: the caption, the View menu entry and the column headers.
    void applyTexts(const LanguageFile &language) override;

    // Runs the script over the level as it is now and lists what it reports.
    void check();

    // The dock's height that shows the column headers and `lines` reports.
    int heightFor(int lines) const;

    // The count of reports, for the status line.
    QLabel &countLabel() { return *m_count; }
    ~ProblemsDock() override;

  private:
    void jumpTo(QTreeWidgetItem *item);

    EditorState &m_state;
    Services &m_services;
    QTreeWidget *m_list;
    // The status line owns it once the window puts it there; until then, the dock.
    QPointer<QLabel> m_count;
    ReportListing m_listing;
};

} // namespace qv2
