#pragma once

#include "ui/text_catalogue.h"

#include <QDialog>

#include <cstdint>

class QCheckBox;
class QListWidget;
class QPushButton;

namespace qv2 {

class Modals;

// The level picker: one for the program's life, so its selection and GAMEPLAY box stay as the
// user left them from one use to the next.
class LevelPicker : public QDialog, public TextTarget {
    Q_OBJECT
  public:
    explicit LevelPicker(QWidget *parent = nullptr);

    // 0 when cancelled; otherwise 2000 (2020 with GAMEPLAY ticked) + the selected index, where
    // nothing selected counts as -1.
    std::uint16_t PickLevel(Modals &modals);

    // Leaves the picker on the level of resource `id`, as PickLevel would have returned it, so a
    // level opened by any route is the one Save proposes. An id that no row stands for leaves the
    // picker as it was.
    void showLevel(std::uint16_t id);

    void applyTexts(const LanguageFile &language) override;

  private:
    QListWidget *m_levels;
    QCheckBox *m_gameplay;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};

} // namespace qv2
