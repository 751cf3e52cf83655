#pragma once

// Inputs for the room view tests: an empty full-size level, small pictures and texts made here.
#include "level/level_layout.h"
#include "level/level_store.h"
#include "text/ini_file.h"
#include "text/message_texts.h"
#include "view/room_painter.h"

#include <QColor>
#include <QImage>
#include <QStringList>

#include <map>

namespace viewtest {

inline qv2::LevelStore EmptyLevel() {
    return qv2::LevelStore(qv2::Bytes(qv2::kFullLevelSize, 0));
}

// A full-size level in which no byte is zero and no two neighbouring bytes are equal, so any byte
// a command touches shows.
inline qv2::Bytes FilledLevelBytes() {
    qv2::Bytes bytes(qv2::kFullLevelSize);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i % 251 + 1);
    return bytes;
}

inline const QColor kKey(255, 0, 255);

// A 32 x 64 picture of one colour, optionally with another lower-left pixel.
inline QImage Solid(const QColor &body, const QColor &lowerLeft = QColor()) {
    QImage image(32, 64, QImage::Format_RGB32);
    image.fill(body);
    if (lowerLeft.isValid())
        image.setPixelColor(0, 63, lowerLeft);
    return image;
}

// A marker: the key colour with a block of the body colour at (8, 16)-(23, 47).
inline QImage Figure(const QColor &body) {
    QImage image = Solid(kKey);
    for (int y = 16; y < 48; ++y) {
        for (int x = 8; x < 24; ++x)
            image.setPixelColor(x, y, body);
    }
    return image;
}

using PictureMap = std::map<QString, QImage>;

inline qv2::PictureLoader FromMap(PictureMap pictures) {
    return [pictures = std::move(pictures)](const QString &name) -> std::optional<QImage> {
        const auto found = pictures.find(name);
        if (found == pictures.end())
            return std::nullopt;
        return found->second;
    };
}

// The four arrows, opaque yellow.
inline PictureMap Arrows() {
    return {{"left", Solid(Qt::yellow)},
            {"right", Solid(Qt::yellow)},
            {"up", Solid(Qt::yellow)},
            {"down", Solid(Qt::yellow)}};
}

inline qv2::MessageTexts Texts(const QStringList &lines) {
    qv2::MessageTexts texts;
    texts.setLines(lines);
    return texts;
}

inline qv2::IniFile Ini(const QStringList &lines) {
    return qv2::IniFile::fromText(lines.join('\n'));
}

// Counts the pixels of a colour inside a rectangle.
inline int CountColour(const QImage &image, const QRect &area, const QColor &colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixelColor(x, y) == colour ? 1 : 0;
    }
    return count;
}

} // namespace viewtest
