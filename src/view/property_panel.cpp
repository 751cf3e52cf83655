#include "view/property_panel.h"

#include "level/level_layout.h"
#include "text/comma_text.h"
#include "ui/edit_history.h"
#include "ui/exit_line_edit.h"
#include "ui/number_entry.h"
#include "ui/wide_popup_combo_box.h"
#include "view/tile_picture_name.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QVariant>

#include <algorithm>

namespace qv2 {

namespace {

const char *const kTagProperty = "Tag";

// Appends the rows of one section until the panel is full.
void DescribeSection(const IniFile &background, const MessageTexts &texts, const QString &section,
                     const std::array<std::uint8_t, 4> &attributes, std::vector<PanelRow> &rows) {
    const int count = ParseNumber(background.value(section, QStringLiteral("n"))).value_or(0);
    // Every entry needs a line of its own, so a count beyond the section's lines finds nothing
    // more.
    const int last =
        std::min<int>(count, static_cast<int>(background.sectionLines(section).size()));
    for (int j = 1; j <= last && static_cast<int>(rows.size()) < kPanelSlots; ++j) {
        const QString entry = background.value(section, QString::number(j));
        const auto field = ParseBitField(entry);
        if (!field)
            continue;
        const QString description = entry.mid(3);
        PanelRow row;
        row.label = texts.text(background.value(description, QStringLiteral("c")));
        row.field = *field;
        row.value = field->valueIn(attributes[field->byte]);
        const QString kind = background.value(description, QStringLiteral("k"));
        if (kind == QLatin1String("edit")) {
            row.control = PanelControl::Edit;
        } else if (kind == QLatin1String("list")) {
            row.control = PanelControl::List;
            row.items =
                SplitCommaText(texts.text(background.value(description, QStringLiteral("t"))));
        }
        rows.push_back(std::move(row));
    }
}

} // namespace

std::vector<PanelRow> DescribePanelRows(const IniFile &background, const MessageTexts &texts,
                                        std::uint8_t kind,
                                        const std::array<std::uint8_t, 4> &attributes) {
    std::vector<PanelRow> rows;
    DescribeSection(background, texts, HexByte(kind), attributes, rows);
    DescribeSection(background, texts, QStringLiteral("*"), attributes, rows);
    return rows;
}

std::vector<PanelRow> EveryPanelRow(const IniFile &background, const MessageTexts &texts) {
    QStringList sections{QStringLiteral("*")};
    for (int kind = 0; kind <= 0xFF; ++kind)
        sections << HexByte(static_cast<std::uint8_t>(kind));
    std::vector<PanelRow> every;
    for (const QString &section : sections) {
        // Each section on its own, as each can fill the panel by itself.
        std::vector<PanelRow> rows;
        DescribeSection(background, texts, section, {}, rows);
        every.insert(every.end(), rows.begin(), rows.end());
    }
    return every;
}

QString PanelFieldName(const PanelRow &row) {
    QString name = row.label.trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name.trimmed();
}

QString PanelFieldTip(const PanelRow &row, const MessageTexts &texts) {
    return FormatMessage(texts.text(QStringLiteral("tipfield")), PanelFieldName(row),
                         row.field.byte + 1, row.field.shift, row.field.shift + row.field.width - 1,
                         static_cast<int>(row.field.mask()));
}

BitField FieldFromTag(int tag) {
    return BitField{tag / 65536, (tag / 256) % 256, tag % 256};
}

PropertyPanel::PropertyPanel(QWidget &panelHost, EditorState &state, Services &services)
    : QObject(&panelHost), m_panel(panelHost), m_state(state), m_services(services),
      m_controlHeight(std::max(QLineEdit().sizeHint().height(), QComboBox().sizeHint().height())) {}

const PanelLayout &PropertyPanel::measuredLayout() {
    // Measuring every row of every section would be most of a refresh's work; it is done again
    // only when what it depends on has changed.
    const QFont font = m_panel.font();
    if (m_measured && m_measured->background == m_state.background &&
        m_measured->texts == m_state.texts.lines() && m_measured->font == font)
        return m_measured->layout;
    const QFontMetrics metrics(font);
    int widestLabel = 0;
    bool hasLists = false;
    for (const PanelRow &row : EveryPanelRow(m_state.background, m_state.texts)) {
        widestLabel = std::max(widestLabel, metrics.horizontalAdvance(row.label));
        hasLists = hasLists || row.control == PanelControl::List;
    }
    m_measured = LayoutInputs{m_state.background, m_state.texts.lines(), font,
                              FitPanelLayout(widestLabel, m_controlHeight, hasLists)};
    return m_measured->layout;
}

bool PropertyPanel::keepsControlsFor(const std::vector<PanelRow> &rows,
                                     const PanelLayout &layout) const {
    // New controls would take the focus away from a field being typed in (without storing it).
    QWidget *focus = QApplication::focusWidget();
    const bool typing =
        focus && std::find(m_values.begin(), m_values.end(), focus) != m_values.end();
    if (m_shownLayout != layout || rows.size() != m_shownRows.size() || typing)
        return false;
    for (std::size_t slot = 0; slot < rows.size(); ++slot) {
        if (rows[slot].control != m_shownRows[slot].control)
            return false;
    }
    return true;
}

void PropertyPanel::clearSlots() {
    // The rebuild can be reached while a panel control is still inside one of its own events (a
    // toolbar field's exit handler refreshes the room when the user clicks into the panel), so the
    // old controls are cut off, hidden and deleted once control is back in the event loop.
    for (int slot = 0; slot < kPanelSlots; ++slot) {
        for (QWidget *control : {static_cast<QWidget *>(m_labels[slot]), m_values[slot]}) {
            if (!control)
                continue;
            control->disconnect(this);
            control->hide();
            control->setObjectName(QString());
            control->deleteLater();
        }
        m_labels[slot] = nullptr;
        m_values[slot] = nullptr;
    }
}

void PropertyPanel::createSlot(int slot, PanelControl control) {
    // Named by slot; the "din" names are the runtime dialogs' own.
    auto *label = new QLabel(&m_panel);
    label->setObjectName(QStringLiteral("PanelLabel%1").arg(slot));
    m_labels[slot] = label;
    QWidget *value = nullptr;
    if (control == PanelControl::Edit) {
        auto *edit = new ExitLineEdit(&m_panel);
        edit->setObjectName(QStringLiteral("PanelField%1").arg(slot));
        // Typing only: the text the panel sets is the stored value, not an edit.
        connect(edit, &QLineEdit::textEdited, this, &PropertyPanel::markPanelFieldEdited);
        connect(edit, &ExitLineEdit::exited, this, [this, edit] { storePanelField(*edit); });
        // Return stores the value at once, as in the toolbar's attribute fields.
        connect(edit, &QLineEdit::returnPressed, this, [this, edit] { storePanelField(*edit); });
        value = edit;
    } else if (control == PanelControl::List) {
        auto *list = new WidePopupComboBox(&m_panel);
        list->setObjectName(QStringLiteral("PanelList%1").arg(slot));
        // The user's choices only, never the index the panel sets.
        connect(list, &QComboBox::activated, this,
                [this, list](int index) { storePanelChoice(*list, index); });
        value = list;
    }
    label->show();
    if (value) {
        value->show();
        label->setBuddy(value);
    }
    m_values[slot] = value;
}

void PropertyPanel::fillSlot(int slot, const PanelRow &row, const PanelRow *shown,
                             const PanelLayout &layout) {
    const int top = layout.rowTop(slot);
    QLabel *label = m_labels[slot];
    if (!shown || shown->label != row.label) {
        label->setText(row.label);
        label->adjustSize();
        // Level with the text in the control beside it.
        label->move(PanelLayout::kLabelLeft, top + (layout.controlHeight - label->height()) / 2);
    }
    QWidget *value = m_values[slot];
    if (auto *edit = qobject_cast<QLineEdit *>(value)) {
        edit->setText(QString::number(row.value));
        edit->setGeometry(layout.editLeft, top, PanelLayout::kEditWidth, layout.controlHeight);
    } else if (auto *list = qobject_cast<QComboBox *>(value)) {
        if (!shown || shown->items != row.items) {
            list->clear();
            list->addItems(row.items);
        }
        // A value beyond the last item shows no selection.
        list->setCurrentIndex(row.value < list->count() ? row.value : -1);
        list->setGeometry(layout.listLeft, top, PanelLayout::kListWidth, layout.controlHeight);
    }
    if (value) {
        value->setProperty(kTagProperty, row.tag());
        const QString tip = PanelFieldTip(row, m_state.texts);
        value->setToolTip(tip);
        value->setStatusTip(tip);
        value->setAccessibleName(PanelFieldName(row));
    }
}

void PropertyPanel::RebuildPropertyPanel() {
    const EditorState &s = m_state;
    const auto rows =
        DescribePanelRows(s.background, s.texts, s.level.byte(TileKindAt(s.room, s.row, s.column)),
                          TileAttributes(s.level, s.room, s.row, s.column));
    const PanelLayout layout = measuredLayout();
    const bool keep = keepsControlsFor(rows, layout);
    if (!keep) {
        clearSlots();
        m_panel.setFixedWidth(layout.width);
        for (int slot = 0; slot < static_cast<int>(rows.size()); ++slot)
            createSlot(slot, rows[slot].control);
    }
    for (int slot = 0; slot < static_cast<int>(rows.size()); ++slot)
        fillSlot(slot, rows[slot], keep ? &m_shownRows[slot] : nullptr, layout);
    m_shownRows = rows;
    m_shownLayout = layout;
}

void PropertyPanel::markPanelFieldEdited() {
    m_state.panelEditPending = true;
}

void PropertyPanel::storePanelField(QLineEdit &edit) {
    if (!m_state.levelOpen || !m_state.panelEditPending)
        return;
    const BitField field = FieldFromTag(edit.property(kTagProperty).toInt());
    const int value = ReadNumberInRange(edit.text(), 0, static_cast<int>(field.mask()), -1,
                                        QString(), m_state.texts, m_services.modals);
    if (value != -1)
        storeField(edit, value);
}

void PropertyPanel::storePanelChoice(QComboBox &comboBox, int index) {
    if (!m_state.levelOpen || index < 0)
        return;
    storeField(comboBox, index);
}

// Only the field's bits of the selected tile's attribute byte change; a value wider than the field
// is cut to its width.
void PropertyPanel::storeField(const QObject &control, int value) {
    const BitField field = FieldFromTag(control.property(kTagProperty).toInt());
    const std::size_t offset =
        TileAttributeAt(m_state.room, m_state.row, m_state.column, field.byte);
    RecordEdit(m_services, QStringLiteral("stepproperty"), [&] {
        m_state.level.setByte(offset, field.store(m_state.level.byte(offset), value));
    });
}

} // namespace qv2
