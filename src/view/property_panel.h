#pragma once

#include "text/ini_file.h"
#include "text/message_texts.h"
#include "ui/editor_state.h"
#include "view/bit_field.h"
#include "view/panel_layout.h"

#include <QFont>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

// The property panel on the right of the main window: one row per bit field of the selected tile
// that the background list describes, first the rows of the tile kind's own section, then those of
// the "*" section that every tile shares.
namespace qv2 {

inline constexpr int kPanelSlots = 10;

enum class PanelControl { None, Edit, List };

struct PanelRow {
    QString label;
    PanelControl control = PanelControl::None;
    BitField field;
    int value = 0;     // the field's value in the tile's attribute byte
    QStringList items; // the list's captions; item i stands for the value i
    int tag() const { return field.byte * 65536 + field.shift * 256 + field.width; }
};

// The rows for a tile, at most ten. A property entry that is not a valid bit field followed by a
// description section name gives no row; a description whose `k` is neither "edit" nor "list"
// gives a label-only row.
std::vector<PanelRow> DescribePanelRows(const IniFile &background, const MessageTexts &texts,
                                        std::uint8_t kind,
                                        const std::array<std::uint8_t, 4> &attributes);

// Every row that some tile can show with this background list (values left at 0): the panel
// lays out its column for all of them, so it keeps one layout while the user moves between tiles.
std::vector<PanelRow> EveryPanelRow(const IniFile &background, const MessageTexts &texts);

// The row's label without its closing colon: the accessible name of its control.
QString PanelFieldName(const PanelRow &row);
// What a row's field is, for its tooltip and status line: its name, the attribute byte (counted
// from 1, as the toolbar's fields are named) and bits it lies in, and its range.
QString PanelFieldTip(const PanelRow &row, const MessageTexts &texts);

// The bit field that a value control's "Tag" encodes as k * 65536 + s * 256 + w.
BitField FieldFromTag(int tag);

class PropertyPanel : public QObject {
    Q_OBJECT
  public:
    PropertyPanel(QWidget &panelHost, EditorState &state, Services &services);

    // Shows the rows of the selected tile. Called by the room refresh only. When the rows need the
    // same controls as the shown ones (another tile of the same kind, mostly), the controls stay
    // and take the new labels, items and values, exactly as new controls would show them;
    // otherwise, and while a panel control has the focus, the controls are replaced.
    void RebuildPropertyPanel();

    void markPanelFieldEdited();
    void storePanelField(QLineEdit &edit);
    void storePanelChoice(QComboBox &comboBox, int index);

  private:
    // What the layout was measured from: it changes only with another level type, language or font.
    struct LayoutInputs {
        IniFile background;
        QStringList texts;
        QFont font;
        PanelLayout layout;
    };

    const PanelLayout &measuredLayout();
    bool keepsControlsFor(const std::vector<PanelRow> &rows, const PanelLayout &layout) const;
    void createSlot(int slot, PanelControl control);
    // Puts the row into the slot's controls; `shown` is the row they show already, if any.
    void fillSlot(int slot, const PanelRow &row, const PanelRow *shown, const PanelLayout &layout);
    void clearSlots();
    void storeField(const QObject &control, int value);

    QWidget &m_panel;
    EditorState &m_state;
    Services &m_services;
    std::array<QLabel *, kPanelSlots> m_labels{};
    std::array<QWidget *, kPanelSlots> m_values{};
    int m_controlHeight; // the style's height of a number field or list
    std::optional<LayoutInputs> m_measured;
    std::vector<PanelRow> m_shownRows; // what the controls were built for
    std::optional<PanelLayout> m_shownLayout;
};

} // namespace qv2
