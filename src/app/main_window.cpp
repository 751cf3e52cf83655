#include "app/main_window.h"

#include "app/action_icons.h"
#include "app/file_filter.h"
#include "app/level_file_commands.h"
#include "app/level_picker.h"
#include "ui/exit_line_edit.h"
#include "ui/modals.h"
#include "ui/popup_width.h"
#include "view/paint_box.h"
#include "view/property_panel.h"
#include "view/room_commands.h"
#include "view/room_refresh.h"
#include "view/tile_editing.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
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

const ActionEntry kActions[MainWindow::ActionCount] = {
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

} // namespace

MainWindow::MainWindow(Modals &modals, const QString &programDir, QWidget *parent)
    : QMainWindow(parent), m_modals(modals), m_services{modals, [this] { RefreshRoom(); }},
      m_openDialog(*this, "OpenDialog1", "Szint megnyitása"),
      m_saveDialog(*this, "SaveDialog1", "Szint mentése")
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QString::fromUtf8("Qasvar 2 szintszerkesztő"));
    m_state.programDir = programDir;

    createActions();
    createMenus();
    createToolBar();
    createRoomArea();
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));

    const QStringList filters = NameFiltersFromBarFilter(QString::fromUtf8(kBuiltInFilter));
    m_openDialog.setNameFilters(filters);
    m_saveDialog.setNameFilters(filters);

    resize(820, 480);
}

MainWindow::~MainWindow() = default;

void MainWindow::createActions()
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
    connectCommand(ActionMegnyitas1, [this] { openFromDialog(); });
    connectCommand(ActionMentes1, [this] { saveFromDialog(); });
    connectCommand(ActionKilepes1, [this] { close(); });
    connectCommand(ActionUgrasPalyara1, [this] { jumpToRoom(m_state, m_services); });
    connectCommand(ActionPalyaTorlese1, [this] { deleteRoom(m_state, m_services); });
}

void MainWindow::connectCommand(Action which, std::function<void()> command)
{
    connect(m_actions[which], &QAction::triggered, this, [command = std::move(command)] {
        // A shortcut does not move the focus: the field being typed in stores its value first,
        // exactly as leaving it would, so what the command sees is what the field shows.
        if (auto *field = qobject_cast<ExitLineEdit *>(QApplication::focusWidget()))
            emit field->exited();
        command();
    });
}

void MainWindow::createMenus()
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

