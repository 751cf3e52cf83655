// The soak's user actions, one row each in Edits(): the action through the command function the
// main window wires, with the bytes and messages it must produce.
#include "soak_session.h"

#include "editors/choice_codes.h"
#include "editors/coming_guards.h"
#include "editors/restart_points.h"
#include "level/level_layout.h"
#include "support/find_control.h"
#include "view/bit_field.h"
#include "view/room_commands.h"
#include "view/tile_editing.h"

#include <QListWidget>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace soak {
namespace {

using namespace qv2;

std::string Text(const QString &text) {
    return '"' + text.toStdString() + '"';
}

std::string Where(const EditorState &s) {
    return " at room " + std::to_string(s.room) + " place " + std::to_string(s.tilePlace());
}

// A number typed into a field: stored when accepted, else one message.
void Expect(Outcome &outcome, std::size_t offset, const std::optional<int> &value) {
    if (value)
        outcome.writes[offset] = static_cast<std::uint8_t>(*value);
    else
        ++outcome.messages;
}

Outcome ClickTile(Session &s) {
    const int row = s.below(kRows);
    const int column = s.below(kColumns);
    const QPoint point(144 + 32 * column + s.below(32), 64 + 64 * row + s.below(64));
    selectTileAt(s.state, s.services, point);
    EXPECT_EQ(s.state.tilePlace(), row * kColumns + column);
    return {"click on place " + std::to_string(row * kColumns + column)};
}

Outcome ClickArrow(Session &s) {
    const QPoint arrows[] = {{90, 150}, {500, 150}, {310, 10}, {310, 300}}; // left, right, up, down
    const int side = s.below(4);
    const int from = s.state.room;
    const int neighbour = s.state.level.byte(NeighbourAt(from, side));
    selectTileAt(s.state, s.services, arrows[side]);
    EXPECT_EQ(s.state.room, neighbour >= 1 && neighbour <= kRoomCount ? neighbour : from);
    return {"arrow " + std::to_string(side) + " from room " + std::to_string(from)};
}

Outcome SetTileKind(Session &s) {
    const int kind = s.chance(90) ? s.below(0x2D) : s.below(256);
    Outcome outcome{"tile kind " + std::to_string(kind) + Where(s.state)};
    outcome.writes[TileKindAt(s.state.room, s.state.row, s.state.column)] =
        static_cast<std::uint8_t>(kind);
    setTileKind(s.state, s.services, kind);
    return outcome;
}

Outcome StoreAttributeField(Session &s) {
    const int tag = s.below(4);
    std::optional<int> value;
    const QString text = s.typedNumber(0, 255, value);
    Outcome outcome{"attribute field " + std::to_string(tag) + " " + Text(text) + Where(s.state)};
    Expect(outcome, TileAttributeAt(s.state.room, s.state.row, s.state.column, tag), value);
    markAttributeFieldEdited(s.state);
    storeAttributeField(s.state, s.services, tag, text);
    return outcome;
}

// A field or list of the property panel as the last refresh built it; only its bits change.
Outcome StorePanelField(Session &s) {
    QList<QWidget *> controls;
    for (QWidget *control : s.panelHost.findChildren<QWidget *>()) {
        const QString name = control->objectName();
        if (name.startsWith("PanelField") || name.startsWith("PanelList"))
            controls << control;
    }
    if (controls.isEmpty())
        return {"no panel field" + Where(s.state)};
    QWidget *control = controls[s.below(static_cast<int>(controls.size()))];
    const BitField field = FieldFromTag(control->property("Tag").toInt());
    const std::size_t offset =
        TileAttributeAt(s.state.room, s.state.row, s.state.column, field.byte);
    Outcome outcome{"panel " + control->objectName().toStdString() + Where(s.state)};
    std::optional<int> value;
    if (auto *edit = qobject_cast<QLineEdit *>(control)) {
        const QString text = s.typedNumber(0, static_cast<int>(field.mask()), value);
        outcome.what += " " + Text(text);
        edit->setText(text);
        s.panel.markPanelFieldEdited();
        s.panel.storePanelField(*edit);
    } else {
        auto *list = qobject_cast<QComboBox *>(control);
        if (list->count() == 0)
            return outcome;
        value = s.below(list->count());
        outcome.what += " item " + std::to_string(*value);
        s.panel.storePanelChoice(*list, *value);
    }
    if (value)
        outcome.writes[offset] = field.store(s.state.level.byte(offset), *value);
    else
        ++outcome.messages;
    return outcome;
}

Outcome JumpToRoom(Session &s) {
    const int from = s.state.room;
    std::optional<int> room;
    std::optional<QString> answer;
    if (s.chance(90))
        answer = s.typedNumber(1, kRoomCount, room);
    s.modals.inputAnswers.push_back(answer);
    jumpToRoom(s.state, s.services);
    EXPECT_EQ(s.state.room, room.value_or(from));
    Outcome outcome("jump " + (answer ? Text(*answer) : std::string("cancelled")));
    outcome.messages = answer && !room ? 1 : 0;
    return outcome;
}

Outcome DeleteRoom(Session &s) {
    const bool yes = s.chance(50);
    const int room = s.state.room;
    Outcome outcome{"delete room " + std::to_string(room) + (yes ? " yes" : " no")};
    if (yes) {
        for (int place = 0; place < kTilesPerRoom; ++place) {
            outcome.writes[TileKindAt(room, place / kColumns, place % kColumns)] = 0;
            for (int k = 0; k < 4; ++k)
                outcome.writes[TileAttributeAt(room, place / kColumns, place % kColumns, k)] = 0;
        }
        outcome.writes[EnemyCountAt(room)] = 0;
        outcome.writes[ComingGuardCountAt(room)] = 0;
    }
    s.modals.yesNoAnswers.push_back(yes);
    deleteRoom(s.state, s.services);
    return outcome;
}

// Runs a dialog command. `user` acts in the dialog and notes what OK must store; the user then
// presses OK or cancels, and a cancel stores nothing.
Outcome WithDialog(Session &s, std::string what, const std::function<void()> &command,
                   const std::function<void(QDialog &, Outcome &)> &user) {
    Outcome outcome(std::move(what));
    s.modals.dialogScripts.push_back([&](QDialog &dialog) {
        user(dialog, outcome);
        const bool ok = s.chance(80);
        outcome.what += ok ? " OK" : " cancel";
        if (!ok) {
            outcome.writes.clear();
            outcome.messages = 0;
        }
        return ok;
    });
    command();
    return outcome;
}

// Types a number of lo..hi, or a text the number entry refuses, into the dialog's field `name`.
void TypeInto(Session &s, QDialog &dialog, const QString &name, int lo, int hi,
              std::optional<int> &value, Outcome &outcome) {
    const QString text = s.typedNumber(lo, hi, value);
    outcome.what += " " + name.toStdString() + "=" + Text(text);
    auto &edit = Control<QLineEdit>(dialog, name);
    edit.setFocus();
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Delete); // as the user empties it: an edit, unlike clear()
    QTest::keyClicks(&edit, text);
}

