#pragma once

#include "app/archive_dialog.h"
#include "app/archive_watch.h"
#include "app/user_settings.h"
#include "text/text_catalogue.h"
#include "ui/edit_history.h"
#include "ui/editor_state.h"

#include <QImage>
#include <QMainWindow>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class QAction;
class QComboBox;
class QFileDialog;
class QMenu;
class QScrollArea;
class QToolBar;

namespace qv2 {

class ExitLineEdit;
class HelpMenu;
class EditorDocks;
class RoomToolbox;
class ToolActions;
struct GridTile;
class Modals;
class PaintBox;
class PropertyPanel;
class LevelPicker;
template <class Dialog> class DialogOnDemand;
class RecentLevelsMenu;
class StartHint;

// The main window: owns the editing state and wires menus, toolbar, room view and panel to the
// commands. It holds no editing logic of its own.
class MainWindow : public QMainWindow, public TextTarget {
    Q_OBJECT
  public:
    // The commands, in menu order. Their actions carry the names of the given design as object
    // names, or English ones where it named none; main_actions.cpp says which menu holds each.
    enum class Action {
        Open,
        Save,
        Exit,
        EditStartPosition,
        EditRestartPoints,
        EditLinks,
        JumpToRoom,
        ShowWholeLevel,
        CheckLevel,
        EditLevelType,
        EditEnemies,
        EditComingGuards,
        EditNeighbours,
        DeleteRoom,
        EditBackground,
        Undo,
        Redo,
        CopyRoom,
        PasteRoom,
        ZoomIn,
        ZoomOut,
        ActualSize,
        FitToWindow,
        Count
    };
    static constexpr int kActionCount = static_cast<int>(Action::Count);

    MainWindow(Modals &modals, const QString &programDir, QWidget *parent = nullptr);
    ~MainWindow() override;

    void setLevelPicker(DialogOnDemand<LevelPicker> *picker) { m_picker = picker; }
    void applyTexts(const LanguageFile &language) override;

    EditorState &state() { return m_state; }
    Services &services() { return m_services; }
    EditHistory &history() { return m_history; }
    // The level shown, as it was opened or last saved.
    const std::optional<RecentLevel> &shownLevel() const { return m_shownLevel; }
    QMenu &languageMenu() const { return *m_languageMenu; }
    QAction *action(Action which) const { return m_actions[static_cast<std::size_t>(which)]; }
    QFileDialog &openDialog() { return m_openDialog.dialog(); }
    QFileDialog &saveDialog() { return m_saveDialog.dialog(); }

    // Opens level `id` of the archive as if it had been chosen in the file dialog and the picker.
    void openArchive(const QString &path, std::uint16_t id);
    // The same once the event loop runs, so that an error of the first refresh reaches the error
    // report. Until then the start hint is not made: the room is about to fill the view.
    void openArchiveSoon(const QString &path, std::uint16_t id);

    // Runs `command` when the action is chosen, after the focused field stored its pending edit.
    // What the command changes in the level is one step of the undo history, named after the
    // action.
    void connectCommand(Action which, std::function<void()> command);

    // The message texts changed with the language: captions built from them are made again.
    void textsChanged();

    // Redraws the room picture, the toolbar fields, the status line and the property panel.
    void refreshRoom();

  protected:
    bool event(QEvent *event) override;
    // Asks before a changed level is lost; the answer Cancel, or a Save that does not happen,
    // keeps the window open.
    void closeEvent(QCloseEvent *event) override;

  private:
    struct StepCaptions {
        QString plain; // "Undo", with nothing to undo
        QString named; // "Undo %s", filled with the step's name
    };
    struct ArchiveSlot {
        QString path;
        std::uint16_t id;
    };
    // The file dialog, then the level picker; nothing when either is cancelled.
    std::optional<ArchiveSlot> chooseArchiveSlot(QFileDialog &dialog);
    void openFromDialog();
    void openRecent(const RecentLevel &level);
    void openSample();
    // Stores the recent levels and shows them in the File menu and the start hint.
    void keepRecentLevels(const std::vector<RecentLevel> &levels);
    // The hint over the empty room view while no level is open.
    void updateStartHint();
    // Returns whether the level was written.
    bool saveFromDialog();
    // Save, Discard or Cancel when the level has changes; true when it may be given up.
    bool mayDiscardLevel();
    // The archive and id the open level now stands for, after an Open or a Save.
    void showLevelAs(const RecentLevel &level);
    void storeFocusedField();

    void setZoom(int zoom); // shows the zoom and keeps it as the user's choice
    void showZoom(int zoom);
    // Scrolls the room view so that the selected tile is in sight: keys and zooming move it away.
    void showSelectedTile();
    void updateTitle();
    void updateUndoActions();
    void showStep(Action which, const StepCaptions &captions, bool possible, const QString &key);
    QString stepName(const QString &key) const;

    void describeToolBarFields(const LanguageFile &language);
    void createActions();
    void createMenus();
    void createToolBar();
    void createRoomArea();
    void createDocks();
    // Draws one tile of the room picture again after a stroke of the brush changed it.
    void redrawTile(GridTile tile);
    void brushFromSelectedTile();
    std::array<std::uint8_t, 4> toolbarAttributes() const;
    // Copy, Paste and Delete say whether they act on tiles or on the room.
    void updateSelectionCaptions();
    void enableEditing();

    Modals &m_modals;
    EditorState m_state;
    EditHistory m_history;
    Services m_services;
    std::optional<RecentLevel> m_shownLevel; // for the title and the unsaved-changes question
    bool m_levelComing = false;              // openArchiveSoon has a level on its way
    QImage m_roomPicture;
    DialogOnDemand<LevelPicker> *m_picker = nullptr;

    std::array<QAction *, kActionCount> m_actions{};
    QMenu *m_fileMenu = nullptr;
    QMenu *m_levelMenu = nullptr;
    QMenu *m_roomMenu = nullptr;
    QMenu *m_editMenu = nullptr;
    QMenu *m_viewMenu = nullptr;
    QMenu *m_languageMenu = nullptr;
    QAction *m_menuBarKey = nullptr;
    HelpMenu *m_help = nullptr;
    RecentLevelsMenu *m_recentLevels = nullptr;
    QToolBar *m_toolBar = nullptr;
    QComboBox *m_tileKinds = nullptr;
    std::array<ExitLineEdit *, 4> m_attributeEdits{};
    QScrollArea *m_roomScrollArea = nullptr;
    PaintBox *m_roomView = nullptr;
    StartHint *m_startHint = nullptr;
    QWidget *m_panelHost = nullptr;
    PropertyPanel *m_panel = nullptr;
    std::unique_ptr<EditorDocks> m_docks;
    RoomToolbox *m_tools = nullptr;
    ToolActions *m_toolActions = nullptr;
    QMenu *m_toolsMenu = nullptr;
    std::map<QString, QString> m_captions; // Copy, Paste and Delete for tiles and for the room
    ArchiveWatch m_archiveWatch;
    ArchiveDialog m_openDialog;
    ArchiveDialog m_saveDialog;
    QString m_saveButtonText = QString::fromUtf8("Mentés"); // the Save dialog's accept button
    QString m_programTitle = QString::fromUtf8("Qasvar 2 szintszerkesztő");
    std::optional<QString> m_shownTip; // a field's tip in the status line
    QString m_lineUnderTip;            // what the status line said before it
    StepCaptions m_undoCaptions;
    StepCaptions m_redoCaptions;
};

} // namespace qv2
