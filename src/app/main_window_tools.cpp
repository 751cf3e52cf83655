#include "app/editor_docks.h"
#include "app/main_window.h"
#include "app/tool_actions.h"
#include "level/level_layout.h"
#include "ui/exit_line_edit.h"
#include "view/paint_box.h"
#include "view/program_folder.h"
#include "view/room_painter.h"
#include "view/room_tools.h"
#include "view/selection_commands.h"
#include "view/tile_palette.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

// The main window's tools, brush and docks: what the room view's mouse and the palette change.
namespace qv2 {

void MainWindow::brushFromSelectedTile() {
    if (m_state.levelOpen)
        m_tools->setBrush(ReadTile(m_state.level, m_state.room, m_state.row, m_state.column));
}

void MainWindow::redrawTile(GridTile tile) {
    const RoomSelection selection{m_state.room, m_state.row, m_state.column, m_state.shownArea()};
    PaintRoomTile(m_roomPicture, m_state.level, selection, m_state.background,
                  PicturesFromFolder(ImagesFolder(m_state.programDir)), tile.row, tile.column);
    m_roomView->updatePicture(QRect(kGridLeft + kTileWidth * tile.column,
                                    kGridTop + kTileHeight * tile.row, kTileWidth, kTileHeight));
}

void MainWindow::createDocks() {
    m_toolsMenu = new QMenu(QStringLiteral("Eszközök"), this);
    m_toolsMenu->setObjectName(QStringLiteral("ToolsMenu"));
    menuBar()->insertMenu(m_languageMenu->menuAction(), m_toolsMenu);
    m_toolActions = new ToolActions(*this, *m_tools, *m_roomView, *m_toolsMenu, *m_toolBar);
    m_docks =
        std::make_unique<EditorDocks>(*this, *m_viewMenu, m_state, m_services, m_history.stack(),
                                      [this](const QString &key) { return stepName(key); });
    TilePalette &palette = m_docks->palette();
    connect(&palette, &TilePalette::kindChosen, this, [this](int kind) {
        Tile brush = m_tools->brush();
        brush.kind = static_cast<std::uint8_t>(kind);
        brush.attributes = toolbarAttributes();
        m_tools->setBrush(brush);
    });
    connect(m_tools, &RoomToolbox::brushChanged, &palette, &TilePalette::showBrush);
}

std::array<std::uint8_t, 4> MainWindow::toolbarAttributes() const {
    // What the fields show, typed or stored; a text that is no byte gives the stored value.
    std::array<std::uint8_t, 4> attributes{};
    for (int k = 0; k < 4; ++k) {
        bool ok = false;
        const uint value = m_attributeEdits[static_cast<std::size_t>(k)]->text().toUInt(&ok, 10);
        attributes[static_cast<std::size_t>(k)] =
            ok && value <= 255 ? static_cast<std::uint8_t>(value)
            : m_state.levelOpen
                ? m_state.level.byte(TileAttributeAt(m_state.room, m_state.row, m_state.column, k))
                : 0;
    }
    return attributes;
}

void MainWindow::updateSelectionCaptions() {
    if (m_captions.empty())
        return;
    action(Action::CopyRoom)->setText(m_captions[CopyCaptionKey(m_state)]);
    action(Action::PasteRoom)->setText(m_captions[PasteCaptionKey()]);
    action(Action::DeleteRoom)->setText(m_captions[DeleteCaptionKey(m_state)]);
}

} // namespace qv2
