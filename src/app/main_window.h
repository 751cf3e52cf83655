#pragma once

#include "ui/editor_state.h"
#include "ui/text_catalogue.h"

#include <QImage>
#include <QMainWindow>

#include <array>
#include <cstdint>
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
class TForm2;

// The main window: owns the editing state and wires menus, toolbar, room view and panel to the
// commands. It holds no editing logic of its own.
class TForm1 : public QMainWindow, public TextTarget {
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

    TForm1(Modals &modals, const QString &programDir, QWidget *parent = nullptr);
    ~TForm1() override;

    void setLevelPicker(TForm2 *picker) { m_picker = picker; }
    void applyTexts(const LanguageFile &language) override;

    EditorState &state() { return m_state; }
    Services &services() { return m_services; }
    QAction *action(Action which) const { return m_actions[which]; }
    QFileDialog &openDialog() const { return *OpenDialog1; }
    QFileDialog &saveDialog() const { return *SaveDialog1; }

    // Opens level `id` of the archive as if it had been chosen in the file dialog and the picker.
    void openArchive(const QString &path, std::uint16_t id);

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
    void ActionMegnyitas1Execute();
    void ActionMentes1Execute();

    void createActions();
    void createMenus();
    void createToolBar();
    void createRoomArea();
    void enableEditing();

    Modals &m_modals;
    EditorState m_state;
    Services m_services;
    QImage m_roomPicture;
    TForm2 *m_picker = nullptr;

    std::array<QAction *, ActionCount> m_actions{};
    QMenu *m_fileMenu = nullptr;
    QMenu *m_levelMenu = nullptr;
    QMenu *m_roomMenu = nullptr;
    QToolBar *ToolBar1 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    std::array<ExitLineEdit *, 4> m_attributeEdits{};
    QScrollArea *ScrollBox1 = nullptr;
    PaintBox *PaintBox1 = nullptr;
    QWidget *Panel1 = nullptr;
    PropertyPanel *m_panel = nullptr;
    QFileDialog *OpenDialog1 = nullptr;
    QFileDialog *SaveDialog1 = nullptr;
};

} // namespace qv2