// A field whose accepted number OK stores at `offset`; a refused one costs a message.
void TypeField(Session &s, QDialog &dialog, const QString &name, int lo, int hi, std::size_t offset,
               Outcome &outcome) {
    std::optional<int> value;
    TypeInto(s, dialog, name, lo, hi, value, outcome);
    Expect(outcome, offset, value);
}

// Picks an item of a choice list, or none; OK stores the code the item stands for, if any, unless
// it is the item shown for the stored byte (`otherwise` for a byte no item stands for).
void ChooseItem(Session &s, QDialog &dialog, const QString &name, ChoiceValues codes,
                std::size_t offset, Outcome &outcome, int otherwise = -1) {
    auto &list = Control<QComboBox>(dialog, name);
    const int index = s.below(list.count() + 1) - 1;
    list.setCurrentIndex(index);
    outcome.what += " " + name.toStdString() + " item " + std::to_string(index);
    const auto code = ChoiceCode(codes, index);
    if (code && index != ChoiceIndex(codes, s.state.level.byte(offset), otherwise))
        outcome.writes[offset] = *code;
}

// Sets a count spinner of range 0..maximum; OK stores the count, unless the spinner still shows
// what it showed for the stored byte.
void SetCount(Session &s, QDialog &dialog, const char *name, int maximum, std::size_t offset,
              Outcome &outcome) {
    const int count = s.below(maximum + 1);
    Control<QSpinBox>(dialog, name).setValue(count);
    outcome.what += " count " + std::to_string(count);
    if (count != std::min<int>(s.state.level.byte(offset), maximum))
        outcome.writes[offset] = static_cast<std::uint8_t>(count);
}

