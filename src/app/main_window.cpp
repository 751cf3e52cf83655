#include "app/main_window.h"

#include "app/action_icons.h"
#include "app/file_filter.h"
#include "app/level_file_commands.h"
#include "app/level_picker.h"
#include "ui/exit_line_edit.h"
#include "ui/modals.h"
#include "view/paint_box.h"
#include "view/property_panel.h"
#include "view/room_commands.h"
#include "view/room_refresh.h"
#include "view/tile_editing.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>

namespace qv2 {

namespace {

struct ActionEntry {
    const char *name;
    const char *caption; // the built-in caption, replaced from the language file
    const char *key;     // its key in section [main]
    QKeySequence shortcut;
    int icon; // index into the icon list, -1 for none
};

const ActionEntry kActions[TForm1::ActionCount] = {
    {"ActionMegnyitas1", "Megnyitás", "open", QKeySequence(Qt::CTRL | Qt::Key_O), 0},
    {"ActionMentes1", "Mentés...", "save", QKeySequence(Qt::CTRL | Qt::Key_S), 1},
    {"ActionKilepes1", "Kilépés", "exit", QKeySequence(), -1},
    {"ActionKezdohely1", "Kezdőhely...", "start", QKeySequence(Qt::CTRL | Qt::Key_K), 2},
    {"ActionUjrakezdes1", "Újrakezdések helye...", "restart", QKeySequence(Qt::CTRL | Qt::Key_U), 3},
    {"ActionLink1", "Nyitó-lecsapó-rács linkek...", "link", QKeySequence(Qt::CTRL | Qt::Key_L), 4},
    {"ActionUgrasPalyara1", "Ugrás pályára...", "jump", QKeySequence(Qt::CTRL | Qt::Key_P), -1},
    {"ActionASzintEgyben1", "A szint egyben...", "all", QKeySequence(), -1},
    {"ActionHibakereses1", "Hibakeresés...", "error", QKeySequence(Qt::CTRL | Qt::Key_H), -1},
    {"ActionSzintfajta1", "Szintfajta...", "kind", QKeySequence(Qt::CTRL | Qt::Key_F), -1},
    {"ActionEllensegek1", "Ellenségek...", "guards", QKeySequence(Qt::CTRL | Qt::Key_E), 5},
    {"ActionJovoEllensegek1", "Jövő ellenségek...", "coming", QKeySequence(Qt::CTRL | Qt::Key_J), 6},
    {"ActionPalyak1", "Szomszédos pályák...", "neighbor", QKeySequence(Qt::CTRL | Qt::Key_R), 7},
    {"ActionPalyaTorlese1", "Pálya törlése", "delete", QKeySequence(Qt::Key_Delete), -1},
    {"ActionHatter1", "Háttér szerkesztése...", "back", QKeySequence(), -1},
};

const char *const kBuiltInTiles[] = {
    "00: Semmi",
    "01: Padló",
    "02: Tüske",
    "03: Oszlop",
    "04: Rács",
    "05: Nyitó",
    "06: Lecsapó",
    "07: Lyukas fal",
    "08: Nagy oszlop alja",
    "09: Nagy oszlop teteje",
    "0A: Varázsital",
    "0B: Mozgó padló",
    "0C: Kés bal",
    "0D: Kés jobb",
    "0E: Törmelék",
    "0F: Gyenge mozgó padló",
    "10: Szintváltó ajtó bal",
    "11: Szintváltó ajtó jobb",
    "12: Szőnyeg",
    "13: Fáklya",
    "14: Fal",
    "15: Csontváz",
    "16: Kard",
    "17: Láva bal",
    "18: Láva jobb",
    "19: Nyomó",
    "1A: Átforduló padló",
    "1B: Felső lyuk",
    "1C: Víz jobb",
    "1D: Víz bal",
    "1E: Süllyedő padló",
    "1F: Morvash",
    "20: Fáklya törmelékkel",
    "21: Szintváltó ajtó koponya bal",
    "22: Nyitó-lecsapó",
    "23: Szintváltó ajtó koponya jobb",
    "24: Kő",
    "25: Híd o.",
    "26: Hajó",
    "27: Ablak",
    "28: Pók",
    "29: ???",
    "2A:",
    "2B: Láng",
    "2C: Függőhíd",
};

const char *const kBuiltInFilter = "Szintfájlok (qasvar.dat)|qasvar.dat|Minden fájl (*.*)|*.*";

// Both file dialogs pick an existing archive: Save patches a slot of an archive that must exist.
QFileDialog *makeArchiveDialog(QWidget *parent, const char *name, const char *title)
{
    auto *dialog = new QFileDialog(parent, QString::fromUtf8(title));
    dialog->setObjectName(QString::fromLatin1(name));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setNameFilters(NameFiltersFromBarFilter(QString::fromUtf8(kBuiltInFilter)));
    return dialog;
}

} // namespace

TForm1::TForm1(Modals &modals, const QString &programDir, QWidget *parent)
    : QMainWindow(parent), m_modals(modals), m_services{modals, [this] { RefreshRoom(); }}
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QString::fromUtf8("Qasvar 2 szintszerkesztő"));
    m_state.programDir = programDir;

    createActions();
    createMenus();
    createToolBar();
    createRoomArea();
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));

    OpenDialog1 = makeArchiveDialog(this, "OpenDialog1", "Szint megnyitása");
    SaveDialog1 = makeArchiveDialog(this, "SaveDialog1", "Szint mentése");

    resize(820, 480);
}

