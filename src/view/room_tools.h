#pragma once

#include "ui/editor_state.h"
#include "view/tile_block.h"

#include <QObject>
#include <QPoint>

#include <functional>
#include <memory>
#include <optional>

// The tools that act on the room view with the mouse. The view only routes its presses, drags
// and releases to the current tool; a right click (or Alt with a click) is the eyedropper with
// any tool.
namespace qv2 {

class PaintBox;

// A tile of the room grid, by row and column.
struct GridTile {
    int row;
    int column;
    bool operator==(const GridTile &) const = default;
};

// The tile under a point of the room picture; nothing outside the grid.
std::optional<GridTile> TileUnder(QPoint point);

// The tiles a straight move of the pointer from `from` to `to` crosses, both included, each one
// next to the one before (through a side or a corner).
std::vector<GridTile> TilesAlong(GridTile from, GridTile to);

// What the tools work on besides the state: the brush, and a way to draw one tile again without
// the whole room.
struct ToolTarget {
    EditorState &state;
    Services &services;
    Tile &brush;
    std::function<void(GridTile)> redrawTile;
};

// The brush takes the tile under the point, which becomes the selected one.
void pickTile(ToolTarget &target, QPoint point);
// Shift with the select tool: the rectangle from the selected tile to the one under the point.
void selectArea(ToolTarget &target, GridTile corner, GridTile other);
// Writes the brush into every tile of the shown rectangle, as one step.
void fillArea(ToolTarget &target);

class RoomTool {
  public:
    explicit RoomTool(ToolTarget &target) : m_target(target) {}
    virtual ~RoomTool() = default;
    virtual void press(QPoint point, Qt::KeyboardModifiers modifiers) = 0;
    virtual void drag(QPoint) {}
    virtual void release() {}

  protected:
    // The grid tile under the point, with the focused field's value stored; elsewhere the press
    // acts as a plain click (the neighbour arrows) and gives nothing.
    std::optional<GridTile> tileToEdit(QPoint point);

    ToolTarget &m_target;
};

// Selects the tile clicked as the plain room view does; with Shift, a rectangle of tiles.
class SelectTool : public RoomTool {
  public:
    using RoomTool::RoomTool;
    void press(QPoint point, Qt::KeyboardModifiers modifiers) override;
    void drag(QPoint point) override;
    void release() override { m_pressed.reset(); }

  private:
    std::optional<GridTile> m_pressed; // where a Shift press began
    bool m_dragged = false;
};

// Writes the brush into every tile the pointer crosses while pressed: one step per stroke.
class PaintTool : public RoomTool {
  public:
    using RoomTool::RoomTool;
    void press(QPoint point, Qt::KeyboardModifiers modifiers) override;
    void drag(QPoint point) override;
    void release() override;

  private:
    void paint(GridTile tile);
    std::optional<GridTile> m_last; // during a stroke
};

// Fills the tiles joined to the one clicked that equal it with the brush.
class FillTool : public RoomTool {
  public:
    using RoomTool::RoomTool;
    void press(QPoint point, Qt::KeyboardModifiers modifiers) override;
};

enum class ToolKind { Select, Paint, Fill };

// Routes the room view's mouse to the current tool and holds the brush.
class RoomToolbox : public QObject {
    Q_OBJECT
  public:
    RoomToolbox(PaintBox &view, EditorState &state, Services &services,
                std::function<void(GridTile)> redrawTile);
    ~RoomToolbox() override;

    void setTool(ToolKind kind) { m_kind = kind; }
    ToolKind tool() const { return m_kind; }
    const Tile &brush() const { return m_brush; }
    void setBrush(const Tile &brush);
    ToolTarget &target() { return m_target; }

  signals:
    void brushChanged(const Tile &brush);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    RoomTool &current();

    PaintBox &m_view;
    Tile m_brush;
    ToolTarget m_target;
    SelectTool m_select;
    PaintTool m_paint;
    FillTool m_fill;
    ToolKind m_kind = ToolKind::Select;
    RoomTool *m_pressedTool = nullptr; // the tool that took the press, until the release
};

} // namespace qv2
