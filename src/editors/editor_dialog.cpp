#include "editors/editor_dialog.h"

#include "text/comma_text.h"
#include "ui/exit_line_edit.h"
#include "ui/fixed_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv2 {

EditorDialog::EditorDialog(const char *formName, const char *title, QSize clientSize,
                           QWidget *parent)
    : QDialog(parent), m_clientSize(clientSize) {
    setObjectName(QString::fromLatin1(formName));
    setWindowTitle(QString::fromUtf8(title));
    SetFixedDialogFlags(*this);
}

void EditorDialog::setBody(QLayout *body, QWidget *first) {
    m_first = first;
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("Button1"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QString::fromUtf8("Mégse"), this);
    m_cancel->setObjectName(QStringLiteral("Button2"));
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto *frame = new QVBoxLayout(this);
    frame->addLayout(body);
    frame->addStretch(1);
    frame->addLayout(buttons);
    fitToContents();
}

void EditorDialog::applyFrameTexts(const LanguageFile &language, const QString &section) {
    setWindowTitle(language.text(section, QStringLiteral("title")));
    m_ok->setText(language.text(section, QStringLiteral("ok")));
    m_cancel->setText(language.text(section, QStringLiteral("cancel")));
    fitToContents();
}

void EditorDialog::fitToContents() {
    // Until the dialog is first shown, a new caption does not reach the sizes that the layouts
    // above it keep: they are renewed here.
    for (QWidget *widget : findChildren<QWidget *>())
        widget->updateGeometry();
    for (QLayout *layout : findChildren<QLayout *>())
        layout->invalidate();
    layout()->activate();
    setFixedSize(layout()->totalSizeHint().expandedTo(m_clientSize));
}

void EditorDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    // The window gives the focus back to this field when it becomes active; a focus that comes
    // that way selects nothing by itself.
    FocusWithTextSelected(*m_first, Qt::OtherFocusReason);
}

bool EditorDialog::isCancelButton(const QWidget *widget) const {
    return widget && widget == m_cancel;
}

QLabel *MakeLabel(QWidget *parent, const char *name, const char *text) {
    auto *label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

ExitLineEdit *MakeNumberEdit(QWidget *parent, const char *name, int width) {
    auto *edit = new ExitLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFixedWidth(width);
    return edit;
}

QComboBox *MakeChoiceList(QWidget *parent, const char *name, const char *items) {
    auto *list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    // The items come from the language file: the list is as wide as its longest one.
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    list->addItems(SplitCommaText(QString::fromUtf8(items)));
    return list;
}

void SetChoices(QComboBox &list, const QStringList &items) {
    list.clear();
    list.addItems(items);
}

} // namespace qv2