// Types into a few of a grid dialog's boxes; box k holds level byte first + k.
void TypeIntoGrid(Session &s, QDialog &dialog, int boxes, std::size_t first, Outcome &outcome) {
    std::map<int, std::optional<int>> typed;
    for (int n = s.below(4); n > 0; --n) {
        const int box = s.below(boxes);
        TypeInto(s, dialog, QStringLiteral("dinEdit%1").arg(box), 0, 255, typed[box], outcome);
    }
    for (const auto &[box, value] : typed)
        Expect(outcome, first + static_cast<std::size_t>(box), value);
}

Outcome EditRestartPoints(Session &s) {
    return WithDialog(
        s, "restart points", [&] { editRestartPoints(s.state, s.services); },
        [&](QDialog &dialog, Outcome &outcome) {
            TypeIntoGrid(s, dialog, 2 * kRestartPointCount, RestartPointAt(0), outcome);
        });
}

Outcome EditComingGuards(Session &s) {
    const int room = s.state.room;
    return WithDialog(
        s, "coming guards of room " + std::to_string(room),
        [&] { editComingGuards(s.state, s.services); },
        [&](QDialog &dialog, Outcome &outcome) {
            SetCount(s, dialog, "dinCount", kMaxComingGuards, ComingGuardCountAt(room), outcome);
            TypeIntoGrid(s, dialog, kMaxComingGuards * kComingGuardRecordSize,
                         ComingGuardRecordAt(room, 0), outcome);
        });
}

Outcome EditBackground(Session &s) {
    const int room = s.state.room;
    return WithDialog(
        s, "background of room " + std::to_string(room),
        [&] { editBackground(s.state, s.services, s.backgroundEditor); },
        [&](QDialog &dialog, Outcome &outcome) {
            auto &picture = Control<PaintBox>(dialog, "PaintBox1");
            auto &names = Control<QComboBox>(dialog, "ComboBox1");
            for (int n = names.count() > 0 ? s.below(4) : 0; n > 0; --n) {
                const int place = s.below(kTilesPerRoom);
                const int name = s.below(names.count());
                QTest::mouseClick(&picture, Qt::LeftButton, {},
                                  QPoint(32 * (place % kColumns) + 5, 64 * (place / kColumns) + 5));
                names.setCurrentIndex(name);
                emit names.activated(name);
                outcome.writes[TileAttributeAt(room, place / kColumns, place % kColumns, 2)] =
                    static_cast<std::uint8_t>(name);
                outcome.what += " place " + std::to_string(place) + "=" + std::to_string(name);
            }
        });
}

Outcome EditStartPosition(Session &s) {
    return WithDialog(
        s, "start position", [&] { editStartPosition(s.state, s.services, s.startPosition); },
        [&](QDialog &dialog, Outcome &outcome) {
            TypeField(s, dialog, "Edit1", 1, kRoomCount, kStartRoomOffset, outcome);
            TypeField(s, dialog, "Edit2", 0, kTilesPerRoom - 1, kStartTileOffset, outcome);
            ChooseItem(s, dialog, "ComboBox1", kDirectionCodes, kStartDirectionOffset, outcome, 1);
        });
}

Outcome EditNeighbours(Session &s) {
    const int room = s.state.room;
    return WithDialog(
        s, "neighbours of room " + std::to_string(room),
        [&] { editNeighbours(s.state, s.services, s.neighbours); },
        [&](QDialog &dialog, Outcome &outcome) {
            for (int side = 0; side < 4; ++side)
                TypeField(s, dialog, QStringLiteral("Edit%1").arg(side + 1), 0, kRoomCount,
                          NeighbourAt(room, side), outcome);
        });
}

