#include "app/level_picker.h"

#include "ui/fixed_dialog.h"
#include "ui/modals.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace qv2 {

namespace {

const char *const kBuiltInLevels[] = {
    "01 - Zendria",     "02 - Sziget",          "03 - Barlang 1",   "04 - Barlang 2",
    "05 - Barlang 3",   "06 - Romos vár 1",     "07 - Romos vár 2", "08 - Romos vár 3",
    "09 - Romos vár 4", "10 - Templom 1",       "11 - Templom 2",   "12 - Templom 3",
    "13 - Templom 4",   "14 - Újra Zendriában",
};

} // namespace

LevelPicker::LevelPicker(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QString::fromUtf8("Szint kiválasztása"));
    SetFixedDialogFlags(*this);

    m_levels = new QListWidget(this);
    m_levels->setObjectName(QStringLiteral("ListBox1"));
    m_levels->setGeometry(8, 8, 201, 257);
    for (const char *name : kBuiltInLevels)
        m_levels->addItem(QString::fromUtf8(name));

    m_gameplay = new QCheckBox(QStringLiteral("GAMEPLAY"), this);
    m_gameplay->setObjectName(QStringLiteral("CheckBox1"));
    m_gameplay->setGeometry(8, 272, 201, 21);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("Button1"));
    m_ok->setGeometry(8, 300, 97, 27);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QString::fromUtf8("Mégse"), this);
    m_cancel->setObjectName(QStringLiteral("Button2"));
    m_cancel->setGeometry(112, 300, 97, 27);

    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    // A double click on a level is the quick way to confirm it.
    connect(m_levels, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    // What the user chooses replaces what was proposed; showLevel's own changes are blocked.
    connect(m_levels, &QListWidget::itemSelectionChanged, this, [this] { m_proposed.reset(); });
    connect(m_gameplay, &QCheckBox::toggled, this, [this] { m_proposed.reset(); });

    setFixedSize(217, 335);
}

std::uint16_t LevelPicker::PickLevel(Modals &modals) {
    if (!modals.run(*this))
        return 0;
    return m_proposed.value_or(shownId());
}

std::uint16_t LevelPicker::shownId() const {
    const QModelIndexList selected = m_levels->selectionModel()->selectedIndexes();
    const int index = selected.isEmpty() ? -1 : selected.first().row();
    return static_cast<std::uint16_t>((m_gameplay->isChecked() ? 2020 : 2000) + index);
}

void LevelPicker::showLevel(std::uint16_t id) {
    const QSignalBlocker levelsBlocked(m_levels);
    const QSignalBlocker gameplayBlocked(m_gameplay);
    m_proposed = id;
    // The plain set wins where the two ranges overlap (a list of more than twenty levels), as the
    // unticked box is the picker's start.
    for (const bool gameplay : {false, true}) {
        const int index = id - (gameplay ? 2020 : 2000);
        if (index < -1 || index >= m_levels->count())
            continue;
        m_gameplay->setChecked(gameplay);
        if (index < 0)
            m_levels->clearSelection();
        else
            m_levels->setCurrentRow(index);
        return;
    }
    m_levels->clearSelection();
}

void LevelPicker::applyTexts(const LanguageFile &language) {
    const QString section = QStringLiteral("select");
    setWindowTitle(language.text(section, QStringLiteral("title")));
    const std::uint16_t proposed = m_proposed.value_or(shownId());
    {
        const QSignalBlocker blocked(m_levels);
        m_levels->clear();
        m_levels->addItems(language.list(section, QStringLiteral("levels")));
    }
    showLevel(proposed);
    m_ok->setText(language.text(section, QStringLiteral("ok")));
    m_cancel->setText(language.text(section, QStringLiteral("cancel")));
    m_gameplay->setText(language.text(section, QStringLiteral("gameplay")));
}

} // namespace qv2
