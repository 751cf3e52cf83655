#pragma once

#include "app/archive_dialog.h"
#include "ui/editor_state.h"
#include "ui/text_catalogue.h"

#include <QImage>
#include <QMainWindow>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class QAction;
class QComboBox;
class QFileDialog;
class QMenu;
class QScrollArea;
class QToolBar;

namespace qv2 {

class ExitLineEdit;
class Modals;
class PaintBox;
class PropertyPanel;
class LevelPicker;

// The main window: owns the editing state and wires menus, toolbar, room view and panel to the
// commands. It holds no editing logic of its own.
class MainWindow : public QMainWindow, public TextTarget {
    Q_OBJECT
public:
    // The commands in menu order; the window's actions carry these names as object names.
    enum Action {
        ActionMegnyitas1,
        ActionMentes1,
        ActionKilepes1,
        ActionKezdohely1,
        ActionUjrakezdes1,
        ActionLink1,
        ActionUgrasPalyara1,
        ActionASzintEgyben1,
        ActionHibakereses1,
        ActionSzintfajta1,
        ActionEllensegek1,
        ActionJovoEllensegek1,
        ActionPalyak1,
        ActionPalyaTorlese1,
        ActionHatter1,
        ActionCount
    };

    MainWindow(Modals &modals, const QString &programDir, QWidget *parent = nullptr);
    ~MainWindow() override;

    void setLevelPicker(LevelPicker *picker) { m_picker = picker; }
    void applyTexts(const LanguageFile &language) override;

    EditorState &state() { return m_state; }
    Services &services() { return m_services; }
    QAction *action(Action which) const { return m_actions[which]; }
    QFileDialog &openDialog() { return m_openDialog.dialog(); }
    QFileDialog &saveDialog() { return m_saveDialog.dialog(); }

    // Opens level `id` of the archive as if it had been chosen in the file dialog and the picker.
    void openArchive(const QString &path, std::uint16_t id);

    // Runs `command` when the action is chosen, after the focused field stored its pending edit.
    void connectCommand(Action which, std::function<void()> command);

    // Redraws the room picture, the toolbar fields, the status line and the property panel.
    void RefreshRoom();

protected:
    bool event(QEvent *event) override;

private:
    struct ArchiveSlot {
        QString path;
        std::uint16_t id;
    };
    // The file dialog, then the level picker; nothing when either is cancelled.
    std::optional<ArchiveSlot> chooseArchiveSlot(QFileDialog &dialog);
    void openFromDialog();
    void saveFromDialog();

    void createActions();
    void createMenus();
    void createToolBar();
    void createRoomArea();
    void enableEditing();

    Modals &m_modals;
    EditorState m_state;
    Services m_services;
    QImage m_roomPicture;
    LevelPicker *m_picker = nullptr;

    std::array<QAction *, ActionCount> m_actions{};
    QMenu *m_fileMenu = nullptr;
    QMenu *m_levelMenu = nullptr;
    QMenu *m_roomMenu = nullptr;
    QToolBar *m_toolBar = nullptr;
    QComboBox *m_tileKinds = nullptr;
    std::array<ExitLineEdit *, 4> m_attributeEdits{};
    QScrollArea *m_scrollBox = nullptr;
    PaintBox *m_paintBox = nullptr;
    QWidget *m_panelHost = nullptr;
    PropertyPanel *m_panel = nullptr;
    ArchiveDialog m_openDialog;
    ArchiveDialog m_saveDialog;
    QString m_saveButtonText = QString::fromUtf8("Mentés"); // the Save dialog's accept button
};

} // namespace qv2
