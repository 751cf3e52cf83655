#include "editors/enemy_dialog.h"

#include "editors/choice_codes.h"
#include "editors/level_bytes.h"
#include "ui/exit_line_edit.h"
#include "ui/fixed_dialog.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

namespace qv2 {

namespace {

// The nine fields of a record in their Tab order; number fields and choice lists are numbered
// apart.
struct FieldEntry {
    const char *label;
    const char *control;
    const char *caption; // the built-in caption
    const char *key;     // of the caption in section [guards]
    int byte;
    int maximum;          // number field: the largest accepted value; above 255 it is 16-bit
    const char *itemsKey; // choice list: the key of its items; nullptr for a number field
    const char *items;    // choice list: the built-in items
    ChoiceValues codes;
    int otherwise; // choice list: the item shown for a byte no item stands for
};

const FieldEntry kFields[] = {
    {"Label3", "Edit1", "Hely:", "tile", EnemyTile, 255, nullptr, nullptr, {}, -1},
    {"Label4", "Edit2", "X koord:", "xcrd", EnemyX, 65535, nullptr, nullptr, {}, -1},
    // Any byte but 0xFF faces right.
    {"Label5", "ComboBox1", "Irány:", "direction", EnemyDirection, 0, "directions", "jobbra,balra",
     kDirectionCodes, 0},
    {"Label6", "Edit3", "Képesség:", "skill", EnemySkill, 255, nullptr, nullptr, {}, -1},
    {"Label7", "Edit4", "Képkocka:", "frame", EnemyFrame, 255, nullptr, nullptr, {}, -1},
    {"Label8", "ComboBox2", "Alfajta:", "subkind", EnemyColour, 0, "subkinds",
     "\"fekete/szv. ajtó\",fekete/norm.,kék,piros", kColourVariantCodes, -1},
    {"Label9", "ComboBox3", "Fajta:", "kind", EnemyKind, 0, "kinds",
     "Ellenség,Kard,Csontváz,\"Hamis herceg\",?,Szellem,Szellem,Madár,Kígyó", kEnemyKindCodes, -1},
    {"Label10", "Edit5", "Erő:", "hitpoints", EnemyStrength, 255, nullptr, nullptr, {}, -1},
    {"Label11", "ComboBox4", "Feléled (ha csontváz):", "cometolife", EnemyRevival, 0, "cometolifes",
     "Feléled,Feléledt,\"Nem éled fel\"", kRevivalCodes, -1},
};
constexpr int kRevivalChoice = 3;

int fieldValue(const std::uint8_t *record, const FieldEntry &entry) {
    const int low = record[entry.byte];
    return entry.maximum > 255 ? low | record[entry.byte + 1] << 8 : low;
}

void setFieldValue(std::uint8_t *record, const FieldEntry &entry, int value) {
    record[entry.byte] = static_cast<std::uint8_t>(value & 0xFF);
    if (entry.maximum > 255)
        record[entry.byte + 1] = static_cast<std::uint8_t>(value >> 8);
}
// The first five fields stand in the left column, the others in the right one.
constexpr int kLeftColumnRows = 5;

} // namespace

EnemyDialog::EnemyDialog(QWidget *parent)
    : WorkingCopyDialog("TForm8", "Ellenségek", QSize(373, 303), parent) {
    m_countLabel = MakeLabel(this, "Label1", "Ellenségek száma:");
    m_count = MakeSpinner(this, "UpDown1", kMaxEnemies);
    m_recordLabel = MakeLabel(this, "Label2", "Ellenség sorszáma:");
    m_record = MakeSpinner(this, "UpDown2", kMaxEnemies - 1);
    auto *spinners = new QGridLayout;
    spinners->addWidget(m_countLabel, 0, 0);
    spinners->addWidget(m_count, 0, 1);
    spinners->addWidget(m_recordLabel, 1, 0);
    spinners->addWidget(m_record, 1, 1);
    spinners->setColumnStretch(2, 1);

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto *fields = new QGridLayout(panel);
    fields->setColumnMinimumWidth(2, 12);
    int numbers = 0;
    int choices = 0;
    for (int i = 0; i < static_cast<int>(std::size(kFields)); ++i) {
        const FieldEntry &entry = kFields[i];
        m_labels[i] = MakeLabel(panel, entry.label, entry.caption);
        QWidget *control;
        if (entry.itemsKey) {
            QComboBox *list = MakeChoiceList(panel, entry.control, entry.items);
            connect(list, &QComboBox::activated, this, &EnemyDialog::storeFields);
            m_choices[choices++] = list;
            control = list;
        } else {
            ExitLineEdit *edit = MakeNumberEdit(panel, entry.control);
            watchField(*edit);
            m_numbers[numbers++] = edit;
            control = edit;
        }
        const int row = i % kLeftColumnRows;
        const int column = i < kLeftColumnRows ? 0 : 3;
        fields->addWidget(m_labels[i], row, column);
        // Lists fill their column; number fields keep their width.
        fields->addWidget(control, row, column + 1,
                          entry.itemsKey ? Qt::Alignment() : Qt::AlignLeft);
    }

    auto *body = new QVBoxLayout;
    body->addLayout(spinners);
    body->addWidget(panel);
    setBody(body, m_count);

    connect(m_count, &QSpinBox::valueChanged, this,
            [this](int count) { m_block[0] = SpinnerByte(m_block[0], kMaxEnemies, count); });
    connect(m_record, &QSpinBox::valueChanged, this, &EnemyDialog::showRecord);
}

void EnemyDialog::applyTexts(const LanguageFile &language) {
    const QString section = QStringLiteral("guards");
    m_countLabel->setText(language.text(section, QStringLiteral("number")));
    m_recordLabel->setText(language.text(section, QStringLiteral("index")));
    int choices = 0;
    for (int i = 0; i < static_cast<int>(std::size(kFields)); ++i) {
        const FieldEntry &entry = kFields[i];
        m_labels[i]->setText(language.text(section, QString::fromLatin1(entry.key)));
        if (entry.itemsKey)
            SetChoices(*m_choices[choices++],
                       language.list(section, QString::fromLatin1(entry.itemsKey)));
    }
    applyFrameTexts(language, section);
}

void EnemyDialog::fill(const EnemyBlock &block, const NumberInput &input) {
    m_block = block;
    beginEditing(input);
    {
        const QSignalBlocker blocker(m_count);
        m_count->setValue(block[0]);
    }
    showRecord(0);
}

void EnemyDialog::showRecord(int record) {
    storePendingEdit();
    m_shown = record;
    {
        const QSignalBlocker blocker(m_record);
        m_record->setValue(record);
    }
    int numbers = 0;
    int choices = 0;
    for (const FieldEntry &entry : kFields) {
        const int value = fieldValue(shownRecord(), entry);
        if (entry.itemsKey)
            m_choices[choices++]->setCurrentIndex(
                ChoiceIndex(entry.codes, static_cast<std::uint8_t>(value), entry.otherwise));
        else
            m_numbers[numbers++]->setText(QString::number(value));
    }
    forgetEdits();
}

void EnemyDialog::store() {
    int numbers = 0;
    int choices = 0;
    for (const FieldEntry &entry : kFields) {
        if (entry.itemsKey) {
            if (const auto code = ChoiceCode(entry.codes, m_choices[choices++]->currentIndex()))
                shownRecord()[entry.byte] = *code;
            continue;
        }
        const int old = fieldValue(shownRecord(), entry);
        setFieldValue(shownRecord(), entry,
                      readField(*m_numbers[numbers++], 0, entry.maximum, old, QString()));
    }
    // The companion byte follows the revival state: 0 with "comes to life" and "came to life",
    // 0xFF with "stays down".
    std::uint8_t *record = shownRecord();
    if (ChoiceCode(kRevivalCodes, m_choices[kRevivalChoice]->currentIndex()))
        record[EnemyRevivalPair] = record[EnemyRevival] == 0xFF ? 0xFF : 0x00;
}

void editEnemies(EditorState &state, Services &services, EnemyDialog &dialog) {
    if (!state.levelOpen)
        return;
    const std::size_t offset = EnemyCountAt(state.room);
    dialog.fill(CopyLevelBytes<kEnemyBlockSize>(state.level, offset),
                NumberInput{state.texts, services.modals});
    if (!services.modals.run(dialog))
        return;
    WriteLevelBytes(state.level, offset, dialog.block());
    services.refreshRoom();
}

} // namespace qv2
