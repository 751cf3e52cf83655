#include "view/tile_clipboard.h"

#include "level/level_layout.h"

#include <QRegularExpression>
#include <QStringList>

namespace qv2 {

namespace {

const QString kTilesHeader = QStringLiteral("Qasvar 2 tiles, %1 x %2");
const QString kRoomHeader = QStringLiteral("Qasvar 2 room");
const QString kEnemies = QStringLiteral("enemies:");
const QString kComingGuards = QStringLiteral("coming guards:");
// The bytes of a room copy after its tiles: the enemy block, then the coming-guard block.
constexpr int kEnemyBytes = kEnemyBlockSize;
constexpr int kComingGuardBytes = kComingGuardBlockSize;

QString HexBytes(const std::uint8_t *bytes, int count) {
    QStringList hex;
    for (int i = 0; i < count; ++i)
        hex.append(QStringLiteral("%1").arg(bytes[i], 2, 16, QLatin1Char('0')).toUpper());
    return hex.join(QLatin1Char(' '));
}

QString TileLine(const Tile &tile) {
    const std::uint8_t bytes[5] = {tile.kind, tile.attributes[0], tile.attributes[1],
                                   tile.attributes[2], tile.attributes[3]};
    return HexBytes(bytes, 5);
}

// Exactly `count` two-digit hexadecimal bytes separated by blanks.
std::optional<Bytes> ReadHexBytes(const QString &line, int count) {
    const QStringList items = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (items.size() != count)
        return std::nullopt;
    Bytes bytes;
    for (const QString &item : items) {
        bool ok = false;
        const uint value = item.toUInt(&ok, 16);
        if (!ok || item.size() != 2)
            return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(value));
    }
    return bytes;
}

std::optional<Tile> ReadTileLine(const QString &line) {
    const std::optional<Bytes> bytes = ReadHexBytes(line, 5);
    if (!bytes)
        return std::nullopt;
    return Tile{(*bytes)[0], {(*bytes)[1], (*bytes)[2], (*bytes)[3], (*bytes)[4]}};
}

std::optional<std::vector<Tile>> ReadTileLines(const QStringList &lines, int first, int count) {
    if (lines.size() < first + count)
        return std::nullopt;
    std::vector<Tile> tiles;
    for (int i = first; i < first + count; ++i) {
        const std::optional<Tile> tile = ReadTileLine(lines[i]);
        if (!tile)
            return std::nullopt;
        tiles.push_back(*tile);
    }
    return tiles;
}

std::optional<Bytes> ReadLabelledBytes(const QString &line, const QString &label, int count) {
    if (!line.startsWith(label))
        return std::nullopt;
    return ReadHexBytes(line.mid(label.size()), count);
}

ClipboardContent ReadTiles(const QStringList &lines) {
    static const QRegularExpression header(QStringLiteral("^Qasvar 2 tiles, (\\d+) x (\\d+)$"));
    const QRegularExpressionMatch match = header.match(lines[0]);
    if (!match.hasMatch())
        return std::monostate();
    const int rows = match.captured(1).toInt();
    const int columns = match.captured(2).toInt();
    if (rows < 1 || rows > kRows || columns < 1 || columns > kColumns ||
        lines.size() != 1 + rows * columns)
        return std::monostate();
    std::optional<std::vector<Tile>> tiles = ReadTileLines(lines, 1, rows * columns);
    if (!tiles)
        return std::monostate();
    return TileBlock{rows, columns, std::move(*tiles)};
}

ClipboardContent ReadRoom(const QStringList &lines) {
    if (lines.size() != 1 + kTilesPerRoom + 2)
        return std::monostate();
    const std::optional<std::vector<Tile>> tiles = ReadTileLines(lines, 1, kTilesPerRoom);
    const std::optional<Bytes> enemies =
        ReadLabelledBytes(lines[1 + kTilesPerRoom], kEnemies, kEnemyBytes);
    const std::optional<Bytes> comingGuards =
        ReadLabelledBytes(lines[2 + kTilesPerRoom], kComingGuards, kComingGuardBytes);
    if (!tiles || !enemies || !comingGuards)
        return std::monostate();
    RoomCopy room;
    for (const Tile &tile : *tiles)
        room.bytes.push_back(tile.kind);
    for (const Tile &tile : *tiles)
        room.bytes.insert(room.bytes.end(), tile.attributes.begin(), tile.attributes.end());
    room.bytes.insert(room.bytes.end(), enemies->begin(), enemies->end());
    room.bytes.insert(room.bytes.end(), comingGuards->begin(), comingGuards->end());
    return room;
}

} // namespace

QString TilesToText(const TileBlock &block) {
    QStringList lines{kTilesHeader.arg(block.rows).arg(block.columns)};
    for (const Tile &tile : block.tiles)
        lines.append(TileLine(tile));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString RoomToText(const RoomCopy &room) {
    constexpr std::size_t kAttributes = kTilesPerRoom;
    constexpr std::size_t kEnemyBlock = kAttributes + 4 * kTilesPerRoom;
    constexpr std::size_t kComingGuardBlock = kEnemyBlock + kEnemyBytes;
    if (room.bytes.size() != kComingGuardBlock + kComingGuardBytes)
        return QString();
    QStringList lines{kRoomHeader};
    for (std::size_t i = 0; i < kTilesPerRoom; ++i) {
        const std::uint8_t *attributes = room.bytes.data() + kAttributes + 4 * i;
        lines.append(TileLine(
            {room.bytes[i], {attributes[0], attributes[1], attributes[2], attributes[3]}}));
    }
    lines.append(kEnemies + QLatin1Char(' ') +
                 HexBytes(room.bytes.data() + kEnemyBlock, kEnemyBytes));
    lines.append(kComingGuards + QLatin1Char(' ') +
                 HexBytes(room.bytes.data() + kComingGuardBlock, kComingGuardBytes));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

ClipboardContent ReadClipboardText(const QString &text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines)
        line = line.trimmed();
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.isEmpty())
        return std::monostate();
    if (lines[0] == kRoomHeader)
        return ReadRoom(lines);
    return ReadTiles(lines);
}

} // namespace qv2
