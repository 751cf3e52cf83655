#include "inspect/overview_window.h"

#include "inspect/overview_map.h"
#include "inspect/overview_picture.h"
#include "ui/modals.h"

#include <QLabel>
#include <QMouseEvent>
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
    m_map->installEventFilter(this);

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

void OverviewWindow::showMap(const OverviewMap &map, int room,
                             const std::function<int(int)> &choose, Modals &modals) {
    m_rooms = map;
    m_choose = choose;
    drawMap(room);
    // The arrow keys scroll the map straight away.
    m_scrollArea->setFocus();
    modals.run(*this);
    m_map->clear();
    m_choose = nullptr;
}

void OverviewWindow::drawMap(int room) {
    QImage picture = DrawOverview(m_rooms);
    FrameRoom(picture, m_rooms, room);
    m_map->setPixmap(QPixmap::fromImage(picture));
}

bool OverviewWindow::eventFilter(QObject *, QEvent *event) {
    if (event->type() != QEvent::MouseButtonPress || !m_choose)
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (const std::optional<int> room = RoomAtPixel(m_rooms, mouse->position().toPoint()))
        drawMap(m_choose(*room));
    return true;
}

void showLevelOverview(EditorState &state, Services &services, OverviewWindow &window) {
    if (!state.levelOpen)
        return;
    window.showMap(
        BuildOverviewMap(state.level), state.room,
        [&](int room) {
            state.room = room;
            services.refreshRoom();
            return state.room;
        },
        services.modals);
}

} // namespace qv2