Outcome EditLevelType(Session &s) {
    return WithDialog(
        s, "level type", [&] { editLevelType(s.state, s.services, s.levelType); },
        [&](QDialog &dialog, Outcome &outcome) {
            ChooseItem(s, dialog, "ComboBox1", kLevelTypeCodes, kLevelTypeOffset, outcome);
            TypeField(s, dialog, "Edit1", 0, 255, kLevelNumberOffset, outcome);
            auto &flags = Control<QListWidget>(dialog, "CheckListBox1");
            for (int i = 0; i < kLevelFlagCount && i < flags.count(); ++i) {
                const bool on = s.chance(50);
                flags.item(i)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
                outcome.writes[LevelFlagAt(i)] = on ? 1 : 0;
                outcome.writes[LevelFlagAt(i) + 1] = 0;
                outcome.what += on ? "+" : "-";
            }
            ChooseItem(s, dialog, "ComboBox2", kEnemyGraphicsCodes, kEnemyGraphicsOffset, outcome);
        });
}

// Enemies of the shown room: the count, perhaps one list picked (which stores the record shown),
// then one number typed. OK stores the whole of record 0 as the controls show it: a list that
// shows no item leaves its byte, and the revival state sets its companion byte.
Outcome EditEnemies(Session &s) {
    const int room = s.state.room;
    return WithDialog(
        s, "enemies of room " + std::to_string(room),
        [&] { editEnemies(s.state, s.services, s.enemies); },
        [&](QDialog &dialog, Outcome &outcome) {
            const std::size_t record = EnemyCountAt(room) + 1;
            SetCount(s, dialog, "UpDown1", kMaxEnemies, EnemyCountAt(room), outcome);
            struct List {
                const char *name;
                ChoiceValues codes;
                int byte;
                int otherwise;
            };
            const List lists[] = {{"ComboBox1", kDirectionCodes, EnemyDirection, 0},
                                  {"ComboBox2", kColourVariantCodes, EnemyColour, -1},
                                  {"ComboBox3", kEnemyKindCodes, EnemyKind, -1},
                                  {"ComboBox4", kRevivalCodes, EnemyRevival, -1}};
            const int picked = s.below(2 * static_cast<int>(std::size(lists)));
            for (int i = 0; i < static_cast<int>(std::size(lists)); ++i) {
                const List &list = lists[i];
                const std::size_t at = record + list.byte;
                const int shown = ChoiceIndex(list.codes, s.state.level.byte(at), list.otherwise);
                std::optional<std::uint8_t> code = ChoiceCode(list.codes, shown);
                if (i == picked) {
                    auto &box = Control<QComboBox>(dialog, list.name);
                    const int item = s.below(box.count());
                    box.setCurrentIndex(item);
                    emit box.activated(item);
                    outcome.what += std::string(" ") + list.name + " item " + std::to_string(item);
                    code = ChoiceCode(list.codes, item);
                }
                if (code)
                    outcome.writes[at] = *code;
                if (code && list.byte == EnemyRevival)
                    outcome.writes[record + EnemyRevivalPair] = *code == 0xFF ? 0xFF : 0x00;
            }
            const int field = s.below(5);
            const int bytes[] = {EnemyTile, EnemyX, EnemySkill, EnemyFrame, EnemyStrength};
            std::optional<int> value;
            TypeInto(s, dialog, QStringLiteral("Edit%1").arg(field + 1), 0,
                     field == 1 ? 65535 : 255, value, outcome);
            if (!value)
                ++outcome.messages;
            else if (field == 1)
                outcome.writes[record + EnemyX + 1] = static_cast<std::uint8_t>(*value >> 8);
            if (value)
                outcome.writes[record + bytes[field]] = static_cast<std::uint8_t>(*value & 0xFF);
        });
}

