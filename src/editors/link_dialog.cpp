#include "editors/link_dialog.h"

#include "editors/level_bytes.h"
#include "ui/exit_line_edit.h"
#include "ui/fixed_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace qv2 {

namespace {

struct FieldEntry {
    const char *label;
    const char *field;
    const char *caption; // the built-in caption
    const char *key;     // in section [link]
};

const FieldEntry kFields[kLinkEntrySize] = {
    {"Label1", "Edit1", "Pálya", "room"}, {"Label2", "Edit2", "Hely", "tile"},
    {"Label3", "Edit3", "?", "unknown"},  {"Label4", "Edit4", "<-", "left"},
    {"Label5", "Edit5", "->", "right"},
};

enum { BackByte = 3, NextByte = 4 };
constexpr int kFieldWidth = 38;

} // namespace

LinkDialog::LinkDialog(QWidget *parent)
    : WorkingCopyDialog("TForm6", "Linkek szerkesztése", QSize(217, 147), parent) {
    m_entry = MakeSpinner(this, "UpDown1", kLinkEntryCount - 1);
    m_back = new QPushButton(QStringLiteral("<-"), this);
    m_back->setObjectName(QStringLiteral("Button3"));
    m_next = new QPushButton(QStringLiteral("->"), this);
    m_next->setObjectName(QStringLiteral("Button4"));
    for (QPushButton *button : {m_back, m_next}) {
        button->setAutoDefault(false);
        button->setFixedWidth(kFieldWidth);
    }
    auto *grid = new QGridLayout;
    grid->addWidget(m_entry, 0, 0, 1, 2);
    // Each step button stands over the field that names where it goes.
    grid->addWidget(m_back, 0, BackByte);
    grid->addWidget(m_next, 0, NextByte);
    for (int field = 0; field < kLinkEntrySize; ++field) {
        const FieldEntry &entry = kFields[field];
        m_labels[field] = MakeLabel(this, entry.label, entry.caption);
        m_fields[field] = MakeNumberEdit(this, entry.field, kFieldWidth);
        grid->addWidget(m_labels[field], 1, field, Qt::AlignHCenter | Qt::AlignBottom);
        grid->addWidget(m_fields[field], 2, field);
        watchField(*m_fields[field]);
    }
    setBody(grid, m_entry);

    connect(m_entry, &QSpinBox::valueChanged, this, &LinkDialog::showEntry);
    // The chain bytes name any entry, 0..255: no check is needed.
    connect(m_back, &QPushButton::clicked, this, [this] { showEntry(byteOf(BackByte)); });
    connect(m_next, &QPushButton::clicked, this, [this] { showEntry(byteOf(NextByte)); });
}

void LinkDialog::applyTexts(const LanguageFile &language) {
    const QString section = QStringLiteral("link");
    for (int field = 0; field < kLinkEntrySize; ++field)
        m_labels[field]->setText(language.text(section, QString::fromLatin1(kFields[field].key)));
    m_back->setText(language.text(section, QStringLiteral("left")));
    m_next->setText(language.text(section, QStringLiteral("right")));
    applyFrameTexts(language, section);
}

void LinkDialog::fill(const LinkTable &table, int entry, const NumberInput &input) {
    m_table = table;
    beginEditing(input);
    showEntry(entry);
}

void LinkDialog::showEntry(int entry) {
    storePendingEdit();
    m_shown = entry;
    {
        const QSignalBlocker blocker(m_entry);
        m_entry->setValue(entry);
    }
    for (int field = 0; field < kLinkEntrySize; ++field)
        m_fields[field]->setText(QString::number(byteOf(field)));
    forgetEdits();
}

void LinkDialog::store() {
    for (int field = 0; field < kLinkEntrySize; ++field) {
        std::uint8_t &byte = byteOf(field);
        byte = static_cast<std::uint8_t>(
            readField(*m_fields[field], 0, 255, byte, QStringLiteral("link: ")));
    }
    showEntry(m_shown);
}

void editLinks(EditorState &state, Services &services, LinkDialog &dialog) {
    if (!state.levelOpen)
        return;
    const int kind = state.level.byte(TileKindAt(state.room, state.row, state.column));
    const int entry =
        IsLinkPlate(kind)
            ? state.level.byte(TileAttributeAt(state.room, state.row, state.column, 0))
            : 0;
    dialog.fill(CopyLevelBytes<kLinkTableSize>(state.level, kLinkTableOffset), entry,
                NumberInput{state.texts, services.modals});
    if (!services.modals.run(dialog))
        return;
    WriteLevelBytes(state.level, kLinkTableOffset, dialog.table());
}

} // namespace qv2
