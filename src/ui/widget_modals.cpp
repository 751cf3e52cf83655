#include "ui/widget_modals.h"

#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace qv2 {

void WidgetModals::message(const QString &text)
{
    // Titled with the program's name, as plain message boxes of desktop programs are.
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, m_parent);
    box.exec();
}

bool WidgetModals::askYesNo(const QString &caption, const QString &text)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                    m_parent);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> WidgetModals::inputLine(const QString &caption, const QString &prompt,
                                               const QString &preset)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(m_parent, caption, prompt, QLineEdit::Normal, preset, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> WidgetModals::chooseFile(QFileDialog &dialog)
{
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    // Accepted without a file (possible with some platform dialogs) counts as a cancel.
    const QString file = dialog.selectedFiles().value(0);
    if (file.isEmpty())
        return std::nullopt;
    return file;
}

bool WidgetModals::run(QDialog &dialog)
{
    return dialog.exec() == QDialog::Accepted;
}

} // namespace qv2
