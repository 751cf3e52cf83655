#include "app/main_window.h"

#include "app/action_icons.h"
#include "app/dialog_on_demand.h"
#include "app/editor_docks.h"
#include "app/file_filter.h"
#include "app/help_menu.h"
#include "app/level_file_commands.h"
#include "app/level_picker.h"
#include "app/main_actions.h"
#include "app/recent_levels_menu.h"
#include "app/room_zoom.h"
#include "app/start_hint.h"
#include "app/tool_actions.h"
#include "app/window_layout.h"
#include "inspect/problems_dock.h"
#include "level/level_layout.h"
#include "ui/exit_line_edit.h"
#include "ui/modals.h"
#include "ui/wide_popup_combo_box.h"
#include "view/paint_box.h"
#include "view/program_folder.h"
#include "view/property_panel.h"
#include "view/room_commands.h"
#include "view/room_keyboard.h"
#include "view/room_painter.h"
#include "view/room_refresh.h"
#include "view/room_tools.h"
#include "view/selection_commands.h"
#include "view/tile_editing.h"
#include "view/tile_palette.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>

#include <algorithm>
#include <map>

namespace qv2 {

namespace {

const char *const kBuiltInFilter = "Szintfájlok (qasvar.dat)|qasvar.dat|Minden fájl (*.*)|*.*";

// The focus frame around the room picture.
constexpr int kRoomFrame = 2;

} // namespace

MainWindow::MainWindow(Modals &modals, const QString &programDir, QWidget *parent)
    : QMainWindow(parent), m_modals(modals),
      m_history(m_state, [this] { refreshRoom(); }), m_services{modals, [this] { refreshRoom(); },
                                                                &m_history},
      m_openDialog(*this, "OpenDialog1", "Szint megnyitása"),
      m_saveDialog(*this, "SaveDialog1", "Szint mentése") {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QString::fromUtf8("Qasvar 2 szintszerkesztő"));
    m_state.programDir = programDir;

    createActions();
    createMenus();
    createToolBar();
    createRoomArea();
    createDocks();
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));

    const QStringList filters = NameFiltersFromBarFilter(QString::fromUtf8(kBuiltInFilter));
    m_openDialog.setNameFilters(filters);
    m_saveDialog.setNameFilters(filters);

    // Every step recorded, undone or redone changes the menu's step names and maybe the mark of
    // unsaved changes.
    connect(&m_history.stack(), &QUndoStack::indexChanged, this, [this] {
        updateUndoActions();
        updateTitle();
        m_docks->problems().check();
    });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            [this] { updateSelectionCaptions(); });
    // Shown until the next refresh writes the room and place again, like the word of a save.
    connect(&m_archiveWatch, &ArchiveWatch::changedOnDisk, this, [this](const QString &path) {
        statusBar()->showMessage(FormatMessage(m_state.texts.text(QStringLiteral("changedondisk")),
                                               QFileInfo(path).fileName()));
    });
    UserSettings settings;
    m_recentLevels->setLevels(settings.recentLevels());
    // Shown, not stored: the settings hold only what the user chose.
    showZoom(settings.zoom());

    // The whole room at the smallest zoom beside the panel, with the docks around them.
    m_docks->giveFirstSizes();
    const int scrollFrame = 2 * m_roomScrollArea->frameWidth();
    resize(SizeAroundCentralWidget(
        *this, QSize(kRoomPictureWidth + 2 * kRoomFrame + scrollFrame + m_panelHost->width(),
                     kRoomViewHeight + 2 * kRoomFrame + scrollFrame)));
}

MainWindow::~MainWindow() {
    // The history empties itself when it goes, after the captions it would update are gone.
    disconnect(&m_history.stack(), nullptr, this, nullptr);
}

