#include "app/level_picker.h"

#include "ui/modals.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>

namespace qv2 {

namespace {

const char *const kBuiltInLevels[] = {
    "01 - Zendria",       "02 - Sziget",        "03 - Barlang 1",     "04 - Barlang 2",
    "05 - Barlang 3",     "06 - Romos vár 1",   "07 - Romos vár 2",   "08 - Romos vár 3",
    "09 - Romos vár 4",   "10 - Templom 1",     "11 - Templom 2",     "12 - Templom 3",
    "13 - Templom 4",     "14 - Újra Zendriában",
};

} // namespace

TForm2::TForm2(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QString::fromUtf8("Szint kiválasztása"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(8, 8, 201, 257);
    for (const char *name : kBuiltInLevels)
        ListBox1->addItem(QString::fromUtf8(name));

    CheckBox1 = new QCheckBox(QStringLiteral("GAMEPLAY"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(8, 272, 201, 21);

    ButtonOK = new QPushButton(QStringLiteral("OK"), this);
    ButtonOK->setObjectName(QStringLiteral("Button1"));
    ButtonOK->setGeometry(8, 300, 97, 27);
    ButtonOK->setDefault(true);
    ButtonCancel = new QPushButton(QString::fromUtf8("Mégse"), this);
    ButtonCancel->setObjectName(QStringLiteral("Button2"));
    ButtonCancel->setGeometry(112, 300, 97, 27);

    connect(ButtonOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
    // A double click on a level is the quick way to confirm it.
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    setFixedSize(217, 335);
}

std::uint16_t TForm2::PickLevel(Modals &modals)
{
    if (!modals.run(*this))
        return 0;
    const QModelIndexList selected = ListBox1->selectionModel()->selectedIndexes();
    const int index = selected.isEmpty() ? -1 : selected.first().row();
    return static_cast<std::uint16_t>((CheckBox1->isChecked() ? 2020 : 2000) + index);
}

void TForm2::applyTexts(const LanguageFile &language)
{
    const QString section = QStringLiteral("select");
    setWindowTitle(language.text(section, QStringLiteral("title")));
    ListBox1->clear();
    ListBox1->addItems(language.list(section, QStringLiteral("levels")));
    ButtonOK->setText(language.text(section, QStringLiteral("ok")));
    ButtonCancel->setText(language.text(section, QStringLiteral("cancel")));
    CheckBox1->setText(language.text(section, QStringLiteral("gameplay")));
}

} // namespace qv2