TForm1::~TForm1() = default;

void TForm1::createActions()
{
    const std::array<QIcon, 8> icons = MakeActionIcons();
    for (int i = 0; i < ActionCount; ++i) {
        const ActionEntry &entry = kActions[i];
        auto *action = new QAction(QString::fromUtf8(entry.caption), this);
        action->setObjectName(QString::fromLatin1(entry.name));
        action->setShortcut(entry.shortcut);
        if (entry.icon >= 0)
            action->setIcon(icons[static_cast<std::size_t>(entry.icon)]);
        action->setEnabled(i == ActionMegnyitas1 || i == ActionKilepes1);
        m_actions[static_cast<std::size_t>(i)] = action;
    }
    connect(m_actions[ActionMegnyitas1], &QAction::triggered, this, [this] { ActionMegnyitas1Execute(); });
    connect(m_actions[ActionMentes1], &QAction::triggered, this, [this] { ActionMentes1Execute(); });
    connect(m_actions[ActionKilepes1], &QAction::triggered, this, &QWidget::close);
    connect(m_actions[ActionUgrasPalyara1], &QAction::triggered, this,
            [this] { jumpToRoom(m_state, m_services); });
    connect(m_actions[ActionPalyaTorlese1], &QAction::triggered, this,
            [this] { deleteRoom(m_state, m_services); });
}

void TForm1::createMenus()
{
    m_fileMenu = menuBar()->addMenu(QString::fromUtf8("Fájl"));
    m_fileMenu->setObjectName(QStringLiteral("Fajl1"));
    m_levelMenu = menuBar()->addMenu(QString::fromUtf8("Szint"));
    m_levelMenu->setObjectName(QStringLiteral("Szint1"));
    m_roomMenu = menuBar()->addMenu(QString::fromUtf8("Pálya"));
    m_roomMenu->setObjectName(QStringLiteral("Palya1"));
    for (int i = 0; i < ActionCount; ++i) {
        QMenu *menu = i <= ActionKilepes1 ? m_fileMenu : i <= ActionSzintfajta1 ? m_levelMenu : m_roomMenu;
        if (i == ActionKilepes1)
            menu->addSeparator();
        menu->addAction(m_actions[static_cast<std::size_t>(i)]);
    }
}

