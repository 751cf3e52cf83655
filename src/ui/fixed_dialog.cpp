#include "ui/fixed_dialog.h"

#include <QDialog>
#include <QLineEdit>
#include <QSpinBox>

namespace qv2 {

void SetFixedDialogFlags(QDialog &dialog) {
    dialog.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint);
}

QSpinBox *MakeSpinner(QWidget *parent, const char *name, int maximum, int width) {
    auto *spinner = new QSpinBox(parent);
    spinner->setObjectName(QString::fromLatin1(name));
    spinner->setRange(0, maximum);
    spinner->setWrapping(false);
    // Not QAbstractSpinBox::setReadOnly, which would stop the arrows too.
    spinner->findChild<QLineEdit *>()->setReadOnly(true);
    spinner->setFixedWidth(width);
    return spinner;
}

void FocusWithTextSelected(QWidget &field, Qt::FocusReason reason) {
    field.setFocus(reason);
    if (auto *edit = qobject_cast<QLineEdit *>(&field))
        edit->selectAll();
    else if (auto *spinner = qobject_cast<QAbstractSpinBox *>(&field))
        spinner->selectAll();
}

} // namespace qv2
