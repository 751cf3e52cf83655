#include "ui/widget_modals.h"

#include "text/message_texts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>

namespace qv2 {

namespace {

void setButtonText(QMessageBox &box, QMessageBox::StandardButton which, const QString &text) {
    if (!text.isEmpty())
        box.button(which)->setText(text);
}

} // namespace

// Everything shown through here stands above the window the user is in, a dialog over the main
// window included, and gives the activation back to that window when it closes: a box left
// transient for the window below could leave no window active, and the next shortcut unheard.
class WidgetModals::Above {
  public:
    // The modal dialog first: the window system may not have made it active yet.
    explicit Above(QWidget *fallback) : m_window(QApplication::activeModalWidget()) {
        if (!m_window)
            m_window = QApplication::activeWindow();
        if (!m_window)
            m_window = fallback;
    }
    ~Above() {
        if (m_window && m_window->isVisible())
            m_window->activateWindow();
    }
    QWidget *window() const { return m_window; }

  private:
    QPointer<QWidget> m_window;
};

QString WidgetModals::caption(const char *key) const {
    return m_texts ? m_texts->text(QString::fromLatin1(key)) : QString();
}

void WidgetModals::message(const QString &text) {
    // Titled like the program's main window, as plain message boxes of desktop programs are.
    // The main window's title holds Qt's placeholder for the unsaved-changes mark.
    const QString title = m_parent ? m_parent->window()->windowTitle().remove(QStringLiteral("[*]"))
                                   : QGuiApplication::applicationDisplayName();
    const Above above(m_parent);
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, above.window());
    setButtonText(box, QMessageBox::Ok, caption("dinOK"));
    box.exec();
}

bool WidgetModals::askBeforeActing(const QString &caption, const QString &text, const char *actKey,
                                   const char *keepKey) {
    const Above above(m_parent);
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                    above.window());
    // The question guards a change that cannot be undone: Return alone must not confirm it.
    box.setDefaultButton(QMessageBox::No);
    setButtonText(box, QMessageBox::Yes, this->caption(actKey));
    setButtonText(box, QMessageBox::No, this->caption(keepKey));
    return box.exec() == QMessageBox::Yes;
}

bool WidgetModals::askYesNo(const QString &caption, const QString &text) {
    return askBeforeActing(caption, text, "yes", "no");
}

bool WidgetModals::askOverwrite(const QString &caption, const QString &text) {
    return askBeforeActing(caption, text, "overwrite", "dinCancel");
}

UnsavedAnswer WidgetModals::askUnsaved(const QString &caption, const QString &text) {
    const Above above(m_parent);
    QMessageBox box(QMessageBox::Warning, caption, text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, above.window());
    box.setDefaultButton(QMessageBox::Save);
    setButtonText(box, QMessageBox::Save, this->caption("savechanges"));
    setButtonText(box, QMessageBox::Discard, this->caption("discardchanges"));
    setButtonText(box, QMessageBox::Cancel, this->caption("dinCancel"));
    switch (box.exec()) {
    case QMessageBox::Save:
        return UnsavedAnswer::Save;
    case QMessageBox::Discard:
        return UnsavedAnswer::Discard;
    default:
        return UnsavedAnswer::Cancel;
    }
}

std::optional<QString> WidgetModals::inputLine(const QString &caption, const QString &prompt,
                                               const QString &preset) {
    const Above above(m_parent);
    QInputDialog dialog(above.window());
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(preset);
    if (const QString ok = this->caption("dinOK"); !ok.isEmpty())
        dialog.setOkButtonText(ok);
    if (const QString cancel = this->caption("dinCancel"); !cancel.isEmpty())
        dialog.setCancelButtonText(cancel);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> WidgetModals::chooseFile(QFileDialog &dialog) {
    const Above above(m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    // Accepted without a file (possible with some platform dialogs) counts as a cancel.
    const QString file = dialog.selectedFiles().value(0);
    if (file.isEmpty())
        return std::nullopt;
    return file;
}

bool WidgetModals::run(QDialog &dialog) {
    const Above above(m_parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace qv2
