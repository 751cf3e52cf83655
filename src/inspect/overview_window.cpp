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

    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setObjectName(QStringLiteral("ScrollBox1"));
    m_map = new QLabel;
    m_map->setObjectName(QStringLiteral("PaintBox1"));
    m_map->setFixedSize(kOverviewCells * kOverviewCellWidth, kOverviewCells * kOverviewCellHeight);
    m_map->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_scrollArea->setWidget(m_map);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scrollArea);
    resize(402, 307);
}

void OverviewWindow::applyTexts(const LanguageFile &language) {
    setWindowTitle(language.text(QStringLiteral("all"), QStringLiteral("title")));
}

void OverviewWindow::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    // The map grows from the start room in the middle of the picture, so that part shows first.
    const QWidget *viewport = m_scrollArea->viewport();
    m_scrollArea->ensureVisible(kOverviewCentre * kOverviewCellWidth + kOverviewCellWidth / 2,
                                kOverviewCentre * kOverviewCellHeight + kOverviewCellHeight / 2,
                                viewport->width() / 2, viewport->height() / 2);
}

void OverviewWindow::showPicture(const QImage &picture, Modals &modals) {
    m_map->setPixmap(QPixmap::fromImage(picture));
    // The arrow keys scroll the map straight away.
    m_scrollArea->setFocus();
    modals.run(*this);
    m_map->clear();
}

void showLevelOverview(EditorState &state, Services &services, OverviewWindow &window) {
    if (!state.levelOpen)
        return;
    window.showPicture(DrawOverview(BuildOverviewMap(state.level)), services.modals);
}

} // namespace qv2
