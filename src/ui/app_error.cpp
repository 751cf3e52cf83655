#include "ui/app_error.h"

#include "ui/widget_modals.h"

namespace qv2 {

void ReportAppError(Modals &modals, const AppError &error) {
    modals.message(error.text());
}

bool EditorApplication::notify(QObject *receiver, QEvent *event) {
    // The event boundary: an error that ends a command is shown here, and no exception may travel
    // on into Qt's event loop, which is not exception safe.
    auto report = [this](const AppError &error) {
        WidgetModals fallback; // before the main window has set the application's own
        ReportAppError(m_modals ? *m_modals : fallback, error);
    };
    try {
        return QApplication::notify(receiver, event);
    } catch (const AppError &error) {
        report(error);
    } catch (const std::exception &error) {
        report(AppError(QString::fromLocal8Bit(error.what())));
    }
    return true;
}

} // namespace qv2
