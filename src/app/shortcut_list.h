#pragma once

#include <QDialog>
#include <QString>

#include <vector>

class QMenuBar;
class QTreeWidget;
class QWidget;

namespace qv2 {

class MessageTexts;

// One command and the keys that choose it.
struct ShortcutRow {
    QString command; // "Menu > Entry", without mnemonics and dots
    QString keys;    // every shortcut of the command, as the user types it
};

// Every action of the window that has a shortcut: first those of the menu bar's menus in menu
// order, then the window's own actions (those no menu shows). Read from the actions each time, so
// the list always says what the keys do now.
std::vector<ShortcutRow> ShortcutRows(const QWidget &window, const QMenuBar &menuBar);

// Whether `row` matches what the user typed into the search field: every word of it in the
// command or the keys, ignoring case.
bool ShortcutMatches(const ShortcutRow &row, const QString &search);

// The searchable list of keyboard shortcuts.
class ShortcutList : public QDialog {
    Q_OBJECT
  public:
    ShortcutList(QWidget &parent, const std::vector<ShortcutRow> &rows, const MessageTexts &texts);

  private:
    void filter(const QString &search);

    std::vector<ShortcutRow> m_rows;
    QTreeWidget *m_list;
};

} // namespace qv2
