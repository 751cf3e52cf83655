#pragma once

#include "level/level_store.h"
#include "text/ini_file.h"
#include "ui/editor_state.h"

#include <QImage>
#include <QString>

#include <functional>
#include <optional>
#include <stdexcept>

// Composing the room picture: 608 x 488 pixels, of which the room view shows the top 328 lines.
// Tiles and arrows are drawn opaque; markers are transparent where they have the colour of their
// lower-left pixel. Every level byte is read through the bounds-checked level store.
namespace qv2 {

inline constexpr int kRoomPictureWidth = 608;
inline constexpr int kRoomPictureHeight = 488;
inline constexpr int kRoomViewHeight = 328;
// The tile grid inside the picture.
inline constexpr int kGridLeft = 144;
inline constexpr int kGridTop = 64;
inline constexpr int kTileWidth = 32;
inline constexpr int kTileHeight = 64;

// Loads a picture by its name (no folder, no ".bmp"); nothing when it cannot be loaded.
using PictureLoader = std::function<std::optional<QImage>(const QString &name)>;

// Loads imagesDir + name + ".bmp" anew at every call: the pictures are files the user may change
// while the editor runs, and there is no cache by design.
PictureLoader PicturesFromFolder(const QString &imagesDir);

struct RoomSelection {
    int room;
    int row;
    int column;
    std::optional<TileArea> area = std::nullopt; // drawn when it lies in the room
};

// An arrow or the restart picture could not be loaded; the room cannot be drawn without it.
class MissingPicture : public std::runtime_error {
  public:
    explicit MissingPicture(const QString &name)
        : std::runtime_error("missing picture " + name.toStdString()), m_name(name) {}
    // The picture's name, without folder and ".bmp".
    const QString &name() const { return m_name; }

  private:
    QString m_name;
};

// Resizes the picture to 608 x 488 and draws the room's 30 tiles (a black box with the picture's
// name for a tile picture that cannot be loaded), the blue tile frames and the red selection frame.
void PaintRoomTiles(QImage &picture, const LevelStore &level, const RoomSelection &selection,
                    const IniFile &background, const PictureLoader &loadPicture);

// Draws the neighbour arrows with the neighbours' numbers, then the start marker, the enemies with
// their red lines, the coming guards and the restart points. Throws MissingPicture for an arrow or
// the restart picture; a missing start, enemy or coming-guard picture skips that marker.
void PaintRoomMarkers(QImage &picture, const LevelStore &level, int room,
                      const PictureLoader &loadPicture);

// Draws the one tile at (row, column) again, with everything that the two above draw over it,
// after the level changed there: what a stroke of the brush redraws per tile.
void PaintRoomTile(QImage &picture, const LevelStore &level, const RoomSelection &selection,
                   const IniFile &background, const PictureLoader &loadPicture, int row,
                   int column);

// Both of the above into a new picture.
QImage ComposeRoom(const LevelStore &level, const RoomSelection &selection,
                   const IniFile &background, const PictureLoader &loadPicture);

} // namespace qv2