void MainWindow::createActions() {
    const std::array<QIcon, kActionIconCount> icons = MakeActionIcons();
    for (int i = 0; i < kActionCount; ++i) {
        const ActionEntry &entry = MainActions()[i];
        auto *action = new QAction(QString::fromUtf8(entry.caption), this);
        action->setObjectName(QString::fromLatin1(entry.objectName));
        action->setShortcuts(entry.shortcuts);
        if (entry.icon >= 0)
            action->setIcon(icons[static_cast<std::size_t>(entry.icon)]);
        action->setEnabled(entry.availability == Availability::Always);
        m_actions[static_cast<std::size_t>(i)] = action;
    }
    connectCommand(Action::Open, [this] { openFromDialog(); });
    connectCommand(Action::Save, [this] { saveFromDialog(); });
    // Closing asks before changes are lost, whichever way the window is closed.
    connect(action(Action::Exit), &QAction::triggered, this, &QWidget::close);
    connectCommand(Action::JumpToRoom, [this] { jumpToRoom(m_state, m_services); });
    connectCommand(Action::DeleteRoom, [this] { deleteSelection(m_state, m_services); });
    // A value typed but not stored is given up: undo goes back from what the level holds.
    connect(action(Action::Undo), &QAction::triggered, this, [this] { m_history.undo(); });
    connect(action(Action::Redo), &QAction::triggered, this, [this] { m_history.redo(); });
    connectCommand(Action::CopyRoom, [this] { copySelection(m_state); });
    connectCommand(Action::PasteRoom, [this] { pasteClipboard(m_state, m_services); });
    // The picture grows or shrinks around the selected tile, which must not drop out of sight.
    // (A zoom by the wheel keeps the point under the pointer instead.)
    const auto zoomTo = [this](int zoom) {
        setZoom(zoom);
        showSelectedTile();
    };
    connectCommand(Action::ZoomIn, [this, zoomTo] { zoomTo(m_roomView->zoom() + 1); });
    connectCommand(Action::ZoomOut, [this, zoomTo] { zoomTo(m_roomView->zoom() - 1); });
    connectCommand(Action::ActualSize, [zoomTo] { zoomTo(1); });
    connectCommand(Action::FitToWindow, [this] {
        setZoom(FitZoom(QSize(kRoomPictureWidth, kRoomViewHeight), kRoomFrame,
                        m_roomScrollArea->maximumViewportSize(), kMaxZoom));
    });
}

void MainWindow::storeFocusedField() {
    // A shortcut does not move the focus: the field being typed in stores its value first,
    // exactly as leaving it would, so what the command sees is what the field shows.
    if (auto *field = qobject_cast<ExitLineEdit *>(QApplication::focusWidget()))
        emit field->exited();
}

void MainWindow::connectCommand(Action which, std::function<void()> command) {
    // Open replaces the level and starts a new history.
    const bool recorded = which != Action::Open;
    const QString key = QString::fromLatin1(MainActions()[static_cast<int>(which)].key);
    connect(action(which), &QAction::triggered, this,
            [this, recorded, key, command = std::move(command)] {
                storeFocusedField();
                if (recorded)
                    m_history.record(key, command);
                else
                    command();
            });
}

