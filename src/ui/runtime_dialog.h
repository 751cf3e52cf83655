#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <optional>
#include <vector>

class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollArea;

namespace qv2 {

class LevelStore;
class MessageTexts;
class Modals;

// A dialog that a command puts together for one showing and destroys when it returns. Its caption
// and buttons come from the message texts; it is 320 pixels wide, fixed in size, OK is the default
// button and Esc cancels. When shown, the first control after the buttons takes the focus with its
// text selected, as if the user had tabbed to it.
class RuntimeDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kWidth = 320;

  protected:
    RuntimeDialog(const MessageTexts &texts, const QString &captionKey, int height, int buttonsTop);

    void showEvent(QShowEvent *event) override;

    const MessageTexts &m_texts;

  private:
    QPushButton *m_ok;
    QPushButton *m_cancel;
};

// A grid of numbered edit boxes in a scroll box, one box per cell, each holding one level byte.
// The user of the grid says where box k stands; Tab visits the boxes in that numbering order.
class GridDialog : public RuntimeDialog {
    Q_OBJECT
  public:
    struct Cell {
        int column;
        int row;
    };
    using Numbering = Cell (*)(int box);

    // The window with its buttons and the empty scroll box. Controls of the user's own go on the
    // dialog after this and before addGrid(), so that they come first in the tab order.
    GridDialog(const MessageTexts &texts, const QString &captionKey);

    // Row labels, column headers, then the headers.size() x rowLabels.size() edit boxes.
    void addGrid(const QStringList &headers, const QStringList &rowLabels, Numbering numbering);

    // Box k shows level byte first + k in decimal.
    void showBytes(const LevelStore &level, std::size_t first);
    // After OK, in numbering order: level byte first + k takes the number typed in box k (0..255,
    // no field name in the message); a refused box keeps its byte.
    void storeBytes(LevelStore &level, std::size_t first, Modals &modals) const;

  private:
    QScrollArea *m_gridArea;
    std::vector<QLineEdit *> m_boxes;
};

// One line per item in a list box; the first line is selected when it is shown.
class ListDialog : public RuntimeDialog {
    Q_OBJECT
  public:
    ListDialog(const MessageTexts &texts, const QString &captionKey, const QStringList &lines);

    // The selected line; nothing when no line is selected.
    std::optional<int> selectedLine() const;

  private:
    QListWidget *m_list;
};

// Shows the lines in a list dialog with the given caption key; the index of the line chosen with
// OK, nothing when the dialog was cancelled or no line was selected.
std::optional<int> ChooseLine(const MessageTexts &texts, const QString &captionKey,
                              const QStringList &lines, Modals &modals);

} // namespace qv2