// The link table: perhaps another entry chosen, then one of its five bytes typed.
Outcome EditLinks(Session &s) {
    return WithDialog(
        s, "links", [&] { editLinks(s.state, s.services, s.links); },
        [&](QDialog &dialog, Outcome &outcome) {
            auto &entry = Control<QSpinBox>(dialog, "UpDown1");
            if (s.chance(50))
                entry.setValue(s.below(kLinkEntryCount));
            const int field = s.below(kLinkEntrySize);
            outcome.what += " entry " + std::to_string(entry.value());
            TypeField(s, dialog, QStringLiteral("Edit%1").arg(field + 1), 0, 255,
                      kLinkTableOffset + entry.value() * kLinkEntrySize + field, outcome);
        });
}

// The bytes a room holds of its own, in the order a room copy keeps them.
std::vector<std::size_t> RoomBytes(int room) {
    std::vector<std::size_t> offsets;
    for (int place = 0; place < kTilesPerRoom; ++place)
        offsets.push_back(TileKindAt(room, place / kColumns, place % kColumns));
    for (int place = 0; place < kTilesPerRoom; ++place) {
        for (int k = 0; k < 4; ++k)
            offsets.push_back(TileAttributeAt(room, place / kColumns, place % kColumns, k));
    }
    for (int i = 0; i < kEnemyBlockSize; ++i)
        offsets.push_back(EnemyCountAt(room) + i);
    for (std::size_t at = ComingGuardCountAt(room); at < ComingGuardCountAt(room + 1); ++at)
        offsets.push_back(at);
    return offsets;
}

Outcome CopyShownRoom(Session &s) {
    s.copiedRoom = CopyRoom(s.state.level, s.state.room);
    return {"copy room " + std::to_string(s.state.room)};
}

Outcome PasteOverShownRoom(Session &s) {
    Outcome outcome{"paste over room " + std::to_string(s.state.room)};
    if (!s.copiedRoom)
        return outcome;
    const std::vector<std::size_t> offsets = RoomBytes(s.state.room);
    EXPECT_EQ(s.copiedRoom->bytes.size(), offsets.size());
    for (std::size_t i = 0; i < offsets.size() && i < s.copiedRoom->bytes.size(); ++i)
        outcome.writes[offsets[i]] = s.copiedRoom->bytes[i];
    pasteRoom(s.state, s.services, *s.copiedRoom);
    return outcome;
}

// Undo or redo: the level becomes the image the model keeps for it, which moves to the other side.
Outcome Travel(Session &s, std::vector<Bytes> &from, std::vector<Bytes> &to, bool undo) {
    Outcome outcome{undo ? "undo" : "redo"};
    const Bytes now = s.state.level.bytes();
    if (!from.empty()) {
        for (std::size_t offset = 0; offset < now.size(); ++offset)
            outcome.writes[offset] = from.back()[offset];
        to.push_back(now);
        from.pop_back();
    }
    if (undo)
        s.history.undo();
    else
        s.history.redo();
    return outcome;
}

Outcome Undo(Session &s) {
    return Travel(s, s.undoImages, s.redoImages, true);
}
Outcome Redo(Session &s) {
    return Travel(s, s.redoImages, s.undoImages, false);
}

} // namespace

const std::vector<Edit> &Edits() {
    static const std::vector<Edit> edits = {
        {"ClickTile", 20, ClickTile},
        {"ClickArrow", 6, ClickArrow},
        {"SetTileKind", 12, SetTileKind},
        {"StoreAttributeField", 12, StoreAttributeField},
        {"StorePanelField", 16, StorePanelField},
        {"JumpToRoom", 6, JumpToRoom},
        {"DeleteRoom", 1, DeleteRoom},
        {"EditRestartPoints", 4, EditRestartPoints},
        {"EditComingGuards", 4, EditComingGuards},
        {"EditBackground", 4, EditBackground},
        {"EditStartPosition", 3, EditStartPosition},
        {"EditNeighbours", 3, EditNeighbours},
        {"EditLevelType", 3, EditLevelType},
        {"EditEnemies", 4, EditEnemies},
        {"EditLinks", 3, EditLinks},
        {"CopyRoom", 2, CopyShownRoom},
        {"PasteRoom", 1, PasteOverShownRoom},
        {"Undo", 6, Undo, false},
        {"Redo", 3, Redo, false},
    };
    return edits;
}

} // namespace soak