void MainWindow::createMenus() {
    const auto addMenu = [this](const char *title, const char *name) {
        QMenu *menu = menuBar()->addMenu(QString::fromUtf8(title));
        menu->setObjectName(QString::fromLatin1(name));
        return menu;
    };
    m_fileMenu = addMenu("Fájl", "Fajl1");
    m_editMenu = addMenu("Szerkesztés", "Szerkesztes1");
    m_viewMenu = addMenu("Nézet", "Nezet1");
    m_levelMenu = addMenu("Szint", "Szint1");
    m_roomMenu = addMenu("Pálya", "Palya1");
    m_languageMenu = addMenu("Nyelv", "Nyelv1");
    const std::map<MenuPlace, QMenu *> menus = {{MenuPlace::File, m_fileMenu},
                                                {MenuPlace::Edit, m_editMenu},
                                                {MenuPlace::View, m_viewMenu},
                                                {MenuPlace::Level, m_levelMenu},
                                                {MenuPlace::Room, m_roomMenu}};
    for (int i = 0; i < kActionCount; ++i) {
        QMenu *menu = menus.at(MainActions()[i].menu);
        if (i == static_cast<int>(Action::Exit)) {
            menu->addSeparator();
            m_recentLevels = new RecentLevelsMenu(
                *m_fileMenu, menu->addSeparator(),
                [this](const RecentLevel &level) { openRecent(level); },
                [this] { keepRecentLevels({}); });
        }
        if (i == static_cast<int>(Action::CopyRoom))
            menu->addSeparator();
        menu->addAction(m_actions[static_cast<std::size_t>(i)]);
    }
    m_help = new HelpMenu(*this, m_state, m_modals, [this] { return m_programTitle; });
    // F10 opens the first menu, from where the arrow keys reach every other.
    m_menuBarKey = new QAction(this);
    m_menuBarKey->setObjectName(QStringLiteral("ActionMenuBar"));
    m_menuBarKey->setShortcut(QKeySequence(Qt::Key_F10));
    addAction(m_menuBarKey);
    connect(m_menuBarKey, &QAction::triggered, this,
            [this] { menuBar()->setActiveAction(m_fileMenu->menuAction()); });
}

