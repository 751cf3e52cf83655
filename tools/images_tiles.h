#pragma once

#include <QImage>

#include <span>

namespace qv2::art {

// How one tile kind is drawn. Kinds whose picture follows an attribute field (the back lists' `aff`
// entries) have a selector: one picture per value, plus the plain picture for level types whose
// list names no selector for that kind.
struct TileArt {
    int kind;
    int selectorWidth; // bits of the selector the back lists give this kind; 0 = none
    int plainSelector; // what the plain picture shows
    void (*draw)(QPainter &p, int selector);
    bool mirror; // drawn as its left/right twin, then mirrored
};

// The 45 tile kinds 00..2C, in kind order.
std::span<const TileArt> tileArts();

// The picture of a tile kind with the given selector value.
QImage drawTile(const TileArt &art, int selector);

} // namespace qv2::art
