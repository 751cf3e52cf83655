// What the main window tells a user who does not know it yet: what the toolbar's fields hold, a
// field's tip in the status line, and what to open while no level is open.
#include "app/command_line.h"
#include "app/main_window.h"
#include "app/start_hint.h"
#include "app/user_settings.h"
#include "ui/exit_line_edit.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QStatusBar>
#include <QStatusTipEvent>

#include <algorithm>

namespace qv2 {

// A new user sees four bare numbers: the tooltip, status line and screen reader say what each is.
void MainWindow::describeToolBarFields(const LanguageFile &language) {
    const QString main = QStringLiteral("main");
    const auto describe = [](QWidget &field, const QString &name, const QString &tip) {
        field.setAccessibleName(name);
        field.setToolTip(tip);
        field.setStatusTip(tip);
    };
    describe(*m_tileKinds, language.text(main, QStringLiteral("namekind")),
             FormatMessage(language.text(main, QStringLiteral("tipkind")),
                           std::max(m_tileKinds->count() - 1, 0)));
    for (int k = 0; k < 4; ++k)
        describe(*m_attributeEdits[static_cast<std::size_t>(k)],
                 FormatMessage(language.text(main, QStringLiteral("nameattribute")), k + 1),
                 FormatMessage(language.text(main, QStringLiteral("tipattribute")), k + 1));
}

bool MainWindow::event(QEvent *event) {
    if (event->type() == QEvent::StatusTip) {
        // A field's tip stands in the status line while the pointer is over it; then the line the
        // refresh wrote comes back, unless a refresh meanwhile wrote a newer one. Menu entries
        // have no tips, and hovering them must not wipe the line.
        const QString tip = static_cast<QStatusTipEvent *>(event)->tip();
        QStatusBar &line = *statusBar();
        if (!tip.isEmpty()) {
            if (!m_shownTip)
                m_lineUnderTip = line.currentMessage();
            m_shownTip = tip;
            line.showMessage(tip);
        } else if (m_shownTip) {
            if (line.currentMessage() == *m_shownTip)
                line.showMessage(m_lineUnderTip);
            m_shownTip.reset();
        }
        return true;
    }
    return QMainWindow::event(event);
}

void MainWindow::updateStartHint() {
    if (m_state.levelOpen || m_levelComing) {
        m_startHint->hide();
        return;
    }
    const QString sample = m_state.programDir + QStringLiteral("qasvar.dat");
    m_startHint->showHint(m_state.texts,
                          action(Action::Open)->shortcut().toString(QKeySequence::NativeText),
                          UserSettings().recentLevels(), QFileInfo(sample).isFile());
}

void MainWindow::openSample() {
    if (mayDiscardLevel())
        openArchive(m_state.programDir + QStringLiteral("qasvar.dat"), kFirstLevel);
}

} // namespace qv2
