#include "view/tile_palette.h"

#include "text/message_texts.h"
#include "ui/deferred_icon.h"
#include "view/room_painter.h"
#include "view/tile_picture_name.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace qv2 {

namespace {

// Tiles are tall: half size keeps a useful number of them in view.
const QSize kIconSize(kTileWidth * 3 / 4, kTileHeight * 3 / 4);
// Around each kind's picture and number.
constexpr int kCellMargin = 6;

} // namespace

TilePalette::TilePalette(QWidget *parent)
    : QDockWidget(QString::fromUtf8("Elempaletta"), parent), m_brushLabel(new QLabel),
      m_kinds(new QListWidget) {
    setObjectName(QStringLiteral("PaletteDock"));
    toggleViewAction()->setObjectName(QStringLiteral("ShowPalette"));
    m_brushLabel->setObjectName(QStringLiteral("BrushLabel"));
    m_brushLabel->setWordWrap(true);
    m_kinds->setObjectName(QStringLiteral("PaletteList"));
    m_kinds->setViewMode(QListView::IconMode);
    m_kinds->setFlow(QListView::LeftToRight);
    m_kinds->setWrapping(true);
    m_kinds->setResizeMode(QListView::Adjust);
    m_kinds->setMovement(QListView::Static);
    m_kinds->setUniformItemSizes(true);
    m_kinds->setIconSize(kIconSize);
    // Cells of one size, so that the dock's width says how many kinds a row holds.
    const QFontMetrics metrics = m_kinds->fontMetrics();
    m_kinds->setGridSize(
        QSize(std::max(kIconSize.width(), metrics.horizontalAdvance(QStringLiteral("00"))),
              kIconSize.height() + metrics.height()) +
        QSize(kCellMargin, kCellMargin));

    auto *contents = new QWidget;
    auto *layout = new QVBoxLayout(contents);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_brushLabel);
    layout->addWidget(m_kinds, 1);
    setWidget(contents);

    const auto choose = [this](QListWidgetItem *item) {
        emit kindChosen(item->data(Qt::UserRole).toInt());
    };
    connect(m_kinds, &QListWidget::itemClicked, this, choose);
    connect(m_kinds, &QListWidget::itemActivated, this, choose);
}

void TilePalette::applyTexts(const LanguageFile &language) {
    const QString section = QStringLiteral("palette");
    setWindowTitle(language.text(section, QStringLiteral("title")));
    // Set after the title, which the dock copies into its action.
    toggleViewAction()->setText(language.text(section, QStringLiteral("menu")));
    m_brushFormat = language.text(section, QStringLiteral("brush"));
    showBrush(m_brush);
}

void TilePalette::showKinds(const QStringList &names, int levelType, const IniFile &background,
                            const QString &imagesDir) {
    if (names == m_shownNames && levelType == m_shownType)
        return;
    m_shownNames = names;
    m_shownType = levelType;
    m_kinds->clear();
    const PictureLoader loadPicture = PicturesFromFolder(imagesDir);
    for (int kind = 0; kind < names.size() && kind < 256; ++kind) {
        const QString picture =
            TilePictureName(static_cast<std::uint8_t>(kind), {0, 0, 0, 0}, background);
        // Filled before it joins the list, which would otherwise announce each field.
        auto *item = new QListWidgetItem(HexByte(static_cast<std::uint8_t>(kind)));
        // Decoded when the cell is first drawn: kinds out of sight, and the kinds of a level type
        // that is replaced before the window shows (as at start-up), cost nothing.
        item->setIcon(DeferredIcon([loadPicture, picture] {
            const std::optional<QImage> image = loadPicture(picture);
            return image ? QIcon(QPixmap::fromImage(image->scaled(kIconSize))) : QIcon();
        }));
        item->setToolTip(names[kind]);
        item->setData(Qt::UserRole, kind);
        m_kinds->addItem(item);
    }
    showBrush(m_brush);
}

void TilePalette::showBrush(const Tile &brush) {
    m_brush = brush;
    const QString name = m_shownNames.value(brush.kind, HexByte(brush.kind));
    m_brushLabel->setText(FormatMessage(m_brushFormat, name, brush.attributes[0],
                                        brush.attributes[1], brush.attributes[2],
                                        brush.attributes[3]));
    m_brushLabel->setToolTip(m_brushLabel->text());
    if (brush.kind < m_kinds->count())
        m_kinds->setCurrentRow(brush.kind);
    else
        m_kinds->clearSelection();
}

int TilePalette::widthFor(int columns) const {
    const QMargins margins = widget()->layout()->contentsMargins();
    // One pixel more: the list starts a new row before a cell that would end at its last pixel.
    return columns * m_kinds->gridSize().width() + 1 + 2 * m_kinds->frameWidth() +
           m_kinds->verticalScrollBar()->sizeHint().width() + margins.left() + margins.right();
}

} // namespace qv2
