#pragma once

#include <QString>
#include <QStringList>

class QFileDialog;
class QWidget;

namespace qv2 {

// One of the main window's file dialogs, which both pick an existing archive. The dialog is made
// the first time it is shown or looked at, with everything set on it so far: a QFileDialog is
// costly to make (the style's icons, a folder model that starts scanning the selected file's folder
// in threads) and writes Qt's settings when it goes, and a start with an archive named on the
// command line may never need it.
class ArchiveDialog {
  public:
    ArchiveDialog(QWidget &parent, const char *objectName, const char *title);

    void setWindowTitle(const QString &title);
    void setNameFilters(const QStringList &filters);
    void selectFile(const QString &path);

    QFileDialog &dialog();

  private:
    QWidget &m_parent;
    QString m_objectName;
    QString m_title;
    QStringList m_filters;
    QString m_selected;
    QFileDialog *m_dialog = nullptr; // owned by the parent once made
};

} // namespace qv2
