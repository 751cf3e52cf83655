#pragma once

#include "editors/editor_dialog.h"
#include "ui/editor_state.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace qv2 {

// The level-wide settings: level type, level number, the twelve feature flags and the enemy
// graphics set.
class LevelTypeDialog : public EditorDialog {
    Q_OBJECT
  public:
    explicit LevelTypeDialog(QWidget *parent = nullptr);
    void applyTexts(const LanguageFile &language) override;

  private:
    friend void editLevelType(EditorState &, Services &, LevelTypeDialog &);

    QLabel *m_typeLabel;
    QLabel *m_numberLabel;
    QLabel *m_graphicsLabel;
    QComboBox *m_type;     // ComboBox1
    QLineEdit *m_number;   // Edit1
    QListWidget *m_flags;  // CheckListBox1
    QComboBox *m_graphics; // ComboBox2
};

// Shows the settings; on OK stores them. A list showing no item (its byte stands for none of the
// items) leaves its byte as it is. The room is not redrawn and the background list not reloaded:
// a new level type counts from the next opening of the level.
void editLevelType(EditorState &state, Services &services, LevelTypeDialog &dialog);

} // namespace qv2
