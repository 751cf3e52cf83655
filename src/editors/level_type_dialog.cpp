#include "editors/level_type_dialog.h"

#include "editors/choice_codes.h"
#include "editors/number_input.h"
#include "level/level_layout.h"
#include "text/comma_text.h"
#include "ui/exit_line_edit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>

namespace qv2 {

namespace {

const char *const kBuiltInFlags =
    "tüske/fáklya?,láva/kő?,\"gyenge mozgó padló/csontváz/lyukas fal?\",kés?,láva/kő?,"
    "\"nyomó/átforduló padló?\",\"nyomó/átforduló padló?\",láva/kő?,\"Futó ellenség\","
    "\"Ugró ellenség\",\"Leeső ellenség\",Varázsital";

void setFlagItems(QListWidget &list, const QStringList &captions) {
    list.clear();
    for (const QString &caption : captions) {
        auto *item = new QListWidgetItem(caption, &list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
}

} // namespace

LevelTypeDialog::LevelTypeDialog(QWidget *parent)
    : EditorDialog("TForm9", "Szintfajta", QSize(345, 385), parent) {
    m_typeLabel = MakeLabel(this, "Label1", "Szintfajta:");
    m_type = MakeChoiceList(
        this, "ComboBox1",
        "\"1: sziget (KALDOR.DAT)\",\"2: templom (VORNIS.DAT)\",\"3: barlang (THUBALS.DAT)\","
        "\"4: romos vár (OSMEK.DAT)\",\"5: háztetők (PELVARTH.DAT)\","
        "\"6: újra Zendriában/Morvash szintje (ZUREN.DAT)\"");
    m_numberLabel = MakeLabel(this, "Label2", "Szint sorszáma:");
    m_number = MakeNumberEdit(this, "Edit1");
    m_flags = new QListWidget(this);
    m_flags->setObjectName(QStringLiteral("CheckListBox1"));
    setFlagItems(*m_flags, SplitCommaText(QString::fromUtf8(kBuiltInFlags)));
    m_graphicsLabel = MakeLabel(this, "Label3", "Ellenségek fajtája:");
    m_graphics = MakeChoiceList(
        this, "ComboBox2",
        "\"0: Ellenség (MOLTA.DAT)\",\"2: Csontváz (GRIVENDA.DAT)\","
        "\"5: Szellem és kígyó (FESK.DAT)\",\"7: Madárellenség és kisember (NOLU.DAT)\","
        "\"255: Nincs\"");

    auto *form = new QFormLayout;
    form->addRow(m_typeLabel, m_type);
    form->addRow(m_numberLabel, m_number);
    form->addRow(m_flags);
    form->addRow(m_graphicsLabel, m_graphics);
    setBody(form, m_type);
}

void LevelTypeDialog::applyTexts(const LanguageFile &language) {
    const QString section = QStringLiteral("kind");
    m_typeLabel->setText(language.text(section, QStringLiteral("kind")));
    SetChoices(*m_type, language.list(section, QStringLiteral("kinds")));
    m_numberLabel->setText(language.text(section, QStringLiteral("index")));
    setFlagItems(*m_flags, language.list(section, QStringLiteral("enable")));
    m_graphicsLabel->setText(language.text(section, QStringLiteral("guardkind")));
    SetChoices(*m_graphics, language.list(section, QStringLiteral("guardkinds")));
    applyFrameTexts(language, section);
}

void editLevelType(EditorState &state, Services &services, LevelTypeDialog &dialog) {
    if (!state.levelOpen)
        return;
    LevelStore &level = state.level;
    dialog.m_type->setCurrentIndex(ChoiceIndex(kLevelTypeCodes, level.byte(kLevelTypeOffset)));
    dialog.m_number->setText(QString::number(level.byte(kLevelNumberOffset)));
    for (int i = 0; i < kLevelFlagCount && i < dialog.m_flags->count(); ++i)
        dialog.m_flags->item(i)->setCheckState(level.word(LevelFlagAt(i)) != 0 ? Qt::Checked
                                                                               : Qt::Unchecked);
    // A byte that no item stands for shows no item rather than what an earlier opening left.
    dialog.m_graphics->setCurrentIndex(
        ChoiceIndex(kEnemyGraphicsCodes, level.byte(kEnemyGraphicsOffset)));
    if (!services.modals.run(dialog))
        return;

    if (const auto type = ChoiceCode(kLevelTypeCodes, dialog.m_type->currentIndex()))
        level.setByte(kLevelTypeOffset, *type);
    const NumberInput input{state.texts, services.modals};
    level.setByte(kLevelNumberOffset,
                  static_cast<std::uint8_t>(input.read(dialog.m_number->text(), 0, 255,
                                                       level.byte(kLevelNumberOffset),
                                                       QString::fromUtf8("Szint sorszáma: "))));
    for (int i = 0; i < kLevelFlagCount && i < dialog.m_flags->count(); ++i)
        level.setWord(LevelFlagAt(i), dialog.m_flags->item(i)->checkState() == Qt::Checked ? 1 : 0);
    if (const auto graphics = ChoiceCode(kEnemyGraphicsCodes, dialog.m_graphics->currentIndex()))
        level.setByte(kEnemyGraphicsOffset, *graphics);
}

} // namespace qv2
