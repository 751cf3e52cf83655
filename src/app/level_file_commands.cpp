#include "app/level_file_commands.h"

#include "level/archive_file.h"
#include "level/level_layout.h"
#include "ui/editor_state.h"
#include "ui/modals.h"
#include "view/background_list.h"

#include <QFile>
#include <QFileInfo>

namespace qv2 {

namespace {

std::string nativePath(const QString &path) {
    return QFile::encodeName(path).toStdString();
}

// Shows the message of a failed archive command. Returns true when there was nothing to report.
bool reportFailure(const ArchiveResult &result, const EditorState &state, Modals &modals,
                   const QString &path) {
    const MessageTexts &texts = state.texts;
    const QString reason = QString::fromLocal8Bit(result.systemError.c_str());
    switch (result.outcome) {
    case ArchiveOutcome::Done:
    case ArchiveOutcome::ChecksumBad:
        return true;
    case ArchiveOutcome::CantRead:
        modals.message(FormatMessage(texts.text(QStringLiteral("cantread")), path, reason));
        break;
    case ArchiveOutcome::CantWrite:
        modals.message(FormatMessage(texts.text(QStringLiteral("cantwrite")), path, reason));
        break;
    case ArchiveOutcome::Busy:
        modals.message(FormatMessage(texts.text(QStringLiteral("busy")), path));
        break;
    case ArchiveOutcome::NoIndex:
        modals.message(texts.text(QStringLiteral("noindex")));
        break;
    case ArchiveOutcome::NoLevel:
        modals.message(texts.text(QStringLiteral("nolevel")));
        break;
    case ArchiveOutcome::Damaged:
        modals.message(texts.text(QStringLiteral("damaged")));
        break;
    }
    return false;
}

// Whether another program wrote the remembered slot since: the same slot of the same archive (by
// its name or by its file) holds other level bytes now.
bool writtenMeanwhile(const SlotMemory &memory, const ArchiveSaver &saver, std::uint16_t id) {
    const bool sameArchive = memory.file == saver.path() || memory.stamp.sameFile(saver.stamp());
    return sameArchive && memory.id == id && saver.slotData() != memory.data;
}

} // namespace

bool loadLevel(EditorState &state, Modals &modals, const QString &path, std::uint16_t id,
               std::optional<SlotMemory> &memory) {
    LevelStore level;
    const ArchiveResult result = OpenLevelFromArchive(nativePath(path), id, level);
    if (!reportFailure(result, state, modals, path))
        return false;
    if (result.outcome == ArchiveOutcome::ChecksumBad)
        modals.message(state.texts.text(QStringLiteral("checksum")));
    if (level.size() < kFullLevelSize)
        modals.message(FormatMessage(state.texts.text(QStringLiteral("short")),
                                     static_cast<int>(level.size()),
                                     static_cast<int>(kFullLevelSize)));

    state.level = std::move(level);
    // A start room outside 1..32 would make every room field address another room's bytes, so
    // such a level is shown from room 1.
    const int startRoom = state.level.byte(kStartRoomOffset);
    state.room = startRoom >= 1 && startRoom <= kRoomCount ? startRoom : 1;
    state.row = 0;
    state.column = 0;
    state.levelOpen = true;
    state.background = LoadBackgroundList(state.programDir, state.level);
    // The level bytes are the slot's as they were read.
    const std::string file = QFile::encodeName(QFileInfo(path).canonicalFilePath()).toStdString();
    memory = SlotMemory{file, StampOfFile(file).value_or(FileStamp{}), id, state.level.bytes()};
    return true;
}

bool saveLevel(const EditorState &state, Modals &modals, const QString &path, std::uint16_t id,
               std::optional<SlotMemory> &memory) {
    bool askFirst = memory.has_value();
    for (;;) {
        ArchiveResult result;
        bool changed = false;
        {
            ArchiveSaver saver(nativePath(path));
            result = saver.locate(id);
            const auto done = [&result] { return result.outcome == ArchiveOutcome::Done; };
            changed = done() && askFirst && writtenMeanwhile(*memory, saver, id);
            if (done() && !changed) {
                result = saver.write(state.level);
                if (done())
                    memory =
                        SlotMemory{saver.path(), StampOfFile(saver.path()).value_or(FileStamp{}),
                                   id, saver.slotData()};
            }
        } // the archive's lock is given back before the user is told or asked anything
        if (!changed)
            return reportFailure(result, state, modals, path);
        const QString question = FormatMessage(state.texts.text(QStringLiteral("changedslot")),
                                               static_cast<int>(id), QFileInfo(path).fileName());
        if (!modals.askOverwrite(state.texts.text(QStringLiteral("question")), question))
            return false;
        askFirst = false;
    }
}

} // namespace qv2
