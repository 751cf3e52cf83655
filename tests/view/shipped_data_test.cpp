// The shipped background lists, language files and generated pictures must fit together: every
// picture a list can make the room view ask for exists, every property entry reads as a bit field
// with a label, and every marker keeps its transparent colour where the view looks for it.
#include "text/comma_text.h"
#include "text/ini_file.h"
#include "view/bit_field.h"
#include "view/tile_picture_name.h"

#include <QFile>
#include <QImage>
#include <QSet>
#include <QString>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace qv2 {
namespace {

constexpr int TileKinds = 0x2D;
const QColor KeyColour(255, 0, 255);

QString sourcePath(const QString &relative) {
    return QStringLiteral(QV2_SOURCE_DIR "/") + relative;
}

QString imagePath(const QString &name) {
    return QString::fromLocal8Bit(qgetenv("QV2_PROGRAM_DIR")) + QStringLiteral("images/") + name +
           QStringLiteral(".bmp");
}

IniFile backList(int levelType) {
    return IniFile::load(sourcePath(QStringLiteral("data/texts/back%1.ini").arg(levelType)));
}

const std::array<QString, 2> &languageFiles() {
    static const std::array<QString, 2> names{QStringLiteral("magyar.ini"),
                                              QStringLiteral("english.ini")};
    return names;
}

IniFile language(const QString &name) {
    return IniFile::load(sourcePath(QStringLiteral("data/texts/") + name));
}

// A message key exists when [texts] has a line for it, even with an empty text.
std::optional<QString> message(const IniFile &language, const QString &key) {
    return FindLineValue(language.sectionLines(QStringLiteral("texts")), key);
}

// The attribute bytes of a tile whose field holds the value and whose other bits are all set, so a
// selector that reads the wrong bits shows up as a wrong name.
std::array<std::uint8_t, 4> attributesWith(const BitField &field, int value) {
    std::array<std::uint8_t, 4> bytes{0xFF, 0xFF, 0xFF, 0xFF};
    bytes[field.byte] = field.store(bytes[field.byte], value);
    return bytes;
}

// The bit count of a 24-bit Windows bitmap sits at offset 28 of the file.
int bitsPerPixel(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray header = file.read(30);
    if (header.size() < 30 || !header.startsWith("BM"))
        return 0;
    return static_cast<std::uint8_t>(header[28]) | static_cast<std::uint8_t>(header[29]) << 8;
}

// Loads a picture that must exist as a 32 x 64, 24-bit bitmap; a missing one gives a null image
// after recording the failure.
QImage expectPicture(const QString &name) {
    const QString path = imagePath(name);
    const QImage picture(path);
    if (picture.isNull()) {
        ADD_FAILURE() << "missing picture " << path.toStdString();
        return picture;
    }
    EXPECT_EQ(picture.size(), QSize(32, 64)) << name.toStdString();
    EXPECT_EQ(bitsPerPixel(path), 24) << name.toStdString();
    return picture;
}

QByteArray pixels(const QImage &picture) {
    return QByteArray(reinterpret_cast<const char *>(picture.constBits()), picture.sizeInBytes());
}

class BackList : public ::testing::TestWithParam<int> {};

INSTANTIATE_TEST_SUITE_P(LevelTypes, BackList, ::testing::Range(1, 7),
                         [](const auto &info) { return "back" + std::to_string(info.param); });

TEST_P(BackList, EveryTileKindAndSelectorValueNamesAPicture) {
    const IniFile list = backList(GetParam());
    ASSERT_FALSE(list.isEmpty());
    for (int kind = 0; kind < TileKinds; ++kind) {
        const QString section = HexByte(static_cast<std::uint8_t>(kind));
        const QString aff = list.value(section, QStringLiteral("aff"));
        SCOPED_TRACE("kind " + section.toStdString() + " aff=" + aff.toStdString());
        if (aff.isEmpty()) {
            expectPicture(TilePictureName(kind, {0, 0, 0, 0}, list));
            continue;
        }
        const std::optional<BitField> field = ParseBitField(aff);
        ASSERT_TRUE(field);
        // Selector pictures of one kind must tell their values apart.
        QSet<QByteArray> looks;
        const int values = static_cast<int>(field->mask()) + 1;
        for (int value = 0; value < values; ++value) {
            const QString name = TilePictureName(kind, attributesWith(*field, value), list);
            EXPECT_EQ(name, section + u'_' + HexByte(static_cast<std::uint8_t>(value)));
            looks.insert(pixels(expectPicture(name)));
        }
        EXPECT_EQ(looks.size(), values);
    }
}

TEST_P(BackList, PropertyEntriesAreBitFieldsWithLabelsInBothLanguages) {
    const IniFile list = backList(GetParam());
    QStringList sections{QStringLiteral("*")};
    for (int kind = 0; kind < TileKinds; ++kind)
        sections << HexByte(static_cast<std::uint8_t>(kind));
    int entries = 0;
    for (const QString &section : sections) {
        const int count = list.value(section, QStringLiteral("n"), QStringLiteral("0")).toInt();
        ASSERT_LE(count, 10) << "the panel has ten rows; section " << section.toStdString();
        for (int j = 1; j <= count; ++j) {
            const QString entry = list.value(section, QString::number(j));
            SCOPED_TRACE(QStringLiteral("[%1] %2=%3").arg(section).arg(j).arg(entry).toStdString());
            const std::optional<BitField> field = ParseBitField(entry);
            ASSERT_TRUE(field);
            const QString description = entry.mid(3);
            const QString label = list.value(description, QStringLiteral("c"));
            const QString control = list.value(description, QStringLiteral("k"));
            ASSERT_FALSE(label.isEmpty());
            ASSERT_TRUE(control == QLatin1String("edit") || control == QLatin1String("list"));
            for (const QString &name : languageFiles()) {
                const IniFile texts = language(name);
                EXPECT_TRUE(message(texts, label))
                    << name.toStdString() << " lacks " << label.toStdString();
                if (control != QLatin1String("list"))
                    continue;
                // Item i stands for value i, so the list holds exactly the field's values.
                const QString itemsKey = list.value(description, QStringLiteral("t"));
                const std::optional<QString> items = message(texts, itemsKey);
                ASSERT_TRUE(items) << name.toStdString() << " lacks " << itemsKey.toStdString();
                EXPECT_EQ(SplitCommaText(*items).size(), static_cast<qsizetype>(field->mask()) + 1)
                    << name.toStdString() << " " << itemsKey.toStdString();
            }
            ++entries;
        }
    }
    EXPECT_GT(entries, 2);
    // Every tile offers its background picture number (byte 2) and flag (byte 3), whole bytes.
    EXPECT_EQ(list.value(QStringLiteral("*"), QStringLiteral("1")).left(3), QLatin1String("208"));
    EXPECT_EQ(list.value(QStringLiteral("*"), QStringLiteral("2")).left(3), QLatin1String("308"));
}

TEST_P(BackList, EveryNamedBackgroundPictureHasASize) {
    const IniFile list = backList(GetParam());
    const QString namesKey = list.value(QStringLiteral("bg"), QStringLiteral("c"));
    EXPECT_EQ(namesKey, QStringLiteral("bgnames%1").arg(GetParam()));
    for (const QString &name : languageFiles()) {
        const std::optional<QString> names = message(language(name), namesKey);
        ASSERT_TRUE(names) << name.toStdString() << " lacks " << namesKey.toStdString();
        const QStringList items = SplitCommaText(*names);
        EXPECT_GE(items.size(), 8) << name.toStdString();
        // A picture without a size reads as "0,0" and the background editor draws no outline.
        for (int picture = 0; picture < items.size(); ++picture) {
            const QString size = list.value(QStringLiteral("bg"), QString::number(picture));
            SCOPED_TRACE(name.toStdString() + " picture " + std::to_string(picture) + " size " +
                         size.toStdString());
            ASSERT_EQ(size.size(), 3);
            EXPECT_EQ(size[1], u',');
            for (const QChar digit : {size[0], size[2]})
                EXPECT_TRUE(digit >= u'1' && digit <= u'9');
        }
        EXPECT_TRUE(list.value(QStringLiteral("bg"), QString::number(items.size())).isEmpty())
            << "a size for a picture without a name";
    }
}

// A panel row whose field picks the tile's picture in one level type picks it in every type that
// offers the row: choosing "Out" for a torch must show in the room wherever it can be chosen.
TEST(BackLists, AFieldThatPicksAPictureInOneTypeDoesSoInAll) {
    std::vector<IniFile> lists;
    for (int type = 1; type <= 6; ++type)
        lists.push_back(backList(type));
    for (int kind = 0; kind < TileKinds; ++kind) {
        const QString section = HexByte(static_cast<std::uint8_t>(kind));
        QSet<QString> selectors;
        for (const IniFile &list : lists) {
            if (const QString aff = list.value(section, QStringLiteral("aff")); !aff.isEmpty())
                selectors.insert(aff.left(3));
        }
        for (std::size_t i = 0; i < lists.size(); ++i) {
            const IniFile &list = lists[i];
            const int count = list.value(section, QStringLiteral("n"), QStringLiteral("0")).toInt();
            for (int j = 1; j <= count; ++j) {
                const QString field = list.value(section, QString::number(j)).left(3);
                if (!selectors.contains(field))
                    continue;
                EXPECT_EQ(list.value(section, QStringLiteral("aff")), field)
                    << "back" << i + 1 << ".ini [" << section.toStdString() << "] offers field "
                    << field.toStdString() << " without drawing it";
            }
        }
    }
}

TEST(MarkerPictures, ExistWithTheKeyColourInTheLowerLeftPixel) {
    QStringList markers{QStringLiteral("start00"), QStringLiteral("startFF"),
                        QStringLiteral("guard00"), QStringLiteral("guardFF"),
                        QStringLiteral("restart")};
    for (int column = 0; column < 10; ++column)
        markers << QStringLiteral("coming0%1").arg(column);
    QSet<QByteArray> comingLooks;
    for (const QString &name : markers) {
        SCOPED_TRACE(name.toStdString());
        const QImage picture = expectPicture(name);
        if (picture.isNull())
            continue;
        EXPECT_EQ(picture.pixelColor(0, 63), KeyColour);
        int figure = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                figure += picture.pixelColor(x, y) != KeyColour;
        EXPECT_GT(figure, 60) << "the marker shows hardly anything but the key colour";
        if (name.startsWith(QLatin1String("coming")))
            comingLooks.insert(pixels(picture));
    }
    EXPECT_EQ(comingLooks.size(), 10) << "each coming guard shows its own column";
}

// Where the eye sits in the head, left (< 0) or right (> 0) of the head's middle: a figure looks
// the way it faces. The head is the figure's top eight rows, the eye its darkest pixel.
double eyeOffset(const QString &name) {
    const QImage picture = expectPicture(name);
    int top = -1;
    int left = picture.width();
    int right = -1;
    int eyeX = -1;
    int eyeLightness = 256;
    for (int y = 0; y < picture.height() && (top < 0 || y < top + 8); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QColor colour = picture.pixelColor(x, y);
            if (colour == KeyColour)
                continue;
            if (top < 0)
                top = y;
            left = std::min(left, x);
            right = std::max(right, x);
            if (colour.lightness() < eyeLightness) {
                eyeLightness = colour.lightness();
                eyeX = x;
            }
        }
    return eyeX - (left + right) / 2.0;
}

TEST(MarkerPictures, DirectionByteZeroFacesRightAndFFFacesLeft) {
    for (const char *figure : {"start", "guard"}) {
        SCOPED_TRACE(figure);
        const QString name = QString::fromLatin1(figure);
        EXPECT_GT(eyeOffset(name + QStringLiteral("00")), 0.0);
        EXPECT_LT(eyeOffset(name + QStringLiteral("FF")), 0.0);
    }
}

TEST(ArrowPictures, PointTheirWayAndLeaveTheNumberPlacePlain) {
    // The arrow head is wide and the shaft narrow: beside the shaft, the head end is ink and the
    // tail end is the card.
    struct Row {
        const char *name;
        QPoint head;
        QPoint tail;
    };
    const Row rows[] = {{"right", {20, 9}, {6, 9}},
                        {"left", {11, 9}, {25, 9}},
                        {"up", {8, 14}, {8, 26}},
                        {"down", {8, 18}, {8, 6}}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const QImage picture = expectPicture(QString::fromLatin1(row.name));
        if (picture.isNull())
            continue;
        const QColor card = picture.pixelColor(2, 2);
        EXPECT_NE(picture.pixelColor(row.head), card);
        EXPECT_EQ(picture.pixelColor(row.tail), card);
        // The room view writes the neighbour's number from (16, 32) of the arrow.
        for (int y = 32; y < 52; ++y)
            for (int x = 16; x < 31; ++x)
                ASSERT_EQ(picture.pixelColor(x, y), card) << "at " << x << "," << y;
    }
}

} // namespace
} // namespace qv2
