#pragma once

#include <QApplication>
#include <QString>

#include <stdexcept>

namespace qv2 {

class Modals;

// An error that ends the command that raised it and reaches the application's general error
// report (for example a missing arrow picture). Nothing else throws across a window.
class AppError : public std::runtime_error {
  public:
    explicit AppError(const QString &text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString &text() const { return m_text; }

  private:
    QString m_text;
};

// Catches AppError at the event boundary and shows it through the modal seam.
class EditorApplication : public QApplication {
  public:
    EditorApplication(int &argc, char **argv) : QApplication(argc, argv) {}
    void setModals(Modals *modals) { m_modals = modals; }
    bool notify(QObject *receiver, QEvent *event) override;

  private:
    Modals *m_modals = nullptr;
};

// Shows an AppError through the modals (used by notify and by code that catches it itself).
void ReportAppError(Modals &modals, const AppError &error);

} // namespace qv2
