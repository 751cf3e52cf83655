#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

namespace qv2 {

class MessageTexts;

// What the About box says, line by line: the program and its version, the copyright and licence,
// and where the program's folder and the user's settings file are.
QStringList AboutLines(const MessageTexts &texts, const QString &programTitle,
                       const QString &programDir, const QString &settingsFile);

class AboutBox : public QDialog {
    Q_OBJECT
  public:
    AboutBox(QWidget &parent, const MessageTexts &texts, const QStringList &lines);
};

} // namespace qv2