void MainWindow::createToolBar() {
    m_toolBar = addToolBar(QStringLiteral("ToolBar1"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    m_toolBar->addAction(action(Action::Open));
    m_toolBar->addAction(action(Action::Save));
    m_toolBar->addSeparator();
    m_toolBar->addAction(action(Action::Undo));
    m_toolBar->addAction(action(Action::Redo));
    m_toolBar->addSeparator();

    m_tileKinds = new WidePopupComboBox(m_toolBar);
    m_tileKinds->setObjectName(QStringLiteral("ComboBox1"));
    m_tileKinds->setFixedWidth(145);
    m_tileKinds->setEnabled(false);
    for (const char *tile : kBuiltInTiles)
        m_tileKinds->addItem(QString::fromUtf8(tile));
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

void MainWindow::createRoomArea() {
    auto *central = new QWidget(this);
    auto *layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_roomScrollArea = new QScrollArea(central);
    m_roomScrollArea->setObjectName(QStringLiteral("ScrollBox1"));
    m_roomScrollArea->setBackgroundRole(QPalette::Base);
    m_roomView = new PaintBox(m_roomScrollArea);
    // The room view takes the focus for its keys, by a click or Tab, and shows that it has it.
    m_roomView->setFocusPolicy(Qt::StrongFocus);
    m_roomView->setFrameWidth(kRoomFrame);
    m_roomScrollArea->setWidget(m_roomView);
    new WheelZoom(*m_roomScrollArea, *m_roomView, kRoomFrame, [this](int zoom) { setZoom(zoom); });
    m_startHint = new StartHint(*m_roomScrollArea->viewport());
    connect(m_startHint, &StartHint::openChosen, action(Action::Open), &QAction::trigger);
    connect(m_startHint, &StartHint::recentChosen, this, &MainWindow::openRecent);
    connect(m_startHint, &StartHint::sampleChosen, this, &MainWindow::openSample);
    m_tools = new RoomToolbox(*m_roomView, m_state, m_services,
                              [this](GridTile tile) { redrawTile(tile); });
    auto *keyboard = new RoomKeyboard(*m_roomView, *m_tileKinds, m_state, m_services);
    // A kind chosen for the selected tile, by its digits or in the list, is the brush's too.
    connect(keyboard, &RoomKeyboard::kindTyped, this, [this] { brushFromSelectedTile(); });
    connect(m_tileKinds, &QComboBox::activated, this, [this] { brushFromSelectedTile(); });
    // Delete empties the room only from the room view: in a field it deletes text.
    action(Action::DeleteRoom)->setShortcutContext(Qt::WidgetShortcut);
    m_roomView->addAction(action(Action::DeleteRoom));
    layout->addWidget(m_roomScrollArea, 1);

    m_panelHost = new QWidget(central);
    m_panelHost->setObjectName(QStringLiteral("Panel1"));
    m_panelHost->setFixedWidth(185);
    layout->addWidget(m_panelHost);
    m_panel = new PropertyPanel(*m_panelHost, m_state, m_services);
    m_panel->setParent(this);

    setCentralWidget(central);
}

void MainWindow::closeEvent(QCloseEvent *event) {
    storeFocusedField();
    if (mayDiscardLevel()) {
        SaveWindowLayout(*this);
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::applyTexts(const LanguageFile &language) {
    const QString main = QStringLiteral("main");
    m_programTitle = language.text(main, QStringLiteral("title"));
    updateTitle();
    m_fileMenu->setTitle(language.text(main, QStringLiteral("file")));
    m_editMenu->setTitle(language.text(main, QStringLiteral("edit")));
    m_viewMenu->setTitle(language.text(main, QStringLiteral("view")));
    m_levelMenu->setTitle(language.text(main, QStringLiteral("level")));
    m_roomMenu->setTitle(language.text(main, QStringLiteral("room")));
    // Without it no language could be chosen again, so this one title has a fallback.
    const QString languages = language.text(main, QStringLiteral("language"));
    m_languageMenu->setTitle(languages.isEmpty() ? QStringLiteral("Language") : languages);
    m_menuBarKey->setText(language.text(main, QStringLiteral("menubar")));
    m_help->applyTexts(language);
    m_recentLevels->setClearText(language.text(main, QStringLiteral("clearrecent")));
    for (int i = 0; i < kActionCount; ++i)
        m_actions[static_cast<std::size_t>(i)]->setText(
            language.text(main, QString::fromLatin1(MainActions()[i].key)));
    m_undoCaptions = {language.text(main, QStringLiteral("undo")),
                      language.text(main, QStringLiteral("undostep"))};
    m_redoCaptions = {language.text(main, QStringLiteral("redo")),
                      language.text(main, QStringLiteral("redostep"))};
    const QStringList filters =
        NameFiltersFromBarFilter(language.text(main, QStringLiteral("filter")));
    m_openDialog.setNameFilters(filters);
    m_saveDialog.setNameFilters(filters);
    m_openDialog.setWindowTitle(language.text(main, QStringLiteral("titleopen")));
    m_saveDialog.setWindowTitle(language.text(main, QStringLiteral("titlesave")));
    m_saveButtonText = language.text(main, QStringLiteral("savebutton"));
    m_tileKinds->clear();
    m_tileKinds->addItems(language.list(main, QStringLiteral("tiles")));
    describeToolBarFields(language);
    m_docks->applyTexts(language);
    m_toolsMenu->setTitle(language.text(QStringLiteral("tools"), QStringLiteral("title")));
    m_toolActions->applyTexts(language);
    m_captions.clear();
    for (const char *key :
         {"copytiles", "copyroom", "pastetiles", "pasteroom", "deletetiles", "delete"})
        m_captions[QString::fromLatin1(key)] = language.text(main, QString::fromLatin1(key));
    updateSelectionCaptions();
}

std::optional<MainWindow::ArchiveSlot> MainWindow::chooseArchiveSlot(QFileDialog &dialog) {
    const std::optional<QString> path = m_modals.chooseFile(dialog);
    if (!path)
        return std::nullopt;
    const std::uint16_t id = m_picker ? m_picker->get().PickLevel(m_modals) : 0;
    if (id == 0)
        return std::nullopt;
    return ArchiveSlot{*path, id};
}

void MainWindow::openFromDialog() {
    if (!mayDiscardLevel())
        return;
    if (const std::optional<ArchiveSlot> slot = chooseArchiveSlot(m_openDialog.dialog()))
        openArchive(slot->path, slot->id);
}

void MainWindow::openRecent(const RecentLevel &level) {
    storeFocusedField();
    if (!QFileInfo(level.path).isFile()) {
        // Moved or deleted since: the user may take it off the list.
        const QString text = FormatMessage(m_state.texts.text(QStringLiteral("recentgone")),
                                           QDir::toNativeSeparators(level.path), level.id);
        if (m_modals.askYesNo(m_state.texts.text(QStringLiteral("question")), text)) {
            std::vector<RecentLevel> levels = UserSettings().recentLevels();
            std::erase(levels, level);
            keepRecentLevels(levels);
        }
        return;
    }
    if (mayDiscardLevel())
        openArchive(level.path, level.id);
}

void MainWindow::keepRecentLevels(const std::vector<RecentLevel> &levels) {
    UserSettings().setRecentLevels(levels);
    m_recentLevels->setLevels(levels);
    updateStartHint();
}

void MainWindow::openArchive(const QString &path, std::uint16_t id) {
    // The file dialogs resolve a relative name against the folder they show, not the current one.
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_openDialog.selectFile(absolute);
    if (!loadLevel(m_state, m_modals, absolute, id, m_archiveWatch.memory()))
        return;
    m_archiveWatch.follow();
    m_history.clear();
    enableEditing();
    m_saveDialog.selectFile(absolute);
    if (LevelPicker *picker = m_picker ? m_picker->made() : nullptr)
        picker->showLevel(id);
    showLevelAs({absolute, id});
    refreshRoom();
    // Emptying a history that holds steps runs the check too, but an empty one says nothing.
    m_docks->problems().check();
}

void MainWindow::openArchiveSoon(const QString &path, std::uint16_t id) {
    m_levelComing = true;
    updateStartHint();
    QTimer::singleShot(0, this, [this, path, id] {
        m_levelComing = false;
        openArchive(path, id);
        updateStartHint(); // shown when the level could not be opened
    });
}

bool MainWindow::saveFromDialog() {
    if (!m_state.levelOpen)
        return false;
    // It picks an existing archive like the Open dialog, but its button says what it is for. Set
    // each time: Qt puts its own caption back whenever the language changes.
    m_saveDialog.dialog().setLabelText(QFileDialog::Accept, m_saveButtonText);
    // Save proposes the slot of the level shown, whatever an Open that failed left in the picker.
    if (m_picker && m_shownLevel)
        m_picker->get().showLevel(m_shownLevel->id);
    const std::optional<ArchiveSlot> slot = chooseArchiveSlot(m_saveDialog.dialog());
    if (!slot || !saveLevel(m_state, m_modals, slot->path, slot->id, m_archiveWatch.memory()))
        return false;
    m_archiveWatch.follow();
    m_history.markSaved();
    showLevelAs({QFileInfo(slot->path).absoluteFilePath(), slot->id});
    // Shown until the next refresh writes the room and place again.
    statusBar()->showMessage(FormatMessage(m_state.texts.text(QStringLiteral("saved")), slot->id,
                                           QFileInfo(slot->path).fileName()));
    return true;
}

bool MainWindow::mayDiscardLevel() {
    if (!m_history.isModified() || !m_shownLevel)
        return true;
    const QString text = FormatMessage(m_state.texts.text(QStringLiteral("unsaved")),
                                       m_shownLevel->id, QFileInfo(m_shownLevel->path).fileName());
    switch (m_modals.askUnsaved(m_state.texts.text(QStringLiteral("question")), text)) {
    case UnsavedAnswer::Save:
        return saveFromDialog();
    case UnsavedAnswer::Discard:
        return true;
    case UnsavedAnswer::Cancel:
        break;
    }
    return false;
}

void MainWindow::showLevelAs(const RecentLevel &level) {
    m_shownLevel = level;
    updateTitle();
    keepRecentLevels(AddRecentLevel(UserSettings().recentLevels(), level));
}

void MainWindow::updateTitle() {
    if (!m_shownLevel) {
        setWindowTitle(m_programTitle);
        return;
    }
    // Qt shows the placeholder [*] as "*" while the window is marked modified.
    setWindowTitle(QStringLiteral("%1 \u2013 %2[*] \u2013 %3")
                       .arg(QFileInfo(m_shownLevel->path).fileName())
                       .arg(m_shownLevel->id)
                       .arg(m_programTitle));
    setWindowModified(m_history.isModified());
}

void MainWindow::textsChanged() {
    updateUndoActions();
    updateStartHint();
    refreshRoom();
    m_docks->problems().check();
}

// A menu command's step is named like its action, without the dots that promise a dialog; the
// tile edits name theirs by a key of the message texts.
QString MainWindow::stepName(const QString &key) const {
    for (int i = 0; i < kActionCount; ++i) {
        if (key == QLatin1String(MainActions()[i].key)) {
            // Without the mnemonic's '&' too: a step name is read, not chosen.
            return m_actions[static_cast<std::size_t>(i)]->iconText();
        }
    }
    return m_state.texts.text(key);
}

void MainWindow::showStep(Action which, const StepCaptions &captions, bool possible,
                          const QString &key) {
    QAction *step = action(which);
    step->setEnabled(possible);
    step->setText(possible ? FormatMessage(captions.named, stepName(key)) : captions.plain);
}

void MainWindow::updateUndoActions() {
    const QUndoStack &steps = m_history.stack();
    showStep(Action::Undo, m_undoCaptions, steps.canUndo(), steps.undoText());
    showStep(Action::Redo, m_redoCaptions, steps.canRedo(), steps.redoText());
}

void MainWindow::setZoom(int zoom) {
    showZoom(zoom);
    UserSettings().setZoom(m_roomView->zoom());
}

void MainWindow::showZoom(int zoom) {
    zoom = std::clamp(zoom, 1, kMaxZoom);
    m_roomView->setZoom(zoom);
    action(Action::ZoomIn)->setEnabled(zoom < kMaxZoom);
    action(Action::ZoomOut)->setEnabled(zoom > 1);
}

void MainWindow::enableEditing() {
    m_tileKinds->setEnabled(true);
    for (ExitLineEdit *edit : m_attributeEdits)
        edit->setEnabled(true);
    for (int i = 0; i < kActionCount; ++i) {
        if (MainActions()[i].availability == Availability::WithLevel)
            m_actions[static_cast<std::size_t>(i)]->setEnabled(true);
    }
}

void MainWindow::refreshRoom() {
    RoomWidgets widgets{
        m_roomPicture,
        *m_roomView,
        *m_tileKinds,
        {m_attributeEdits[0], m_attributeEdits[1], m_attributeEdits[2], m_attributeEdits[3]},
        *statusBar(),
        *m_panel};
    const int panelWidth = m_panelHost->width();
    // A rectangle belongs to its room: another room shown drops it.
    if (m_state.area && m_state.area->room != m_state.room)
        m_state.area.reset();
    UpdateRoomWidgets(m_state, widgets);
    updateSelectionCaptions();
    QStringList kinds;
    for (int i = 0; i < m_tileKinds->count(); ++i)
        kinds.append(m_tileKinds->itemText(i));
    // Without a level the kinds are shown as no level type's background list draws them.
    m_docks->palette().showKinds(kinds,
                                 m_state.levelOpen ? m_state.level.byte(kLevelTypeOffset) : 0,
                                 m_state.background, ImagesFolder(m_state.programDir));
    // The panel widens for long labels (another language, another level type); the window grows
    // with it so that the room view keeps its width.
    WidenWindow(*this, m_panelHost->width() - panelWidth);
    showSelectedTile();
}

void MainWindow::showSelectedTile() {
    const int zoom = m_roomView->zoom();
    const QPoint tile(kGridLeft + kTileWidth * m_state.column,
                      kGridTop + kTileHeight * m_state.row);
    const QPoint centre = (tile + QPoint(kTileWidth, kTileHeight) / 2) * zoom;
    m_roomScrollArea->ensureVisible(centre.x(), centre.y(), kTileWidth * zoom / 2 + 8,
                                    kTileHeight * zoom / 2 + 8);
}

} // namespace qv2
