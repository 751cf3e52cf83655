#include "app/main_actions.h"

#include "app/main_window.h"

namespace qv2 {

namespace {

QKeySequence Ctrl(int key) { return QKeySequence(Qt::CTRL | key); }

} // namespace

const QList<ActionEntry> &MainActions()
{
    using enum MenuPlace;
    using enum Availability;
    static const QList<ActionEntry> actions = {
        {"ActionMegnyitas1", "Megnyitás", "open", {Ctrl(Qt::Key_O)}, 0, File, Always},
        {"ActionMentes1", "Mentés...", "save", {Ctrl(Qt::Key_S)}, 1, File, WithLevel},
        {"ActionKilepes1", "Kilépés", "exit", {Ctrl(Qt::Key_Q)}, -1, File, Always},
        {"ActionKezdohely1", "Kezdőhely...", "start", {Ctrl(Qt::Key_K)}, 2, Level, WithLevel},
        {"ActionUjrakezdes1", "Újrakezdések helye...", "restart", {Ctrl(Qt::Key_U)}, 3, Level, WithLevel},
        {"ActionLink1", "Nyitó-lecsapó-rács linkek...", "link", {Ctrl(Qt::Key_L)}, 4, Level, WithLevel},
        {"ActionUgrasPalyara1", "Ugrás pályára...", "jump", {Ctrl(Qt::Key_P)}, -1, Level, WithLevel},
        {"ActionASzintEgyben1", "A szint egyben...", "all", {Ctrl(Qt::Key_M)}, -1, Level, WithLevel},
        {"ActionHibakereses1", "Hibakeresés...", "error", {Ctrl(Qt::Key_H)}, -1, Level, WithLevel},
        {"ActionSzintfajta1", "Szintfajta...", "kind", {Ctrl(Qt::Key_F)}, -1, Level, WithLevel},
        {"ActionEllensegek1", "Ellenségek...", "guards", {Ctrl(Qt::Key_E)}, 5, Room, WithLevel},
        {"ActionJovoEllensegek1", "Jövő ellenségek...", "coming", {Ctrl(Qt::Key_J)}, 6, Room, WithLevel},
        {"ActionPalyak1", "Szomszédos pályák...", "neighbor", {Ctrl(Qt::Key_R)}, 7, Room, WithLevel},
        {"ActionPalyaTorlese1", "Pálya törlése", "delete", {QKeySequence(Qt::Key_Delete)}, -1, Room, WithLevel},
        {"ActionHatter1", "Háttér szerkesztése...", "back", {Ctrl(Qt::Key_B)}, -1, Room, WithLevel},
        {"ActionVisszavonas1", "Visszavonás", "undo", {Ctrl(Qt::Key_Z)}, -1, Edit, Managed},
        {"ActionUjra1", "Újra", "redo", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), Ctrl(Qt::Key_Y)}, -1, Edit, Managed},
        {"ActionPalyaMasolasa1", "Pálya másolása", "copyroom", {Ctrl(Qt::Key_C)}, -1, Edit, WithLevel},
        {"ActionPalyaBeillesztese1", "Pálya beillesztése", "pasteroom", {Ctrl(Qt::Key_V)}, -1, Edit, Managed},
        // Ctrl+= is Ctrl++ without Shift on keyboards that put + above =.
        {"ActionNagyitas1", "Nagyítás", "zoomin", {QKeySequence(QKeySequence::ZoomIn), Ctrl(Qt::Key_Equal)}, -1, View, Managed},
        {"ActionKicsinyites1", "Kicsinyítés", "zoomout", {QKeySequence(QKeySequence::ZoomOut)}, -1, View, Managed},
        {"ActionEredetiMeret1", "Eredeti méret", "zoomreset", {Ctrl(Qt::Key_0)}, -1, View, Always},
    };
    Q_ASSERT(actions.size() == MainWindow::ActionCount);
    return actions;
}

const char *const kBuiltInTiles[45] = {
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

} // namespace qv2
