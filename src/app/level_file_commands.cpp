#include "app/level_file_commands.h"

#include "level/archive_file.h"
#include "level/level_layout.h"
#include "ui/editor_state.h"
#include "ui/modals.h"
#include "view/program_folder.h"

#include <QFile>

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

} // namespace

bool loadLevel(EditorState &state, Modals &modals, const QString &path, std::uint16_t id) {
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
    return true;
}

bool saveLevel(const EditorState &state, Modals &modals, const QString &path, std::uint16_t id) {
    return reportFailure(SaveLevelToArchive(nativePath(path), id, state.level), state, modals,
                         path);
}

} // namespace qv2
