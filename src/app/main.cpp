// qv2leved [ARCHIVE [ID]]: the level editor. With an archive it opens that level (2000 unless an
// id is given) as if it had been chosen in the file dialog and the level picker.
#include "app/quit_after_room_paint.h"
#include "app/startup.h"
#include "ui/app_error.h"
#include "ui/number_entry.h"
#include "ui/widget_modals.h"

#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    qv2::EditorApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    std::optional<std::int32_t> id = 2000;
    if (args.size() > 2 || (args.size() == 2 && !(id = qv2::ParseNumber(args[1])))) {
        std::fprintf(stderr, "usage: qv2leved [ARCHIVE [ID]]\n");
        return 2;
    }
    if (*id < 1 || *id > 0xFFFF) {
        std::fprintf(stderr, "qv2leved: the level id must be 1..65535\n");
        return 2;
    }

    qv2::WidgetModals modals;
    app.setModals(&modals);
    qv2::Program program(modals, QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    modals.setParent(&program.mainWindow);
    modals.setTexts(&program.mainWindow.state().texts);
    program.LoadStartupSettings();
    qv2::QuitAfterFirstRoomPaintIfAsked(program.mainWindow);
    program.mainWindow.show();

    if (!args.isEmpty()) {
        // Through the event loop, so that an error of the first refresh reaches the error report.
        const QString path = args[0];
        const auto level = static_cast<std::uint16_t>(*id);
        QTimer::singleShot(0, &program.mainWindow, [&program, path, level] {
            program.mainWindow.openArchive(path, level);
        });
    }
    return app.exec();
}