void MainWindow::createToolBar()
{
    m_toolBar = addToolBar(QStringLiteral("ToolBar1"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    m_toolBar->addAction(m_actions[ActionMegnyitas1]);
    m_toolBar->addAction(m_actions[ActionMentes1]);
    m_toolBar->addSeparator();

    m_tileKinds = new QComboBox(m_toolBar);
    m_tileKinds->setObjectName(QStringLiteral("ComboBox1"));
    m_tileKinds->setFixedWidth(145);
    m_tileKinds->setEnabled(false);
    for (const char *tile : kBuiltInTiles)
        m_tileKinds->addItem(QString::fromUtf8(tile));
    WidenPopupToItems(*m_tileKinds);
    m_toolBar->addWidget(m_tileKinds);
    // A user's choice only: the refresh sets the index too, and that must not store anything.
    connect(m_tileKinds, &QComboBox::activated, this,
            [this](int index) { setTileKind(m_state, m_services, index); });

    const int widths[4] = {41, 40, 40, 40};
    for (int tag = 0; tag < 4; ++tag) {
        auto *edit = new ExitLineEdit(m_toolBar);
        edit->setObjectName(QStringLiteral("Edit%1").arg(tag + 1));
        edit->setProperty("Tag", tag);
        edit->setFixedWidth(widths[tag]);
        edit->setEnabled(false);
        m_toolBar->addWidget(edit);
        connect(edit, &QLineEdit::textEdited, this, [this] { markAttributeFieldEdited(m_state); });
        connect(edit, &ExitLineEdit::exited, this,
                [this, edit, tag] { storeAttributeField(m_state, m_services, tag, edit->text()); });
        // Return stores the value at once, as leaving the field would.
        connect(edit, &QLineEdit::returnPressed, this,
                [this, edit, tag] { storeAttributeField(m_state, m_services, tag, edit->text()); });
        m_attributeEdits[static_cast<std::size_t>(tag)] = edit;
    }
}

void MainWindow::createRoomArea()
{
    auto *central = new QWidget(this);
    auto *layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_scrollBox = new QScrollArea(central);
    m_scrollBox->setObjectName(QStringLiteral("ScrollBox1"));
    m_scrollBox->setBackgroundRole(QPalette::Base);
    m_paintBox = new PaintBox(m_scrollBox);
    m_scrollBox->setWidget(m_paintBox);
    connect(m_paintBox, &PaintBox::pressed, this,
            [this](QPoint point) { selectTileAt(m_state, m_services, point); });
    layout->addWidget(m_scrollBox, 1);

    m_panelHost = new QWidget(central);
    m_panelHost->setObjectName(QStringLiteral("Panel1"));
    m_panelHost->setFixedWidth(185);
    layout->addWidget(m_panelHost);
    m_panel = new PropertyPanel(*m_panelHost, m_state, m_services);
    m_panel->setParent(this);

    setCentralWidget(central);
}

bool MainWindow::event(QEvent *event)
{
    // Hovering a menu entry would otherwise wipe the status line that the refresh wrote.
    if (event->type() == QEvent::StatusTip)
        return true;
    return QMainWindow::event(event);
}

void MainWindow::applyTexts(const LanguageFile &language)
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
    m_openDialog.setNameFilters(filters);
    m_saveDialog.setNameFilters(filters);
    m_openDialog.setWindowTitle(language.text(main, QStringLiteral("titleopen")));
    m_saveDialog.setWindowTitle(language.text(main, QStringLiteral("titlesave")));
    m_saveButtonText = language.text(main, QStringLiteral("savebutton"));
    m_tileKinds->clear();
    m_tileKinds->addItems(language.list(main, QStringLiteral("tiles")));
    WidenPopupToItems(*m_tileKinds);
}

std::optional<MainWindow::ArchiveSlot> MainWindow::chooseArchiveSlot(QFileDialog &dialog)
{
    const std::optional<QString> path = m_modals.chooseFile(dialog);
    if (!path)
        return std::nullopt;
    const std::uint16_t id = m_picker ? m_picker->PickLevel(m_modals) : 0;
    if (id == 0)
        return std::nullopt;
    return ArchiveSlot{*path, id};
}

void MainWindow::openFromDialog()
{
    if (const std::optional<ArchiveSlot> slot = chooseArchiveSlot(m_openDialog.dialog()))
        openArchive(slot->path, slot->id);
}

void MainWindow::openArchive(const QString &path, std::uint16_t id)
{
    // The file dialogs resolve a relative name against the folder they show, not the current one.
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_openDialog.selectFile(absolute);
    if (!loadLevel(m_state, m_modals, absolute, id))
        return;
    enableEditing();
    m_saveDialog.selectFile(absolute);
    if (m_picker)
        m_picker->showLevel(id);
    RefreshRoom();
}

void MainWindow::saveFromDialog()
{
    if (!m_state.levelOpen)
        return;
    // It picks an existing archive like the Open dialog, but its button says what it is for. Set
    // each time: Qt puts its own caption back whenever the language changes.
    m_saveDialog.dialog().setLabelText(QFileDialog::Accept, m_saveButtonText);
    const std::optional<ArchiveSlot> slot = chooseArchiveSlot(m_saveDialog.dialog());
    if (!slot || !saveLevel(m_state, m_modals, slot->path, slot->id))
        return;
    // Shown until the next refresh writes the room and place again.
    statusBar()->showMessage(FormatMessage(m_state.texts.text(QStringLiteral("saved")), slot->id,
                                           QFileInfo(slot->path).fileName()));
}

void MainWindow::enableEditing()
{
    m_tileKinds->setEnabled(true);
    for (ExitLineEdit *edit : m_attributeEdits)
        edit->setEnabled(true);
    for (QAction *action : m_actions)
        action->setEnabled(true);
}

void MainWindow::RefreshRoom()
{
    RoomWidgets widgets{m_roomPicture,
                        *m_paintBox,
                        *m_tileKinds,
                        {m_attributeEdits[0], m_attributeEdits[1], m_attributeEdits[2], m_attributeEdits[3]},
                        *statusBar(),
                        *m_panel};
    const int panelWidth = m_panelHost->width();
    qv2::RefreshRoom(m_state, widgets);
    // The panel widens for long labels (another language, another level type); the window grows
    // with it so that the room view keeps its width.
    const int grown = m_panelHost->width() - panelWidth;
    if (grown != 0 && !isMaximized() && !isFullScreen())
        resize(width() + grown, height());
}

} // namespace qv2