void TForm1::createToolBar()
{
    ToolBar1 = addToolBar(QStringLiteral("ToolBar1"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setContextMenuPolicy(Qt::PreventContextMenu);
    ToolBar1->addAction(m_actions[ActionMegnyitas1]);
    ToolBar1->addAction(m_actions[ActionMentes1]);
    ToolBar1->addSeparator();

    ComboBox1 = new QComboBox(ToolBar1);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setFixedWidth(145);
    ComboBox1->setEnabled(false);
    for (const char *tile : kBuiltInTiles)
        ComboBox1->addItem(QString::fromUtf8(tile));
    ToolBar1->addWidget(ComboBox1);
    // A user's choice only: the refresh sets the index too, and that must not store anything.
    connect(ComboBox1, &QComboBox::activated, this,
            [this](int index) { ComboBox1Change(m_state, m_services, index); });

    const int widths[4] = {41, 40, 40, 40};
    for (int tag = 0; tag < 4; ++tag) {
        auto *edit = new ExitLineEdit(ToolBar1);
        edit->setObjectName(QStringLiteral("Edit%1").arg(tag + 1));
        edit->setProperty("Tag", tag);
        edit->setFixedWidth(widths[tag]);
        edit->setEnabled(false);
        ToolBar1->addWidget(edit);
        connect(edit, &QLineEdit::textEdited, this, [this] { EditChange(m_state); });
        connect(edit, &ExitLineEdit::exited, this,
                [this, edit, tag] { EditExit(m_state, m_services, tag, edit->text()); });
        // Return stores the value at once, as leaving the field would.
        connect(edit, &QLineEdit::returnPressed, this,
                [this, edit, tag] { EditExit(m_state, m_services, tag, edit->text()); });
        m_attributeEdits[static_cast<std::size_t>(tag)] = edit;
    }
}

void TForm1::createRoomArea()
{
    auto *central = new QWidget(this);
    auto *layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    ScrollBox1 = new QScrollArea(central);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setBackgroundRole(QPalette::Base);
    PaintBox1 = new PaintBox(ScrollBox1);
    ScrollBox1->setWidget(PaintBox1);
    connect(PaintBox1, &PaintBox::pressed, this,
            [this](QPoint point) { PaintBox1MouseDown(m_state, m_services, point); });
    layout->addWidget(ScrollBox1, 1);

    Panel1 = new QWidget(central);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedWidth(185);
    layout->addWidget(Panel1);
    m_panel = new PropertyPanel(*Panel1, m_state, m_services);
    m_panel->setParent(this);

    setCentralWidget(central);
}

bool TForm1::event(QEvent *event)
{
    // Hovering a menu entry would otherwise wipe the status line that the refresh wrote.
    if (event->type() == QEvent::StatusTip)
        return true;
    return QMainWindow::event(event);
}

void TForm1::applyTexts(const LanguageFile &language)
{
    const QString main = QStringLiteral("main");
    setWindowTitle(language.text(main, QStringLiteral("title")));
    m_fileMenu->setTitle(language.text(main, QStringLiteral("file")));
    m_levelMenu->setTitle(language.text(main, QStringLiteral("level")));
    m_roomMenu->setTitle(language.text(main, QStringLiteral("room")));
    for (int i = 0; i < ActionCount; ++i)
        m_actions[static_cast<std::size_t>(i)]->setText(
            language.text(main, QString::fromLatin1(kActions[i].key)));
    const QStringList filters = NameFiltersFromBarFilter(language.text(main, QStringLiteral("filter")));
    OpenDialog1->setNameFilters(filters);
    SaveDialog1->setNameFilters(filters);
    OpenDialog1->setWindowTitle(language.text(main, QStringLiteral("titleopen")));
    SaveDialog1->setWindowTitle(language.text(main, QStringLiteral("titlesave")));
    ComboBox1->clear();
    ComboBox1->addItems(language.list(main, QStringLiteral("tiles")));
}

std::optional<TForm1::ArchiveSlot> TForm1::chooseArchiveSlot(QFileDialog &dialog)
{
    const std::optional<QString> path = m_modals.chooseFile(dialog);
    if (!path)
        return std::nullopt;
    const std::uint16_t id = m_picker ? m_picker->PickLevel(m_modals) : 0;
    if (id == 0)
        return std::nullopt;
    return ArchiveSlot{*path, id};
}

void TForm1::ActionMegnyitas1Execute()
{
    if (const std::optional<ArchiveSlot> slot = chooseArchiveSlot(*OpenDialog1))
        openArchive(slot->path, slot->id);
}

void TForm1::openArchive(const QString &path, std::uint16_t id)
{
    OpenDialog1->selectFile(path);
    if (!loadLevel(m_state, m_modals, path, id))
        return;
    enableEditing();
    SaveDialog1->selectFile(path);
    RefreshRoom();
}

void TForm1::ActionMentes1Execute()
{
    if (!m_state.levelOpen)
        return;
    if (const std::optional<ArchiveSlot> slot = chooseArchiveSlot(*SaveDialog1))
        saveLevel(m_state, m_modals, slot->path, slot->id);
}

void TForm1::enableEditing()
{
    ComboBox1->setEnabled(true);
    for (ExitLineEdit *edit : m_attributeEdits)
        edit->setEnabled(true);
    for (QAction *action : m_actions)
        action->setEnabled(true);
}

void TForm1::RefreshRoom()
{
    RoomWidgets widgets{m_roomPicture,
                        *PaintBox1,
                        *ComboBox1,
                        {m_attributeEdits[0], m_attributeEdits[1], m_attributeEdits[2], m_attributeEdits[3]},
                        *statusBar(),
                        *m_panel};
    qv2::RefreshRoom(m_state, widgets);
}

} // namespace qv2
