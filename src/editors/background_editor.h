#pragma once

#include "editors/background_picture.h"
#include "ui/editor_state.h"

#include <QDialog>
#include <QImage>

#include <optional>

class QComboBox;
class QPushButton;

namespace qv2 {

class PaintBox;

// The background editor: the current room's tiles with their background picture numbers and the
// outlines of the pictures. A tile chosen with the mouse, or with the arrow keys on the picture,
// takes the background picture then chosen in the list; the level changes only on OK.
class BackgroundEditor : public QDialog {
    Q_OBJECT
  public:
    explicit BackgroundEditor(QWidget *parent = nullptr);

    // Copies the room's background bytes and lists the picture names that the background list's
    // section bg names through key c; no tile is selected.
    void fill(const LevelStore &level, int room, const IniFile &list, const MessageTexts &texts);

    // The picture numbers as the user left them.
    const RoomBackground &background() const { return m_background; }

  protected:
    void keyPressEvent(QKeyEvent *event) override;

  private:
    void selectTile(int place);
    void choosePicture(int index);
    void redraw();

    RoomBackground m_background;
    IniFile m_list;
    std::optional<int> m_selected;
    QImage m_picture;
    PaintBox *m_pictureView;
    QComboBox *m_names;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};

// Opens the background editor on the current room. OK writes attribute byte 2 of exactly the
// tiles whose picture number the user changed, then redraws the room; nothing else is written.
void editBackground(EditorState &state, Services &services, BackgroundEditor &dialog);

} // namespace qv2
