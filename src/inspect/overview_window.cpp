#include "inspect/overview_window.h"

#include "inspect/overview_map.h"
#include "inspect/overview_picture.h"
#include "ui/modals.h"

#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QVBoxLayout>

namespace qv2 {

OverviewWindow::OverviewWindow(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TForm5"));
    setWindowTitle(QStringLiteral("A szint egyben"));
    setSizeGripEnabled(true);

    m_scrollBox = new QScrollArea(this);
    m_scrollBox->setObjectName(QStringLiteral("ScrollBox1"));
    m_paintBox = new QLabel;
    m_paintBox->setObjectName(QStringLiteral("PaintBox1"));
    m_paintBox->setFixedSize(kOverviewCells * kOverviewCellWidth,
                             kOverviewCells * kOverviewCellHeight);
    m_paintBox->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_scrollBox->setWidget(m_paintBox);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scrollBox);
    resize(402, 307);
}

void OverviewWindow::applyTexts(const LanguageFile &language) {
    setWindowTitle(language.text(QStringLiteral("all"), QStringLiteral("title")));
}

void OverviewWindow::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    // The map grows from the start room in the middle of the picture, so that part shows first.
    const QWidget *viewport = m_scrollBox->viewport();
    m_scrollBox->ensureVisible(kOverviewCentre * kOverviewCellWidth + kOverviewCellWidth / 2,
                               kOverviewCentre * kOverviewCellHeight + kOverviewCellHeight / 2,
                               viewport->width() / 2, viewport->height() / 2);
}

void OverviewWindow::showPicture(const QImage &picture, Modals &modals) {
    m_paintBox->setPixmap(QPixmap::fromImage(picture));
    // The arrow keys scroll the map straight away.
    m_scrollBox->setFocus();
    modals.run(*this);
    m_paintBox->clear();
}

void showLevelOverview(EditorState &state, Services &services, OverviewWindow &window) {
    if (!state.levelOpen)
        return;
    window.showPicture(DrawOverview(BuildOverviewMap(state.level)), services.modals);
}

} // namespace qv2
