#include "view/room_tools.h"

#include "level/level_layout.h"
#include "ui/edit_history.h"
#include "view/paint_box.h"
#include "view/room_painter.h"
#include "view/tile_editing.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

namespace qv2 {

namespace {

// A press acts on what the fields hold: the focused field stores its pending value first.
void StoreFocusedField() {
    if (QWidget *focused = QApplication::focusWidget())
        focused->clearFocus();
}

TileArea Span(int room, GridTile a, GridTile b) {
    return {room, std::min(a.row, b.row), std::min(a.column, b.column), std::max(a.row, b.row),
            std::max(a.column, b.column)};
}

} // namespace

std::optional<GridTile> TileUnder(QPoint point) {
    const int x = point.x() - kGridLeft;
    const int y = point.y() - kGridTop;
    if (x < 0 || y < 0 || x >= kTileWidth * kColumns || y >= kTileHeight * kRows)
        return std::nullopt;
    return GridTile{y / kTileHeight, x / kTileWidth};
}

std::vector<GridTile> TilesAlong(GridTile from, GridTile to) {
    // Bresenham's line over the tiles.
    std::vector<GridTile> tiles;
    const int dx = std::abs(to.column - from.column);
    const int dy = -std::abs(to.row - from.row);
    const int stepX = from.column < to.column ? 1 : -1;
    const int stepY = from.row < to.row ? 1 : -1;
    int error = dx + dy;
    GridTile at = from;
    while (true) {
        tiles.push_back(at);
        if (at == to)
            return tiles;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            at.column += stepX;
        }
        if (twice <= dx) {
            error += dx;
            at.row += stepY;
        }
    }
}

void pickTile(ToolTarget &target, QPoint point) {
    EditorState &state = target.state;
    const std::optional<GridTile> tile = TileUnder(point);
    if (!state.levelOpen || !tile)
        return;
    StoreFocusedField();
    target.brush = ReadTile(state.level, state.room, tile->row, tile->column);
    state.row = tile->row;
    state.column = tile->column;
    state.area.reset();
    target.services.refreshRoom();
}

void selectArea(ToolTarget &target, GridTile corner, GridTile other) {
    EditorState &state = target.state;
    const TileArea area = Span(state.room, corner, other);
    if (state.area == area && state.row == corner.row && state.column == corner.column)
        return;
    state.area = area;
    state.row = corner.row;
    state.column = corner.column;
    target.services.refreshRoom();
}

void fillArea(ToolTarget &target) {
    EditorState &state = target.state;
    const std::optional<TileArea> area = state.shownArea();
    if (!state.levelOpen || !area)
        return;
    RecordEdit(target.services, QStringLiteral("toolfillarea"), [&] {
        FillTiles(state.level, *area, target.brush);
        target.services.refreshRoom();
    });
}

void SelectTool::press(QPoint point, Qt::KeyboardModifiers modifiers) {
    EditorState &state = m_target.state;
    const std::optional<GridTile> tile = TileUnder(point);
    if (!(modifiers & Qt::ShiftModifier) || !tile || !state.levelOpen) {
        state.area.reset();
        selectTileAt(state, m_target.services, point);
        return;
    }
    // Shift and a click: from the selected tile to this one. Shift and a drag: from this tile to
    // where the drag goes, decided at the first move onto another tile.
    StoreFocusedField();
    m_pressed = tile;
    m_dragged = false;
    selectArea(m_target, {state.row, state.column}, *tile);
}

void SelectTool::drag(QPoint point) {
    const std::optional<GridTile> tile = TileUnder(point);
    if (!m_pressed || !tile || (!m_dragged && *tile == *m_pressed))
        return;
    m_dragged = true;
    selectArea(m_target, *m_pressed, *tile);
}

std::optional<GridTile> RoomTool::tileToEdit(QPoint point) {
    const std::optional<GridTile> tile = TileUnder(point);
    if (!tile || !m_target.state.levelOpen) {
        // The neighbour arrows lead on as with the select tool.
        selectTileAt(m_target.state, m_target.services, point);
        return std::nullopt;
    }
    StoreFocusedField();
    return tile;
}

void PaintTool::press(QPoint point, Qt::KeyboardModifiers) {
    const std::optional<GridTile> tile = tileToEdit(point);
    if (!tile)
        return;
    if (m_target.services.history)
        m_target.services.history->begin();
    m_last = tile;
    paint(*tile);
}

void PaintTool::drag(QPoint point) {
    const std::optional<GridTile> tile = TileUnder(point);
    if (!m_last || !tile || *tile == *m_last)
        return;
    // Every tile between the last two pointer positions: a fast move skips tiles otherwise.
    for (const GridTile &crossed : TilesAlong(*m_last, *tile))
        paint(crossed);
    m_last = tile;
}

void PaintTool::release() {
    if (!m_last)
        return;
    m_last.reset();
    if (m_target.services.history)
        m_target.services.history->end(QStringLiteral("toolpaint"));
    // The toolbar and the panel show the selected tile, which the stroke may have crossed.
    m_target.services.refreshRoom();
}

void PaintTool::paint(GridTile tile) {
    EditorState &state = m_target.state;
    if (ReadTile(state.level, state.room, tile.row, tile.column) == m_target.brush)
        return;
    WriteTile(state.level, state.room, tile.row, tile.column, m_target.brush);
    m_target.redrawTile(tile);
}

void FillTool::press(QPoint point, Qt::KeyboardModifiers) {
    const std::optional<GridTile> tile = tileToEdit(point);
    if (!tile)
        return;
    EditorState &state = m_target.state;
    RecordEdit(m_target.services, QStringLiteral("toolfill"), [&] {
        FloodFill(state.level, state.room, tile->row, tile->column, m_target.brush);
        m_target.services.refreshRoom();
    });
}

RoomToolbox::RoomToolbox(PaintBox &view, EditorState &state, Services &services,
                         std::function<void(GridTile)> redrawTile)
    : QObject(&view), m_view(view), m_target{state, services, m_brush, std::move(redrawTile)},
      m_select(m_target), m_paint(m_target), m_fill(m_target) {
    view.installEventFilter(this);
}

RoomToolbox::~RoomToolbox() = default;

void RoomToolbox::setBrush(const Tile &brush) {
    m_brush = brush;
    emit brushChanged(m_brush);
}

RoomTool &RoomToolbox::current() {
    switch (m_kind) {
    case ToolKind::Paint:
        return m_paint;
    case ToolKind::Fill:
        return m_fill;
    case ToolKind::Select:
        break;
    }
    return m_select;
}

bool RoomToolbox::eventFilter(QObject *, QEvent *event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint point = m_view.pictureAt(mouse->position());
        if (mouse->button() == Qt::RightButton ||
            (mouse->button() == Qt::LeftButton && (mouse->modifiers() & Qt::AltModifier))) {
            pickTile(m_target, point);
            emit brushChanged(m_brush);
        } else if (!m_pressedTool) {
            m_pressedTool = &current();
            m_pressedTool->press(point, mouse->modifiers());
        }
        break;
    }
    case QEvent::MouseMove:
        if (m_pressedTool)
            m_pressedTool->drag(m_view.pictureAt(static_cast<QMouseEvent *>(event)->position()));
        break;
    case QEvent::MouseButtonRelease:
        if (m_pressedTool && !(static_cast<QMouseEvent *>(event)->buttons() & Qt::LeftButton)) {
            RoomTool *tool = std::exchange(m_pressedTool, nullptr);
            tool->release();
        }
        break;
    default:
        break;
    }
    // The view goes on to take the focus for its keys.
    return false;
}

} // namespace qv2
