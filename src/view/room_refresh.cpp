#include "view/room_refresh.h"

#include "level/level_layout.h"
#include "ui/app_error.h"
#include "view/paint_box.h"
#include "view/program_folder.h"
#include "view/property_panel.h"
#include "view/room_painter.h"
#include "view/tile_picture_name.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStatusBar>

namespace qv2 {

void UpdateRoomWidgets(EditorState &state, RoomWidgets &widgets) {
    if (!state.levelOpen)
        return;
    const QString imagesDir = ImagesFolder(state.programDir);
    const PictureLoader loadPicture = PicturesFromFolder(imagesDir);
    const RoomSelection selection{state.room, state.row, state.column, state.shownArea()};

    // The view shows the picture from here on, so a refresh cut short by a missing picture leaves
    // the partly drawn room on screen at the next repaint.
    widgets.view.setShownSize(QSize(kRoomPictureWidth, kRoomViewHeight));
    PaintRoomTiles(widgets.picture, state.level, selection, state.background, loadPicture);
    widgets.view.setPicture(&widgets.picture);

    widgets.tileKinds.setCurrentIndex(
        state.level.byte(TileKindAt(state.room, state.row, state.column)));
    const auto attributes = TileAttributes(state.level, state.room, state.row, state.column);
    for (int k = 0; k < 4; ++k)
        widgets.attributeFields[k]->setText(QString::number(attributes[k]));

    try {
        PaintRoomMarkers(widgets.picture, state.level, state.room, loadPicture);
    } catch (const MissingPicture &missing) {
        throw AppError(FormatMessage(state.texts.text(QStringLiteral("nopicture")),
                                     imagesDir + missing.name() + QStringLiteral(".bmp")));
    }

    widgets.statusBar.showMessage(
        FormatMessage(state.texts.text(QStringLiteral("status")), state.room, state.tilePlace()));
    widgets.view.update();
    widgets.panel.RebuildPropertyPanel();
}

} // namespace qv2
