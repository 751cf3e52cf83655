#pragma once

#include "text/ini_file.h"
#include "text/text_catalogue.h"
#include "view/tile_block.h"

#include <QDockWidget>
#include <QStringList>

class QLabel;
class QListWidget;

namespace qv2 {

// Every tile kind that the toolbar's tile-kind list offers, as its picture with its number, in a
// grid that reflows with the dock's width; the kind's name is its tooltip. A click (or Return) on
// a kind asks for it as the brush; the brush's kind is the one marked.
class TilePalette : public QDockWidget, public TextTarget {
    Q_OBJECT
  public:
    explicit TilePalette(QWidget *parent);

    // Section [palette]: the caption, the View menu entry and the brush's description.
    void applyTexts(const LanguageFile &language) override;

    // The kinds `names` (item i is kind i), drawn as the level type's background list draws them
    // with the attribute bytes 0. Drawn again only when the names or the level type changed.
    void showKinds(const QStringList &names, int levelType, const IniFile &background,
                   const QString &imagesDir);
    void showBrush(const Tile &brush);

    // The dock's width that shows `columns` kinds side by side.
    int widthFor(int columns) const;

  signals:
    void kindChosen(int kind);

  private:
    QLabel *m_brushLabel;
    QListWidget *m_kinds;
    QString m_brushFormat;
    Tile m_brush;
    QStringList m_shownNames;
    int m_shownType = -1;
};

} // namespace qv2
