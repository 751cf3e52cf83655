#pragma once

#include "text/text_catalogue.h"

#include <QDialog>
#include <QSize>
#include <QStringList>

class QComboBox;
class QLabel;
class QLayout;
class QPushButton;

namespace qv2 {

class ExitLineEdit;

// The frame the level-wide dialogs share: a fixed dialog without system buttons whose body stands
// above OK (the default button) and Mégse. It is at least its designed client size and grows where
// the texts need more room. Return confirms, Esc cancels.
class EditorDialog : public QDialog, public TextTarget {
    Q_OBJECT
  public:
    EditorDialog(const char *formName, const char *title, QSize clientSize, QWidget *parent);

  protected:
    // Puts the body above the buttons, which come last in the Tab order. `first` takes the focus,
    // its text selected, every time the dialog opens.
    void setBody(QLayout *body, QWidget *first);
    // The title and the two buttons from the section; then the size is fitted to the new texts.
    void applyFrameTexts(const LanguageFile &language, const QString &section);
    void showEvent(QShowEvent *event) override;
    bool isCancelButton(const QWidget *widget) const;

  private:
    void fitToContents();

    QSize m_clientSize;
    QWidget *m_first = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};

// The controls the dialogs are built from, named with their given object names.
QLabel *MakeLabel(QWidget *parent, const char *name, const char *text);
ExitLineEdit *MakeNumberEdit(QWidget *parent, const char *name, int width = 56);
// `items`: the built-in items, written as comma text like the language file's lists.
QComboBox *MakeChoiceList(QWidget *parent, const char *name, const char *items);
void SetChoices(QComboBox &list, const QStringList &items);

} // namespace qv2
