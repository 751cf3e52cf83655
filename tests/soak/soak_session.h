#pragma once

// A long editing session through the command functions that the main window wires, with the real
// room refresh, property panel and dialogs, driven by a seeded random user. Each edit says which
// level bytes it must set and how many messages it must show; the session checks that every other
// byte stays as it was.
#include "editors/background_editor.h"
#include "editors/enemy_dialog.h"
#include "editors/level_type_dialog.h"
#include "editors/link_dialog.h"
#include "editors/neighbour_dialog.h"
#include "editors/start_position_dialog.h"
#include "support/scripted_modals.h"
#include "ui/edit_history.h"
#include "ui/editor_state.h"
#include "view/paint_box.h"
#include "view/property_panel.h"
#include "view/room_copy.h"
#include "view/room_refresh.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QStatusBar>
#include <QWidget>

#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace soak {

// What one edit must do.
struct Outcome {
    Outcome(std::string action = {}) : what(std::move(action)) {}

    std::string what;                           // the user's action, for the replay log
    std::map<std::size_t, std::uint8_t> writes; // level bytes it sets; all others stay
    int messages = 0;                           // messages it shows
};

class Session {
  public:
    Session(std::uint32_t seed, const QString &programDir, qv2::LevelStore level);

    // The random user: a number below n, and true in `percent` of the cases.
    int below(int n) { return static_cast<int>(m_random() % static_cast<std::uint32_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }

    // What the user types into a field of lo..hi: mostly a number in range, in any notation the
    // number entry reads, else a text it refuses. `value` gets the number when it is accepted.
    QString typedNumber(int lo, int hi, std::optional<int> &value);

    // Drops the panel controls that the refresh replaced, as the event loop would.
    void deleteReplacedControls();

    qv2::EditorState state;
    ScriptedModals modals;
    qv2::Services services;
    qv2::EditHistory history;
    qv2::BackgroundEditor backgroundEditor;
    qv2::StartPositionDialog startPosition;
    qv2::NeighbourDialog neighbours;
    qv2::LevelTypeDialog levelType;
    qv2::EnemyDialog enemies;
    qv2::LinkDialog links;
    std::optional<qv2::RoomCopy> copiedRoom;

    // What undo and redo must bring back: the level before each step still to undo, and after
    // each step undone, the latest last.
    std::vector<qv2::Bytes> undoImages;
    std::vector<qv2::Bytes> redoImages;
    QWidget panelHost;
    qv2::PropertyPanel panel;

  private:
    QImage m_picture;
    qv2::PaintBox m_roomView;
    QComboBox m_tileKinds;
    QLineEdit m_attributeFields[4];
    QStatusBar m_statusBar;
    qv2::RoomWidgets m_widgets;
    std::mt19937 m_random;
};

// One kind of user action; `weight` is its share of the steps. A recorded action becomes one step
// of the undo history, as the main window records its commands; undo and redo themselves are not.
struct Edit {
    const char *name;
    int weight;
    Outcome (*run)(Session &);
    bool recorded = true;
};

// Every kind of action the soak takes, one row each.
const std::vector<Edit> &Edits();

} // namespace soak
