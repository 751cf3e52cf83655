#include "app/archive_dialog.h"

#include <QFileDialog>

namespace qv2 {

ArchiveDialog::ArchiveDialog(QWidget &parent, const char *objectName, const char *title)
    : m_parent(parent), m_objectName(QString::fromLatin1(objectName)),
      m_title(QString::fromUtf8(title)) {}

void ArchiveDialog::setWindowTitle(const QString &title) {
    m_title = title;
    if (m_dialog)
        m_dialog->setWindowTitle(title);
}

void ArchiveDialog::setNameFilters(const QStringList &filters) {
    m_filters = filters;
    if (m_dialog)
        m_dialog->setNameFilters(filters);
}

void ArchiveDialog::selectFile(const QString &path) {
    m_selected = path;
    if (m_dialog)
        m_dialog->selectFile(path);
}

QFileDialog &ArchiveDialog::dialog() {
    if (!m_dialog) {
        // Save patches a slot of an archive that must exist, so both dialogs pick existing files.
        m_dialog = new QFileDialog(&m_parent, m_title);
        m_dialog->setObjectName(m_objectName);
        m_dialog->setFileMode(QFileDialog::ExistingFile);
        m_dialog->setAcceptMode(QFileDialog::AcceptOpen);
        m_dialog->setNameFilters(m_filters);
        if (!m_selected.isEmpty())
            m_dialog->selectFile(m_selected);
    }
    return *m_dialog;
}

} // namespace qv2
