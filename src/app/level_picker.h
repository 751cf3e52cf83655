#pragma once

#include "text/text_catalogue.h"

#include <QDialog>

#include <cstdint>
#include <optional>

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

    // Leaves the picker on the level of resource `id`: confirmed untouched, PickLevel returns it,
    // also when no row stands for it (a level opened by id, a shorter list of another language);
    // then no row is selected.
    void showLevel(std::uint16_t id);

    // The list is made anew in the new language; the level proposed stays.
    void applyTexts(const LanguageFile &language) override;

  private:
    // The id that the selection and the GAMEPLAY box stand for.
    std::uint16_t shownId() const;

    // Set by showLevel, given up as soon as the user touches the list or the box.
    std::optional<std::uint16_t> m_proposed;
    QListWidget *m_levels;
    QCheckBox *m_gameplay;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};

} // namespace qv2
